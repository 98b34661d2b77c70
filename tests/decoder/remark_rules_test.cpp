#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../cli_runner.hpp"

namespace aerolume {
namespace {

using testing_support::DecodeGroupsJson;
using testing_support::SplitWords;

constexpr const char* kRemarks = "\r\n特記事項";

struct RemarkCase {
  const char* groups;  // decoded after RMK, as they stand in the remarks
  std::vector<std::string> lines;
};

class RemarkRuleTest : public testing::TestWithParam<RemarkCase> {};

TEST_P(RemarkRuleTest, GivesItsLinesInAMetarAndATaf) {
  const RemarkCase& c = GetParam();
  std::vector<std::string> groups{"RMK"};
  for (const std::string& group : SplitWords(c.groups)) groups.push_back(group);
  std::vector<std::string> lines{kRemarks};
  lines.insert(lines.end(), c.lines.begin(), c.lines.end());
  for (bool taf : {false, true}) {
    const nlohmann::json result = DecodeGroupsJson(groups, taf);
    EXPECT_EQ(result["lines"].get<std::vector<std::string>>(), lines) << c.groups;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Supplementary, RemarkRuleTest,
    testing::Values(RemarkCase{"COR", {"訂正"}}, RemarkCase{"RI++", {"降雨量30mm/h以上"}},
                    RemarkCase{"RI05", {"降雨量05mm/h"}}, RemarkCase{"RI5", {"RI5"}},
                    RemarkCase{"RIXX", {"RIXX"}}, RemarkCase{"P/RR", {"30分以内に1hPa超気圧上昇"}},
                    RemarkCase{"P/FR", {"30分以内に1hPa超気圧降下"}},
                    RemarkCase{"WS RWY34L", {"ウィンドシアー RWY34L"}},
                    RemarkCase{"WS R34L", {"ウィンドシアー R34L"}},
                    RemarkCase{"WS ALL RWY", {"ウィンドシアー 全滑走路"}},
                    RemarkCase{"WS", {"ウィンドシアー "}}, RemarkCase{"RMK", {kRemarks}},
                    RemarkCase{"NOSIG", {"重要な変化なし"}},
                    RemarkCase{"NSW", {"注意すべき天候終了"}}));

INSTANTIATE_TEST_SUITE_P(
    CloudLayers, RemarkRuleTest,
    testing::Values(RemarkCase{"1CU030", {"3000フィート 1/8 積雲"}},
                    RemarkCase{"2TCU030", {"3000フィート 2/8 雄大積雲"}},
                    RemarkCase{"5SC005", {"500フィート 5/8 層積雲"}},
                    RemarkCase{"7CB120", {"12000フィート 7/8 積乱雲"}},
                    // Both bytes after the amount digits: a height, not a cloud layer.
                    RemarkCase{"123030", {"123030"}}));

INSTANTIATE_TEST_SUITE_P(
    LocatedPhenomena, RemarkRuleTest,
    testing::Values(
        RemarkCase{"CB NE MOV E", {"雷雲が北東にあって東に移動中"}},
        RemarkCase{"CB NE STNR", {"雷雲が北東にあって停滞中"}},
        RemarkCase{"CB NE MOV", {"雷雲が北東にあって移動中"}},
        RemarkCase{"TS NE - SE RA", {"雷が北東と南東にあり", "雨"}},
        RemarkCase{"CB 20KM NE Q1013", {"雷雲が20km北東にあり", "気圧 1013hPa"}},
        RemarkCase{"MOD TS OHD Q1013", {"", "並みの強さの雷が真上にあり", "気圧 1013hPa"}},
        RemarkCase{"CB N-NE MOV SE Q1013", {"雷雲が北と北東にあって南東に移動中", "気圧 1013hPa"}},
        RemarkCase{"HVY TCU 800M SW", {"", "強い雄大積雲が800m南西にあり"}},
        RemarkCase{"VIRGA UNKNOWN", {"尾流雲が何処かにあり"}}, RemarkCase{"TS RA", {"雷", "雨"}},
        // Without a direction after it the word is no located phenomenon.
        RemarkCase{"CB", {"CB"}}, RemarkCase{"CB 20KM", {"CB", "20KM"}}, RemarkCase{"TS", {"雷"}},
        // A "-" at the end continues nothing; it is shown on its own.
        RemarkCase{"CB NE -", {"雷雲が北東にあり", "-"}}));

INSTANTIATE_TEST_SUITE_P(MaximumWindAndIntensity, RemarkRuleTest,
                         testing::Values(RemarkCase{"MAX WIND 35KT", {"最大風速35KT"}},
                                         RemarkCase{"MAX WIND GUST", {"MAX", "WIND", "GUST"}},
                                         RemarkCase{"MAX WIND", {"MAX", "WIND"}},
                                         RemarkCase{"MAX", {"MAX"}}, RemarkCase{"FBL", {""}},
                                         RemarkCase{"HVY", {""}}, RemarkCase{"MOD", {""}}));

TEST(RemarkRuleAtHeadTest, PhenomenonFirstInTheListHasNoIntensity) {
  const nlohmann::json result = DecodeGroupsJson({"CB", "NE"}, true);
  EXPECT_EQ(result["lines"].get<std::vector<std::string>>(),
            std::vector<std::string>{"雷雲が北東にあり"});
}

TEST(RemarkRuleAtHeadTest, IntensityWordAloneIsAnEmptyLine) {
  EXPECT_EQ(DecodeGroupsJson({"MOD"})["decoded"], "\r\n");
}

TEST(MetarWorkedExampleTest, DecodesEveryGroupAndKeepsTheObservedWind) {
  const nlohmann::json result =
      DecodeGroupsJson(SplitWords("34005KT 9999 FEW030 08/M03 Q1021 NOSIG RMK 1CU030 A3015"));
  const std::vector<std::string> lines{
      "340方向 5KTの風",  "視程 10km以上",         "3000フィートFEWの雲",
      "気温8ﾟC 露点-3ﾟC", "気圧 1021hPa",          "重要な変化なし",
      "\r\n特記事項",     "3000フィート 1/8 積雲", "気圧 30.15inHg",
  };
  EXPECT_EQ(result["lines"].get<std::vector<std::string>>(), lines);
  EXPECT_EQ(result["wind"]["direction"], 340);
  EXPECT_EQ(result["wind"]["speed"], 5);
  EXPECT_EQ(result["past_observation"], true);
}

TEST(MetarWorkedExampleTest, RemarkWindAfterNosigIsShownButNotStored) {
  const nlohmann::json result = DecodeGroupsJson(SplitWords("34005KT NOSIG RMK WIND 27010KT"));
  const std::vector<std::string> lines{"340方向 5KTの風", "重要な変化なし", "\r\n特記事項", "WIND",
                                       "270方向 10KTの風"};
  EXPECT_EQ(result["lines"].get<std::vector<std::string>>(), lines);
  EXPECT_EQ(result["wind"]["direction"], 340);
  EXPECT_EQ(result["wind"]["speed"], 5);
}

}  // namespace
}  // namespace aerolume

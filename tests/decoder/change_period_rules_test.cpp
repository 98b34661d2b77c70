#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../cli_runner.hpp"

namespace aerolume {
namespace {

using testing_support::DecodeGroupsJson;
using testing_support::SplitWords;

constexpr const char* kIssued = "2012/05/06 05:00";

struct ChangeCase {
  bool taf;
  const char* groups;
  std::vector<std::string> lines;
  const char* timeLine = kIssued;
};

class ChangePeriodRuleTest : public testing::TestWithParam<ChangeCase> {};

TEST_P(ChangePeriodRuleTest, GivesItsLines) {
  const ChangeCase& c = GetParam();
  const nlohmann::json result = DecodeGroupsJson(SplitWords(c.groups), c.taf, c.timeLine);
  EXPECT_EQ(result["lines"].get<std::vector<std::string>>(), c.lines) << c.groups;
}

INSTANTIATE_TEST_SUITE_P(
    TafChanges, ChangePeriodRuleTest,
    testing::Values(
        ChangeCase{true, "BECMG 0615/0618", {"\r\n7日0時～7日3時の間のちに"}},
        ChangeCase{
            true, "TEMPO 0612/0618 -SHRA", {"\r\n6日21時～7日3時の間ときどき", "弱いにわか雨"}},
        ChangeCase{true, "BECMG FM1030", {"\r\n19時30分からのちに"}},
        ChangeCase{true, "TEMPO FM1030", {"\r\n19時30分からときどき"}},
        ChangeCase{true, "BECMG 1215 34010KT", {"\r\n21時～0時の間のちに", "340方向 10KTの風"}},
        ChangeCase{true, "BECMG 5000 BR", {"\r\nのちに\r\n視程 5000m", "靄"}},
        ChangeCase{true, "TEMPO 1230 RA", {"\r\nときどき\r\n視程 1230m", "雨"}},
        ChangeCase{true, "TEMPO 9999 NSW", {"\r\nときどき\r\n視程 10km以上", "注意すべき天候終了"}},
        ChangeCase{true,
                   "BECMG 0800 TEMPO 3000",
                   {"\r\nのちに\r\n視程 0800m", "\r\nときどき\r\n視程 3000m"}},
        ChangeCase{
            true, "BECMG 0800 FCST 1218", {"\r\nのちに\r\n視程 0800m", "\r\n21時～3時の予報"}},
        ChangeCase{true, "BECMG 0800 BR", {"\r\n17時～9時の間のちに", "靄"}},
        ChangeCase{true, "BECMG 0800", {"\r\nのちに\r\n視程 0800m"}},
        ChangeCase{true, "BECMG NSW", {"\r\nのちに", "注意すべき天候終了"}},
        ChangeCase{true, "BECMG 2424 RA", {"\r\n9時～9時の間のちに", "雨"}},
        ChangeCase{true, "BECMG", {"\r\nのちに"}}, ChangeCase{true, "TEMPO", {"\r\nときどき"}}));

INSTANTIATE_TEST_SUITE_P(
    TafForecasts, ChangePeriodRuleTest,
    testing::Values(ChangeCase{true, "FCST 0612/0718", {"\r\n6日21時～8日3時の予報"}},
                    ChangeCase{true, "FCST AMD 0612/0718", {"\r\n修正された6日21時～8日3時の予報"}},
                    ChangeCase{true, "FCST FM0600", {"\r\n15時0分からの予報"}},
                    ChangeCase{true, "FCST 1218", {"\r\n21時～3時の予報"}},
                    ChangeCase{true, "FCST AMD NIL", {"\r\n修正された予報", "欠測"}},
                    ChangeCase{true, "FCST", {"\r\n予報"}},
                    ChangeCase{true, "FCST AMD", {"\r\n修正された予報"}},
                    ChangeCase{true, "0606/0712", {"6日15時～7日21時の予報"}},
                    ChangeCase{true, "FM0130", {"10時30分から"}},
                    ChangeCase{true, "AMD", {"修正報"}}));

// METAR trends give their times as FM groups: four digits there are a visibility.
INSTANTIATE_TEST_SUITE_P(
    MetarTrends, ChangePeriodRuleTest,
    testing::Values(
        ChangeCase{false, "TEMPO 1500 +SHRA", {"\r\nときどき\r\n視程 1500m", "強いにわか雨"}},
        ChangeCase{false, "BECMG 1215 34010KT", {"\r\nのちに\r\n視程 1215m", "340方向 10KTの風"}},
        ChangeCase{false, "BECMG FM1030", {"\r\n19時30分からのちに"}},
        ChangeCase{false, "FCST 1218", {"\r\n21時～3時の予報"}}));

// A group that names a day or hour that does not exist is no time: the indicator
// leaves it, and it is shown as it stands.
INSTANTIATE_TEST_SUITE_P(
    TimesThatDoNotExist, ChangePeriodRuleTest,
    testing::Values(ChangeCase{true, "BECMG 3206/3212", {"\r\nのちに", "3206/3212"}},
                    ChangeCase{true, "TEMPO 0006/0012 RA", {"\r\nときどき", "0006/0012", "雨"}},
                    ChangeCase{true, "TEMPO FM2460", {"\r\nときどき", "FM2460"}},
                    ChangeCase{true, "FCST 0012/0018", {"\r\n予報", "0012/0018"}},
                    ChangeCase{true, "FCST AMD FM0160", {"\r\n修正された予報", "FM0160"}},
                    ChangeCase{true, "FCST 2530 RA", {"\r\n予報", "視程 2530m", "雨"}},
                    ChangeCase{true, "0006/0012 XYZ", {"0006/0012", "XYZ"}},
                    ChangeCase{true, "XYZ FM0160", {"XYZ", "FM0160"}},
                    ChangeCase{true, "0606/0712", {"0606/0712"}, "NOT FOUND"},
                    ChangeCase{true, "BECMG 0800 BR", {"\r\nのちに", "視程 0800m", "靄"}, ""},
                    ChangeCase{true, "FCST FM0600", {"\r\n予報", "FM0600"}, "2012/05/00 05:00"}));

// From the first change indicator on, wind groups describe the forecast, not the
// observation, and leave the wind values alone.
class ObservationEndTest : public testing::TestWithParam<const char*> {};

TEST_P(ObservationEndTest, MetarWindAfterTheMarkerIsNotStored) {
  const std::string marker = GetParam();
  const nlohmann::json result = DecodeGroupsJson({marker, "27010KT"});
  EXPECT_EQ(result["lines"].back(), "270方向 10KTの風");
  EXPECT_EQ(result["wind"]["direction"], -1);
  EXPECT_EQ(result["wind"]["speed"], -1);
  EXPECT_EQ(result["past_observation"], true);
}

TEST_P(ObservationEndTest, TheObservedWindBeforeTheMarkerStays) {
  const nlohmann::json result = DecodeGroupsJson({"34005KT", GetParam(), "27010KT", "300V020"});
  EXPECT_EQ(result["wind"]["direction"], 340);
  EXPECT_EQ(result["wind"]["speed"], 5);
  EXPECT_EQ(result["wind"]["var_from"], -1);
  EXPECT_EQ(result["wind"]["var_to"], -1);
}

TEST_P(ObservationEndTest, TafLeavesTheMarkerSetToo) {
  EXPECT_EQ(DecodeGroupsJson({GetParam()}, true)["past_observation"], true);
}

INSTANTIATE_TEST_SUITE_P(Markers, ObservationEndTest,
                         testing::Values("RMK", "BECMG", "TEMPO", "FCST"));

TEST(ChangePeriodObservationTest, PeriodAndFromTimeOnTheirOwnDoNotEndTheObservation) {
  EXPECT_EQ(DecodeGroupsJson({"0606/0712", "FM0130", "27010KT"})["wind"]["direction"], 270);
}

TEST(TafWorkedExampleTest, DecodesEveryGroup) {
  const nlohmann::json result = DecodeGroupsJson(
      SplitWords("0606/0712 18010KT 9999 FEW030 BECMG 0609/0611 27015KT TEMPO 0612/0615 -SHRA "
                 "BKN020"),
      true, "2012/05/06 05:00");
  const std::vector<std::string> lines{
      "6日15時～7日21時の予報",
      "180方向 10KTの風",
      "視程 10km以上",
      "3000フィートFEWの雲",
      "\r\n6日18時～6日20時の間のちに",
      "270方向 15KTの風",
      "\r\n6日21時～7日0時の間ときどき",
      "弱いにわか雨",
      "2000フィートBKNの雲",
  };
  EXPECT_EQ(result["lines"].get<std::vector<std::string>>(), lines);
  EXPECT_EQ(result["wind"], DecodeGroupsJson({}, true)["wind"]);
  EXPECT_EQ(result["past_observation"], true);
}

}  // namespace
}  // namespace aerolume

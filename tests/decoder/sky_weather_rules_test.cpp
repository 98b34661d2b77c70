#include <gtest/gtest.h>

#include "../cli_runner.hpp"

namespace aerolume {
namespace {

using testing_support::DecodeGroupsJson;
using testing_support::SplitWords;

struct SkyWeatherCase {
  const char* groups;  // the list; the group under test is the last one
  const char* line;    // its line
};

class SkyWeatherRuleTest : public testing::TestWithParam<SkyWeatherCase> {};

TEST_P(SkyWeatherRuleTest, MetarAndTafShowTheSameLine) {
  const SkyWeatherCase& c = GetParam();
  for (const bool taf : {false, true}) {
    const nlohmann::json lines = DecodeGroupsJson(SplitWords(c.groups), taf)["lines"];
    ASSERT_EQ(lines.size(), SplitWords(c.groups).size()) << c.groups;
    EXPECT_EQ(lines.back(), c.line) << c.groups << (taf ? " (TAF)" : " (METAR)");
  }
}

INSTANTIATE_TEST_SUITE_P(VerticalVisibility, SkyWeatherRuleTest,
                         testing::Values(SkyWeatherCase{"VV001", "鉛直視程100フィート"},
                                         SkyWeatherCase{"VV005", "鉛直視程500フィート"},
                                         SkyWeatherCase{"VV000", "鉛直視程0フィート"},
                                         SkyWeatherCase{"VV///", "VV///"},
                                         SkyWeatherCase{"VV0010", "VV0010"}));

INSTANTIATE_TEST_SUITE_P(
    RunwayVisualRange, SkyWeatherRuleTest,
    testing::Values(SkyWeatherCase{"R34L/1200U", "RWY34L視程 1200m 回復傾向"},
                    SkyWeatherCase{"R34R/P1500N", "RWY34R視程 1500m以上 変化なし"},
                    SkyWeatherCase{"R16/0800V1200U", "RWY16視程 0800m～1200m 回復傾向"},
                    SkyWeatherCase{"R34/1500FT", "RWY34視程 1500mFT"},
                    SkyWeatherCase{"R34/15000", "RWY34視程 1500m0"},
                    SkyWeatherCase{"R06/0600", "R06/0600"},
                    SkyWeatherCase{"R34X/1200", "R34X/1200"},
                    SkyWeatherCase{"R3A/12000", "R3A/12000"}));

INSTANTIATE_TEST_SUITE_P(
    Sky, SkyWeatherRuleTest,
    testing::Values(SkyWeatherCase{"CAVOK", "CAVOK(視程10km以上、重要な雲・天気なし)"},
                    SkyWeatherCase{"SKC", "雲なし"}, SkyWeatherCase{"NSC", "重要な雲なし"},
                    SkyWeatherCase{"CLR", "雲なし(12000フィート以下、自動観測)"},
                    SkyWeatherCase{"cavok", "cavok"}));

INSTANTIATE_TEST_SUITE_P(Temperature, SkyWeatherRuleTest,
                         testing::Values(SkyWeatherCase{"20/15", "気温20ﾟC 露点15ﾟC"},
                                         SkyWeatherCase{"00/00", "気温0ﾟC 露点0ﾟC"},
                                         SkyWeatherCase{"08/M03", "気温8ﾟC 露点-3ﾟC"},
                                         SkyWeatherCase{"M05/M10", "気温-5ﾟC 露点-10ﾟC"},
                                         SkyWeatherCase{"20///", "気温20ﾟC 露点不明"},
                                         SkyWeatherCase{"20/1/", "気温20ﾟC 露点不明"},
                                         SkyWeatherCase{"08/M//", "気温8ﾟC 露点不明"},
                                         SkyWeatherCase{"M05/M//", "気温-5ﾟC 露点不明"}));

INSTANTIATE_TEST_SUITE_P(CloudLayer, SkyWeatherRuleTest,
                         testing::Values(SkyWeatherCase{"FEW030", "3000フィートFEWの雲"},
                                         SkyWeatherCase{"BKN008", "800フィートBKNの雲"},
                                         SkyWeatherCase{"OVC000", "000フィートOVCの雲"},
                                         SkyWeatherCase{"BKN///", "高さ不明 BKNの雲"},
                                         SkyWeatherCase{"SCT020CB", "2000フィートSCTの積乱雲"},
                                         SkyWeatherCase{"FEW025TCU", "2500フィートFEWの雄大積雲"},
                                         SkyWeatherCase{"BKN///CB", "高さ不明 BKNの積乱雲"},
                                         SkyWeatherCase{"FEW030///", "3000フィートFEWの雲"},
                                         SkyWeatherCase{"SCT020XX", "2000フィートSCTの雲"},
                                         SkyWeatherCase{"FEW", "FEW"}));

INSTANTIATE_TEST_SUITE_P(Pressure, SkyWeatherRuleTest,
                         testing::Values(SkyWeatherCase{"Q1013", "気圧 1013hPa"},
                                         SkyWeatherCase{"Q0998", "気圧 998hPa"},
                                         SkyWeatherCase{"A2992", "気圧 29.92inHg"},
                                         SkyWeatherCase{"A3002", "気圧 30.02inHg"},
                                         SkyWeatherCase{"Q101", "Q101"},
                                         SkyWeatherCase{"A30O2", "A30O2"}));

INSTANTIATE_TEST_SUITE_P(Visibility, SkyWeatherRuleTest,
                         testing::Values(SkyWeatherCase{"XYZ 9999", "視程 10km以上"},
                                         SkyWeatherCase{"XYZ 0800", "視程 0800m"},
                                         SkyWeatherCase{"9999", "9999"},
                                         SkyWeatherCase{"XYZ 080", "080"}));

INSTANTIATE_TEST_SUITE_P(PresentWeather, SkyWeatherRuleTest,
                         testing::Values(SkyWeatherCase{"-SHRA", "弱いにわか雨"},
                                         SkyWeatherCase{"+TSRA", "強い雷雨"},
                                         SkyWeatherCase{"VCSH", "飛行場周辺でしゅう雨"},
                                         SkyWeatherCase{"RERA", "過去1時間以内に雨"},
                                         SkyWeatherCase{"BR", "靄"}, SkyWeatherCase{"+X", "強いX"},
                                         SkyWeatherCase{"-", "-"}, SkyWeatherCase{"R", "R"},
                                         SkyWeatherCase{"UP", "種類不明の降水"}));

INSTANTIATE_TEST_SUITE_P(Probability, SkyWeatherRuleTest,
                         testing::Values(SkyWeatherCase{"PROB30", "確率30%"},
                                         SkyWeatherCase{"PROB40", "確率40%"},
                                         SkyWeatherCase{"PROB3", "部分的OB3"},
                                         SkyWeatherCase{"PROB300", "部分的OB300"},
                                         SkyWeatherCase{"PROBAB", "部分的OBAB"}));

TEST(SkyWeatherReportTest, OneLinePerGroupAndNoWindWritten) {
  const nlohmann::json result =
      DecodeGroupsJson(SplitWords("9999 R34L/P1500N -SHRA BKN008CB M01/M03 A2992 VV002"));
  EXPECT_EQ(result["lines"].get<std::vector<std::string>>(),
            (std::vector<std::string>{"9999", "RWY34L視程 1500m以上 変化なし", "弱いにわか雨",
                                      "800フィートBKNの積乱雲", "気温-1ﾟC 露点-3ﾟC",
                                      "気圧 29.92inHg", "鉛直視程200フィート"}));
  EXPECT_EQ(result["wind"], DecodeGroupsJson({})["wind"]);
}

}  // namespace
}  // namespace aerolume

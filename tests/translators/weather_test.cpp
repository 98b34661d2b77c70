#include "translators/weather.hpp"

#include <gtest/gtest.h>

namespace aerolume {
namespace {

struct WeatherCase {
  const char* group;
  const char* text;
};

class WeatherTest : public testing::TestWithParam<WeatherCase> {};

TEST_P(WeatherTest, TranslatesFromTheLeft) {
  EXPECT_EQ(TranslateWeather(GetParam().group), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, WeatherTest,
    testing::Values(WeatherCase{"-SHRA", "弱いにわか雨"}, WeatherCase{"+TSRA", "強い雷雨"},
                    WeatherCase{"VCSH", "飛行場周辺でしゅう雨"},
                    WeatherCase{"RERA", "過去1時間以内に雨"}, WeatherCase{"FZFG", "着氷性霧"},
                    WeatherCase{"BLSN", "高い雪"}, WeatherCase{"MIFG", "地表付近霧"},
                    WeatherCase{"+FC", "竜巻"}, WeatherCase{"SHRASN", "にわか雨雪"},
                    WeatherCase{"BCFG", "散在霧"}, WeatherCase{"PRFG", "部分的霧"},
                    WeatherCase{"DRSA", "低い砂"}, WeatherCase{"-DZ", "弱い霧雨"},
                    WeatherCase{"SG", "霧雪"}, WeatherCase{"GRGS", "ひょうあられ"},
                    WeatherCase{"PLIC", "凍雨氷晶"}, WeatherCase{"BR", "靄"},
                    WeatherCase{"FUDU", "煙塵"}, WeatherCase{"HZVA", "煙霧火山灰"},
                    WeatherCase{"SQ", "スコール"}, WeatherCase{"+DS", "強い塵嵐"},
                    WeatherCase{"+SS", "強い砂嵐"}, WeatherCase{"PO", "塵旋風"},
                    // Mist and haze are two phenomena, and read as two words.
                    WeatherCase{"BRHZ", "靄煙霧"}, WeatherCase{"-HZ", "弱い煙霧"},
                    // SH is a shower of the precipitation after it, or showers themselves.
                    WeatherCase{"SH", "しゅう雨"}, WeatherCase{"SHUP", "にわか種類不明の降水"},
                    // A sign counts wherever it stands.
                    WeatherCase{"RA-SN", "雨弱い雪"}, WeatherCase{"-+", "弱い強い"},
                    // The first unknown piece is copied with everything after it.
                    WeatherCase{"RAXX", "雨XX"}, WeatherCase{"UP", "種類不明の降水"},
                    WeatherCase{"////", "////"}, WeatherCase{"BLU", "高いU"},
                    WeatherCase{"RAN", "雨N"}, WeatherCase{"XXRA", "XXRA"}, WeatherCase{"ra", "ra"},
                    WeatherCase{"", ""}));

TEST(WeatherCodeTest, KnowsExactlyTheTwoLetterCodes) {
  for (const char* code :
       {"VC", "TS", "SH", "FZ", "BC", "MI", "PR", "DR", "BL", "RA", "DZ", "SN", "SG", "GR", "GS",
        "PL", "IC", "BR", "FG", "SA", "FU", "DU", "HZ", "VA", "SQ", "DS", "FC", "SS", "PO", "RE"}) {
    EXPECT_TRUE(IsWeatherCode(code)) << code;
  }
  for (const char* other : {"-", "+", "", "R", "RAS", "ra", "VV", "-R"}) {
    EXPECT_FALSE(IsWeatherCode(other)) << other;
  }
}

}  // namespace
}  // namespace aerolume

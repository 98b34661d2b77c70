// Lines that state no more than their groups do: CAVOK, NSC, SKC, CLR and NOSIG rule
// out only what is significant, VC is the aerodrome's vicinity, SH with no
// precipitation after it is showers, +FC a tornado, and the period after PROB30 the
// time of the probable change. Beside them, the neighbours whose words stay. Each
// case is also written in code page 932, as `aerolume-cli --encoding cp932` writes it.
#include <gtest/gtest.h>

#include <ostream>

#include "../cli_runner.hpp"
#include "cli/encoding.hpp"

namespace aerolume {
namespace {

constexpr const char* kMetarTimeLine = "2012/05/06 05:00";  // no METAR line here reads it

struct WordingCase {
  const char* name;
  const char* groups;
  std::vector<std::string> lines;
  const char* source;  // the corpus line (../shared/corpus) or "example"
  bool taf = false;
  const char* timeLine = kMetarTimeLine;
};

void PrintTo(const WordingCase& c, std::ostream* os) {
  *os << c.name << ": " << c.groups;
}

constexpr bool kTaf = true;

const WordingCase kCases[] = {
    {"Cavok", "CAVOK", {"CAVOK(視程10km以上、重要な雲・天気なし)"}, "japan-metar.txt:32"},
    {"NoSignificantCloud", "NSC", {"重要な雲なし"}, "japan-metar.txt:135"},
    {"SkyClear", "SKC", {"雲なし"}, "example"},
    {"ClearBelow12000Feet", "CLR", {"雲なし(12000フィート以下、自動観測)"}, "japan-metar.txt:1124"},
    {"NoSignificantChange", "NOSIG", {"重要な変化なし"}, "japan-metar.txt:32"},
    {"ShowersInTheVicinity", "VCSH", {"飛行場周辺でしゅう雨"}, "japan-metar.txt:65"},
    {"ThunderstormInTheVicinity", "VCTS", {"飛行場周辺で雷"}, "japan-metar.txt:774"},
    {"FogInTheVicinity", "VCFG", {"飛行場周辺で霧"}, "japan-metar.txt:437"},
    {"VicinityOfARemarkThunderstorm",
     "RMK TS VC NW-NE MOV E",
     {"\r\n特記事項", "雷", "飛行場周辺で", "北西～北東", "東に移動中"},
     "japan-metar.txt:774"},
    {"ShowersAlone", "SH", {"しゅう雨"}, "example"},
    {"Tornado", "+FC", {"竜巻"}, "example"},
    {"ProbablePeriod",
     "PROB30 2812/2815 -SHRA",
     {"確率30%", "28日21時～29日0時の間", "弱いにわか雨"},
     "world.txt:63",
     kTaf,
     "2026/05/27 23:34"},
    // The neighbours keep their words.
    {"RainShowers", "SHRA", {"にわか雨"}, "japan-metar.txt:30"},
    {"LightSnowShowers", "-SHSN", {"弱いにわか雪"}, "japan-metar.txt:194"},
    {"FunnelCloud", "FC", {"漏斗雲"}, "example"},
    {"NoCloudDetected", "NCD", {"雲を検出せず(自動観測)"}, "japan-metar.txt:4"},
    {"ProbableTemporaryPeriod",
     "PROB40 TEMPO 1803/1809",
     {"確率40%", "\r\n18日12時～18日18時の間ときどき"},
     "world.txt:42",
     kTaf,
     "2018/02/18 01:40"},
    {"ForecastValidity",
     "2618/2800",
     {"27日3時～28日9時の予報"},
     "japan-taf.txt:1",
     kTaf,
     "2018/09/26 17:06"},
};

class StatedWordingTest : public testing::TestWithParam<WordingCase> {};

TEST_P(StatedWordingTest, SaysWhatTheGroupsSay) {
  const WordingCase& c = GetParam();
  EXPECT_EQ(testing_support::DecodeGroupsLines(c.groups, c.taf, c.timeLine), c.lines) << c.source;
}

// Code page 932 writes "?" for a character it lacks; no line holds one of its own.
TEST_P(StatedWordingTest, EveryLineHasItsCodePage932Characters) {
  for (const std::string& line : GetParam().lines) {
    const std::string written = cli::ToCp932(line);
    EXPECT_FALSE(written.empty()) << line;
    EXPECT_EQ(written.find('?'), std::string::npos) << line;
  }
}

INSTANTIATE_TEST_SUITE_P(Words, StatedWordingTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<WordingCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace aerolume

#include "stations/runway_wind.hpp"

#include <gtest/gtest.h>

namespace aerolume {
namespace {

// A runway 34/16 whose 34 end points exactly at 340 degrees, and a shorter 07/25.
constexpr Runway kRunways[] = {
    {{{"16", 160.0, false}, {"34", 340.0, false}}, 9000},
    {{{"07", 70.0, false}, {"25", 250.0, false}}, 6000},
};

WindValues Wind(int direction, int speed, int gust = -1, int varFrom = -1, int varTo = -1) {
  WindValues wind;
  wind.m_windDirection = direction;
  wind.m_windSpeed = speed;
  wind.m_windGust = gust;
  wind.m_windVarFrom = varFrom;
  wind.m_windVarTo = varTo;
  return wind;
}

WindValues Calm() {
  WindValues wind;
  wind.m_windCalm = true;
  return wind;
}

// "16:h/x 34:h/x 07:h/x 25:h/x" with "?" for an unknown headwind, "*" on the favoured
// end and "|gust h/x" where there is a gust.
std::string Summary(const std::vector<RunwayEndWind>& ends) {
  std::string text;
  const auto components = [](const WindComponents& c) {
    return (c.headwind ? std::to_string(*c.headwind) : std::string("?")) + "/" +
           std::to_string(c.crosswind);
  };
  for (const RunwayEndWind& end : ends) {
    if (!text.empty()) text += ' ';
    text += std::string(end.end.ident) + (end.favoured ? "*" : "") + ":";
    text += end.mean ? components(*end.mean) : "-";
    if (end.gust) text += "|" + components(*end.gust);
  }
  return text;
}

struct WindCase {
  const char* name;
  WindValues wind;
  std::string summary;
  std::string line;
};

void PrintTo(const WindCase& c, std::ostream* os) {
  *os << c.name;
}

class RunwayWindTest : public testing::TestWithParam<WindCase> {};

TEST_P(RunwayWindTest, ComponentsFavouredEndAndLine) {
  const WindCase& c = GetParam();
  const std::vector<RunwayEndWind> ends = RunwayWinds(kRunways, c.wind);
  EXPECT_EQ(Summary(ends), c.summary);
  EXPECT_EQ(RunwayWindLine(ends, c.wind), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Winds, RunwayWindTest,
    testing::Values(
        WindCase{"straight_down_34", Wind(340, 12), "16:-12/0 34*:12/0 07:0/-12 25:0/12",
                 "RWY34 向かい風12KT 横風0KT"},
        WindCase{"across_from_the_right_of_34", Wind(70, 10), "16:0/-10 34:0/10 07*:10/0 25:-10/0",
                 "RWY07 向かい風10KT 横風0KT"},
        WindCase{"at_45_degrees", Wind(295, 20), "16:-14/14 34*:14/-14 07:-14/-14 25:14/14",
                 "RWY34 向かい風14KT 横風14KT(左から)"},
        WindCase{"tailwind_on_07", Wind(250, 8), "16:0/8 34:0/-8 07:-8/0 25*:8/0",
                 "RWY25 向かい風8KT 横風0KT"},
        WindCase{"gust", Wind(320, 12, 25),
                 "16:-11/4|-23/9 34*:11/-4|23/-9 07:-4/-11|-9/-23 "
                 "25:4/11|9/23",
                 "RWY34 向かい風11KT 横風4KT(左から) 突風時 横風9KT(左から)"},
        WindCase{"sector_across_north", Wind(10, 10, -1, 330, 50),
                 "16:-10/-9 34*:3/9 07:-2/-10 25:-9/10", "RWY34 向かい風3KT 横風9KT(右から)"},
        WindCase{"variable", Wind(-1, 5), "16:?/5 34:?/5 07:?/5 25:?/5", "風向不定: 横風最大 5KT"},
        WindCase{"variable_gust", Wind(-1, 5, 15),
                 "16:?/5|?/15 34:?/5|?/15 07:?/5|?/15 25:?/5|?/15",
                 "風向不定: 横風最大 5KT 突風時 15KT"},
        WindCase{"calm", Calm(), "16:0/0 34:0/0 07:0/0 25:0/0", "無風"},
        WindCase{"no_wind_group", WindValues{}, "16:- 34:- 07:- 25:-", ""}),
    [](const testing::TestParamInfo<WindCase>& info) { return std::string(info.param.name); });

TEST(RunwayWindTest, TiesGoToTheLongerRunwayThenTheDesignator) {
  // Three parallel runways tie on the headwind; two of them on the length too.
  constexpr Runway parallel[] = {
      {{{"16R", 160.0, false}, {"34L", 340.0, false}}, 8000},
      {{{"16L", 160.0, false}, {"34R", 340.0, false}}, 11000},
      {{{"16C", 160.0, false}, {"34C", 340.0, false}}, 11000},
  };
  EXPECT_EQ(Summary(RunwayWinds(parallel, Wind(340, 10))),
            "16R:-10/0 34L:10/0 16L:-10/0 34R:10/0 16C:-10/0 34C*:10/0");
  EXPECT_EQ(Summary(RunwayWinds(parallel, Wind(250, 10))),
            "16R:0/10 34L:0/-10 16L:0/10 34R:0/-10 16C*:0/10 34C:0/-10");
}

TEST(RunwayWindTest, NoRunwaysNoLine) {
  EXPECT_TRUE(RunwayWinds({}, Wind(340, 12)).empty());
  EXPECT_EQ(RunwayWindLine({}, Wind(340, 12)), "");
}

TEST(RunwayWindTest, EachEndInWords) {
  const std::vector<RunwayEndWind> ends = RunwayWinds(kRunways, Wind(320, 12, 25));
  EXPECT_EQ(RunwayEndText(ends[0]),
            "RWY16 追い風11KT 横風4KT(右から) 突風時 追い風23KT 横風9KT(右から)");
}

}  // namespace
}  // namespace aerolume

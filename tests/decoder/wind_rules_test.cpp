#include <gtest/gtest.h>

#include "../cli_runner.hpp"

namespace aerolume {
namespace {

using testing_support::DecodeGroupsJson;
using testing_support::SplitWords;

struct WindCase {
  const char* groups;    // the list; the group under test is the last one
  const char* line;      // its line
  int direction, speed;  // wind values after a METAR (-1: none)
  int from, to;
};

class WindGroupTest : public testing::TestWithParam<WindCase> {};

TEST_P(WindGroupTest, MetarShowsAndStoresTheWind) {
  const WindCase& c = GetParam();
  const nlohmann::json result = DecodeGroupsJson(SplitWords(c.groups));
  EXPECT_EQ(result["lines"].back(), c.line);
  EXPECT_EQ(result["wind"]["direction"], c.direction);
  EXPECT_EQ(result["wind"]["speed"], c.speed);
  EXPECT_EQ(result["wind"]["var_from"], c.from);
  EXPECT_EQ(result["wind"]["var_to"], c.to);
}

TEST_P(WindGroupTest, TafShowsTheSameLineAndStoresNothing) {
  const WindCase& c = GetParam();
  const nlohmann::json result = DecodeGroupsJson(SplitWords(c.groups), true);
  EXPECT_EQ(result["lines"].back(), c.line);
  EXPECT_EQ(result["wind"], DecodeGroupsJson({}, true)["wind"]);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, WindGroupTest,
    testing::Values(WindCase{"00000KT", "無風", -1, -1, -1, -1},
                    WindCase{"27015KT", "270方向 15KTの風", 270, 15, -1, -1},
                    WindCase{"05003KT", "050方向 3KTの風", 50, 3, -1, -1},
                    // No direction is above 360.
                    WindCase{"36100KT", "36100KT", -1, -1, -1, -1},
                    WindCase{"VRB03KT", "方向不定 3KTの風", -1, 3, -1, -1},
                    WindCase{"27015G25KT", "270方向 15KT 最大25KTの風", 270, 15, -1, -1},
                    WindCase{"27045GP99KT", "270方向 45KT 最大99KT以上の風", 270, 45, -1, -1},
                    WindCase{"VRB05G15KT", "方向不定 5KT 最大15KTの風", -1, 5, -1, -1},
                    WindCase{"VRB05GP15KT", "方向不定 5KT 最大15KT以上の風", -1, 5, -1, -1},
                    WindCase{"VRB05", "方向不定 5KTの風", -1, 5, -1, -1},
                    WindCase{"27015G25", "270方向 15KT 最大25KTの風", 270, 15, -1, -1},
                    WindCase{"VRB05G15", "方向不定 5KT 最大15KTの風", -1, 5, -1, -1},
                    WindCase{"27015GP25", "270方向 15KT 最大25KT以上の風", 270, 15, -1, -1},
                    WindCase{"VRB05GP25", "方向不定 5KT 最大25KT以上の風", -1, 5, -1, -1},
                    WindCase{"27015", "270方向 15KTの風", 270, 15, -1, -1},
                    WindCase{"XYZ 27015", "270方向 15KTの風", 270, 15, -1, -1},
                    WindCase{"XYZ XYZ 27015", "27015", -1, -1, -1, -1},
                    WindCase{"00000", "000方向 0KTの風", 0, 0, -1, -1},
                    WindCase{"270150KT", "270方向 150KTの風", 270, 150, -1, -1},
                    WindCase{"2701500KT", "2701500KT", -1, -1, -1, -1},
                    WindCase{"270150", "270150", -1, -1, -1, -1},
                    // Metres per second are stored as knots for the display.
                    WindCase{"27015MPS", "270方向 15m/s(約29KT)の風", 270, 29, -1, -1},
                    WindCase{"27O15KT", "27O15KT", -1, -1, -1, -1},
                    WindCase{"300V020", "方向300～020で変化", -1, -1, 300, 20},
                    WindCase{"ABCVDEF", "方向ABC～DEFで変化", -1, -1, 0, 0}));

struct DriverCase {
  bool isMetar;
  const char* groups;
  std::vector<std::string> lines;
  std::vector<int> wind;  // direction, speed, from, to
};

class DriverTest : public testing::TestWithParam<DriverCase> {};

TEST_P(DriverTest, OneLinePerStepAndTheLastWindWins) {
  const DriverCase& c = GetParam();
  const nlohmann::json result = DecodeGroupsJson(SplitWords(c.groups), !c.isMetar);
  EXPECT_EQ(result["lines"].get<std::vector<std::string>>(), c.lines);
  const nlohmann::json& wind = result["wind"];
  EXPECT_EQ((std::vector<int>{wind["direction"], wind["speed"], wind["var_from"], wind["var_to"]}),
            c.wind);
  std::string joined;
  for (const std::string& line : c.lines) joined += line + "\r\n";
  EXPECT_EQ(result["decoded"], joined);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, DriverTest,
    testing::Values(
        DriverCase{true, "", {}, {-1, -1, -1, -1}},
        DriverCase{true, "XYZ", {"XYZ"}, {-1, -1, -1, -1}},
        DriverCase{false, "27015G25KT", {"270方向 15KT 最大25KTの風"}, {-1, -1, -1, -1}},
        DriverCase{true, "27015G25KT", {"270方向 15KT 最大25KTの風"}, {270, 15, -1, -1}},
        DriverCase{true, "VRB03KT", {"方向不定 3KTの風"}, {-1, 3, -1, -1}},
        DriverCase{true, "00000KT", {"無風"}, {-1, -1, -1, -1}},
        DriverCase{
            true, "34005KT 300V020", {"340方向 5KTの風", "方向300～020で変化"}, {340, 5, 300, 20}},
        DriverCase{
            true, "34005KT 35010KT", {"340方向 5KTの風", "350方向 10KTの風"}, {350, 10, -1, -1}}));

// The gust goes with the other wind values; calm is told apart from no wind group.
TEST(WindGustTest, MetarKeepsTheGustAndCalm) {
  struct Case {
    const char* groups;
    int gust;
    bool calm;
  };
  const Case cases[] = {
      {"34012G25KT", 25, false},
      {"29019G48KT 240V360", 48, false},  // RJBB, tests/data/RJBB-metar-1.TXT
      {"27015GP49KT", 49, false},
      {"VRB03G15KT", 15, false},
      {"34012KT", -1, false},
      {"00000KT", -1, true},
      {"34012G25KT RMK 27030G45KT", 25, false},
  };
  for (const Case& c : cases) {
    ReportState state;
    state.m_timeLine = "2012/05/06 05:00";
    DecodeReportLines(state, true, SplitWords(c.groups));
    EXPECT_EQ(state.Wind().m_windGust, c.gust) << c.groups;
    EXPECT_EQ(state.Wind().m_windCalm, c.calm) << c.groups;
    ReportState taf;
    DecodeReportLines(taf, false, SplitWords(c.groups));
    EXPECT_EQ(taf.Wind(), WindValues{}) << c.groups << ": a TAF keeps no wind";
  }
  EXPECT_EQ(DecodeGroupsJson({"34012G25KT"})["wind"]["gust"], 25);
}

}  // namespace
}  // namespace aerolume

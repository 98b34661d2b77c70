// A history's reports as the numbers its strips draw, from real reports of
// tests/data/corpus-japan-metar.txt.
#include "conditions/history_series.hpp"

#include <gtest/gtest.h>

#include "../corpus_history.hpp"
#include "stations/station_runways.hpp"

namespace aerolume {
namespace {

using testing_support::HistoryOf;
using testing_support::TimedReport;

struct PointCase {
  const char* name;
  const char* code;
  TimedReport report;
  std::optional<int> speed, gust, direction, crosswind, visibility, ceiling;
  std::optional<double> qnh;
};

void PrintTo(const PointCase& c, std::ostream* out) {
  *out << c.report.report;
}

class HistoryPointTest : public testing::TestWithParam<PointCase> {};

TEST_P(HistoryPointTest, ReadsTheReportsValues) {
  const PointCase& c = GetParam();
  const StationHistory history = HistoryOf(c.code, {c.report});
  const auto runways = StationRunways(c.code);
  const std::vector<HistoryPoint> points =
      HistoryPoints(history, runways, FavouredRunwayEnd(history, runways));
  ASSERT_EQ(points.size(), 1u);
  const HistoryPoint& p = points.front();
  EXPECT_EQ(p.speedKt, c.speed);
  EXPECT_EQ(p.gustKt, c.gust);
  EXPECT_EQ(p.directionDegrees, c.direction);
  EXPECT_EQ(p.crosswindKt, c.crosswind);
  EXPECT_EQ(p.visibilityMetres, c.visibility);
  EXPECT_EQ(p.ceilingFeet, c.ceiling);
  ASSERT_EQ(p.qnhHectopascal.has_value(), c.qnh.has_value());
  if (c.qnh) {
    EXPECT_NEAR(*p.qnhHectopascal, *c.qnh, 0.05);
  }
}

INSTANTIATE_TEST_SUITE_P(
    CorpusReports, HistoryPointTest,
    testing::Values(
        // line 237: fog, the ceiling a vertical visibility; 180° on runway 19L (173.7°).
        PointCase{"Fog",
                  "RJCC",
                  {"2026/07/23 21:00",
                   "RJCC 232100Z 18005KT 0500 R19R/1300VP2000N R19L/1200VP2000U FG VV001 20/20 "
                   "Q1012"},
                  5,
                  std::nullopt,
                  180,
                  1,
                  500,
                  100,
                  1012.0},
        // line 232: a variable direction has no arrow, its whole speed as crosswind.
        PointCase{"Variable",
                  "RJCC",
                  {"2026/07/23 17:00",
                   "RJCC 231700Z VRB02KT 2000 R19R/P2000N R19L/2000N BR FEW001 BKN002 BKN003 "
                   "19/19 Q1011"},
                  2,
                  std::nullopt,
                  std::nullopt,
                  std::nullopt,
                  2000,
                  200,
                  1011.0},
        // line 35: calm; no ceiling under an unknown height.
        PointCase{"Calm",
                  "RJAA",
                  {"2026/07/31 21:30",
                   "RJAA 312130Z 00000KT 3500 BR FEW002 SCT010 BKN/// 26/26 Q1003 BECMG 8000 NSW"},
                  0,
                  std::nullopt,
                  std::nullopt,
                  std::nullopt,
                  3500,
                  std::nullopt,
                  1003.0},
        // line 32: CAVOK is 10 km and more.
        PointCase{"Cavok",
                  "RJAA",
                  {"2026/07/29 21:30", "RJAA 292130Z VRB02KT CAVOK 27/24 Q1004 NOSIG"},
                  2,
                  std::nullopt,
                  std::nullopt,
                  std::nullopt,
                  10000,
                  std::nullopt,
                  1004.0},
        // line 770: a gust, and QNH in inches only.
        PointCase{"InchesAndGust",
                  "RJOI",
                  {"2026/07/28 07:56",
                   "RJOI 280756Z AUTO 28012G16KT 10SM FEW030 SCT200 SCT250 37/20 A2983 RMK AO2 "
                   "SLP101 T03670200 $"},
                  12,
                  16,
                  280,
                  12,
                  10000,
                  std::nullopt,
                  1010.2}),
    [](const testing::TestParamInfo<PointCase>& info) { return std::string(info.param.name); });

TEST(HistorySeriesTest, TheLatestFavouringWindChoosesTheRunwayEnd) {
  const StationHistory history = HistoryOf("RJCC", testing_support::RjccFogMorning());
  // The last report, 18005KT, favours a 19 end; the longer-or-equal tie by designator.
  EXPECT_EQ(FavouredRunwayEnd(history, StationRunways("RJCC")).substr(0, 2), "19");
  EXPECT_EQ(FavouredRunwayEnd(HistoryOf("RJCC", {}), StationRunways("RJCC")), "");
}

TEST(HistorySeriesTest, PressureChangeOverThreeHours) {
  const StationHistory history = HistoryOf("RJCC", testing_support::RjccFogMorning());
  const std::vector<HistoryPoint> points = HistoryPoints(history, {}, "");
  // 21:00 Q1012 against 18:00: no report within half an hour of it.
  EXPECT_FALSE(PressureChange(points));
  // Without the 17:00 report's gap: 20:00 Q1012 against 17:00 Q1011.
  std::vector<HistoryPoint> shorter(points.begin(), points.end() - 2);
  ASSERT_TRUE(PressureChange(shorter));
  EXPECT_DOUBLE_EQ(*PressureChange(shorter), 1.0);
}

}  // namespace
}  // namespace aerolume

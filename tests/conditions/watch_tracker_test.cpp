#include "conditions/watch_tracker.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "watch_station.hpp"

namespace aerolume {
namespace {

// One check: the station's file (time line and METAR) or why it could not be fetched,
// the minutes after the report's time at which it is checked, and the messages expected.
struct Step {
  const char* timeLine;  // nullptr: the fetch failed with `report` as its cause
  const char* report;
  int checkedMinutesLater;
  std::vector<std::string> messages;
};

struct SequenceCase {
  const char* name;
  WatchLimits limits;
  std::vector<Step> steps;
};

void PrintTo(const SequenceCase& c, std::ostream* out) {
  *out << c.name;
}

class WatchTrackerTest : public testing::TestWithParam<SequenceCase> {};

TEST_P(WatchTrackerTest, TellsEachChangeOnce) {
  const SequenceCase& c = GetParam();
  const Watch watch{"RJAA", c.limits};
  WatchTracker tracker;
  UtcMinutes lastObserved{};
  for (std::size_t i = 0; i < c.steps.size(); ++i) {
    const Step& step = c.steps[i];
    const OverviewStation station =
        step.timeLine ? testing_support::StationWithReport("RJAA", step.timeLine, step.report)
                      : testing_support::StationWithFailure("RJAA", step.report);
    if (station.HasReport()) lastObserved = *station.observed;
    std::vector<std::string> messages;
    for (const WatchEvent& event : tracker.Update(
             watch, station, lastObserved + std::chrono::minutes(step.checkedMinutesLater))) {
      messages.push_back(event.message);
    }
    EXPECT_EQ(messages, step.messages) << "step " << i + 1;
  }
}

// japan-metar.txt:40-43, RJAA on 2026-08-11.
const Step kMvfr0830{
    "2026/08/11 08:30", "RJAA 110830Z 26010KT 210V290 8000 -SHRA FEW020 BKN040 23/20 Q0991", 5, {}};
constexpr const char* k1030Time = "2026/08/11 10:30";
constexpr const char* k1030 =
    "RJAA 111030Z 26011G22KT 230V300 3000 SHRA BR FEW005 BKN008 22/21 Q0989 TEMPO 26020G32KT "
    "+TSRA BR FEW003 BKN005 FEW012CB";
constexpr const char* k1100Time = "2026/08/11 11:00";
constexpr const char* k1100 =
    "RJAA 111100Z 24011KT 210V280 8000 -SHRA FEW005 BKN012 22/21 Q0989 BECMG 23020KT TEMPO "
    "23020G32KT 2000 +TSRA BR FEW003 BKN005 FEW012CB";
constexpr const char* k1130Time = "2026/08/11 11:30";
constexpr const char* k1130 =
    "RJAA 111130Z 19016G26KT 4000 SHRA BR FEW005 BKN008 22/21 Q0990 TEMPO 2000 +TSRA BR FEW003 "
    "BKN005 FEW012CB";
// japan-metar.txt:45-48, RJAA on 2026-08-12/13.
constexpr const char* k1930Time = "2026/08/12 19:30";
constexpr const char* k1930 =
    "RJAA 121930Z AUTO 03007KT 5000 BR OVC001 //////CB 23/23 Q1007 BECMG FEW001 BKN003 FEW012CB "
    "TEMPO 3000 -TSRA BR";
constexpr const char* k0000Time = "2026/08/13 00:00";
constexpr const char* k0000 =
    "RJAA 130000Z 01007KT 9999 -SHRA SCT007 BKN025 26/24 Q1007 TEMPO 3000 -TSRA BR FEW003 BKN005 "
    "FEW012CB BECMG 08006KT";
constexpr const char* k0030Time = "2026/08/13 00:30";
constexpr const char* k0030 =
    "RJAA 130030Z 03006KT 320V090 2000 R34L/1400VP2000U R34R/1300VP2000D +TSRA FEW003 BKN010 "
    "BKN015 SCT020CB 25/24 Q1007 TEMPO FEW005 BKN008 FEW012CB BECMG 08006KT";
constexpr const char* k0100Time = "2026/08/13 01:00";
constexpr const char* k0100 =
    "RJAA 130100Z 01010KT 2500 R34L/1000VP2000U R34R/1300VP2000U +TSRA FEW002 BKN010 FEW020CB "
    "25/24 Q1007 BECMG 08006KT TEMPO FEW005 BKN008 FEW012CB";

using enum FlightCategory;

INSTANTIATE_TEST_SUITE_P(
    Sequences, WatchTrackerTest,
    testing::Values(
        SequenceCase{"CrossingThenStayingCrossed",
                     WatchLimits{.worseThan = Mvfr},
                     {kMvfr0830,
                      {k1030Time,
                       k1030,
                       5,
                       {"RJAA 成田国際空港: MVFR → IFR (雲底 800フィート、視程 3000m)"}},
                      {k1030Time, k1030, 15, {}},
                      {k1130Time, k1130, 5, {}}}},
        SequenceCase{
            "OneClearReportAtTheLimitIsNotEnough",
            WatchLimits{.worseThan = Mvfr},
            {{k1030Time, k1030, 5, {"RJAA 成田国際空港: IFR (雲底 800フィート、視程 3000m)"}},
             {k1100Time, k1100, 5, {}},
             {k1130Time, k1130, 5, {}}}},
        SequenceCase{"TwoClearReportsInARow",
                     WatchLimits{.worseThan = Mvfr},
                     {{k1930Time, k1930, 5, {"RJAA 成田国際空港: LIFR (雲底 100フィート)"}},
                      {k0000Time, k0000, 5, {}},
                      {k0000Time, k0000, 20, {}},
                      // line 40's report once more, as the next one
                      {"2026/08/13 00:30",
                       kMvfr0830.report,
                       5,
                       {"RJAA 成田国際空港: 回復 LIFR → MVFR (視程 8000m)"}}}},
        SequenceCase{
            "ClearByTheMargin",
            WatchLimits{.ceilingBelowFt = 1000},
            {{k1030Time, k1030, 5, {"RJAA 成田国際空港: 雲底 800フィート (限度 1000フィート)"}},
             {k1100Time,
              k1100,
              5,
              {"RJAA 成田国際空港: 回復 雲底 1200フィート (限度 1000フィート)"}}}},
        SequenceCase{
            "ClearInTwoReports",
            WatchLimits{.ceilingBelowFt = 1000},
            {{k1030Time, k1030, 5, {"RJAA 成田国際空港: 雲底 800フィート (限度 1000フィート)"}},
             {k0030Time, k0030, 5, {}},
             {k0100Time,
              k0100,
              5,
              {"RJAA 成田国際空港: 回復 雲底 1000フィート (限度 1000フィート)"}}}},
        SequenceCase{
            "ThunderAndSpeci",
            WatchLimits{.thunder = true, .speci = true},
            {{k1930Time, k1930, 5, {"RJAA 成田国際空港: 雷・積乱雲 (CB)"}},
             {k0000Time, k0000, 5, {}},
             // japan-metar.txt:4's groups at 00:17 of this day: no routine time
             {"2026/08/13 00:17",
              "RJAA 130017Z AUTO 16002KT 3700 BR NCD 19/19 Q1010",
              5,
              {"RJAA 成田国際空港: 回復 雷・積乱雲なし", "RJAA 成田国際空港: SPECI 130017Z"}},
             {"2026/08/13 00:17", "RJAA 130017Z AUTO 16002KT 3700 BR NCD 19/19 Q1010", 10, {}},
             {k0030Time, k0030, 5, {"RJAA 成田国際空港: 雷・積乱雲 (+TSRA, CB)"}}}},
        SequenceCase{
            "FailedFetchIsNotedOnce",
            WatchLimits{.worseThan = Mvfr},
            {{k1030Time, k1030, 5, {"RJAA 成田国際空港: IFR (雲底 800フィート、視程 3000m)"}},
             {nullptr, "NOT FOUND", 10, {"RJAA 成田国際空港: 取得失敗 (NOT FOUND)"}},
             {nullptr, "NOT FOUND", 20, {}},
             {k1030Time, k1030, 30, {}},
             {k1100Time, k1100, 5, {}}}},
        SequenceCase{"StationStopsReporting",
                     WatchLimits{.worseThan = Mvfr},
                     {kMvfr0830,
                      {kMvfr0830.timeLine, kMvfr0830.report, 90, {}},
                      {kMvfr0830.timeLine,
                       kMvfr0830.report,
                       91,
                       {"RJAA 成田国際空港: 報告途絶 (最終 110830Z)"}},
                      {kMvfr0830.timeLine, kMvfr0830.report, 150, {}},
                      {k1030Time,
                       k1030,
                       5,
                       {"RJAA 成田国際空港: 報告再開 (111030Z)",
                        "RJAA 成田国際空港: MVFR → IFR (雲底 800フィート、視程 3000m)"}}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace aerolume

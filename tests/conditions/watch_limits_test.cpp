#include "conditions/watch_limits.hpp"

#include <gtest/gtest.h>

#include "watch_station.hpp"

namespace aerolume {
namespace {

// The corpus lines are those of ../shared/corpus/japan-metar.txt.
struct LimitCase {
  const char* name;
  const char* code;
  const char* timeLine;
  const char* report;
  WatchLimits limits;  // exactly one limit set
  bool crossed;
  bool clearByMargin;
  const char* text;
};

void PrintTo(const LimitCase& c, std::ostream* out) {
  *out << c.report;
}

class WatchLimitTest : public testing::TestWithParam<LimitCase> {};

TEST_P(WatchLimitTest, ReadsTheReport) {
  const LimitCase& c = GetParam();
  const std::vector<LimitReading> readings =
      ReadLimits(c.limits, testing_support::StationWithReport(c.code, c.timeLine, c.report));
  ASSERT_EQ(readings.size(), 1u);
  EXPECT_TRUE(readings[0].known);
  EXPECT_EQ(readings[0].crossed, c.crossed);
  EXPECT_EQ(readings[0].clearByMargin, c.clearByMargin);
  EXPECT_EQ(readings[0].text, c.text);
}

// japan-metar.txt:41
constexpr const char* kRjaaIfr =
    "RJAA 111030Z 26011G22KT 230V300 3000 SHRA BR FEW005 BKN008 22/21 Q0989 TEMPO 26020G32KT "
    "+TSRA BR FEW003 BKN005 FEW012CB";
// japan-metar.txt:40
constexpr const char* kRjaaMvfr =
    "RJAA 110830Z 26010KT 210V290 8000 -SHRA FEW020 BKN040 23/20 Q0991 BECMG 26020KT TEMPO "
    "26020G32KT 3000 SHRA BR";
// japan-metar.txt:42
constexpr const char* kRjaaBkn012 =
    "RJAA 111100Z 24011KT 210V280 8000 -SHRA FEW005 BKN012 22/21 Q0989 BECMG 23020KT TEMPO "
    "23020G32KT 2000 +TSRA BR FEW003 BKN005 FEW012CB";
// japan-metar.txt:18: 020° 18 kt on 34R (330.1°): 18 sin 49.9° = 13.8 kt across.
constexpr const char* kRjaaNortherly =
    "RJAA 221000Z 02018KT 9999 -SHRA FEW008 BKN015 13/09 Q1014 WS R34R TEMPO TL1030 02018G28KT "
    "FEW008 BKN012";
// japan-metar.txt:124: 360° on runway 07 (67.8°): 24 sin 67.8° = 22.2, 38 sin 67.8° = 35.2.
constexpr const char* kRjawGusty =
    "RJAW 262100Z 36024G38KT 9999 SCT008 BKN012 27/25 Q0996 RMK 3ST008 7CU012 A2943";

using enum FlightCategory;

INSTANTIATE_TEST_SUITE_P(
    Limits, WatchLimitTest,
    testing::Values(
        LimitCase{"IfrWorseThanMvfr", "RJAA", "2026/08/11 10:30", kRjaaIfr,
                  WatchLimits{.worseThan = Mvfr}, true, false,
                  "IFR (雲底 800フィート、視程 3000m)"},
        LimitCase{"MvfrNotWorseThanMvfr", "RJAA", "2026/08/11 08:30", kRjaaMvfr,
                  WatchLimits{.worseThan = Mvfr}, false, false, "MVFR (視程 8000m)"},
        LimitCase{"CeilingBelow", "RJAA", "2026/08/11 10:30", kRjaaIfr,
                  WatchLimits{.ceilingBelowFt = 1000}, true, false,
                  "雲底 800フィート (限度 1000フィート)"},
        LimitCase{"CeilingJustAbove", "RJAA", "2026/08/11 11:00", kRjaaBkn012,
                  WatchLimits{.ceilingBelowFt = 1100}, false, false,
                  "雲底 1200フィート (限度 1100フィート)"},
        LimitCase{"CeilingWellAbove", "RJAA", "2026/08/11 08:30", kRjaaMvfr,
                  WatchLimits{.ceilingBelowFt = 1000}, false, true,
                  "雲底 4000フィート (限度 1000フィート)"},
        // japan-metar.txt:86
        LimitCase{"CavokHasNoCeiling", "RJAF", "2020/05/02 00:00",
                  "RJAF 020000Z 14010G20KT 060V170 CAVOK 23/08 Q1014",
                  WatchLimits{.ceilingBelowFt = 1000}, false, true, "雲底なし (限度 1000フィート)"},
        LimitCase{"VisibilityBelow", "RJAA", "2026/08/11 10:30", kRjaaIfr,
                  WatchLimits{.visibilityBelowM = 5000}, true, false, "視程 3000m (限度 5000m)"},
        LimitCase{"VisibilityWellAbove", "RJAA", "2026/08/11 08:30", kRjaaMvfr,
                  WatchLimits{.visibilityBelowM = 5000}, false, true, "視程 8000m (限度 5000m)"},
        LimitCase{"CavokVisibility", "RJAF", "2020/05/02 00:00",
                  "RJAF 020000Z 14010G20KT 060V170 CAVOK 23/08 Q1014",
                  WatchLimits{.visibilityBelowM = 5000}, false, true, "視程 10km以上 (限度 5000m)"},
        LimitCase{"CrosswindAbove", "RJAA", "2026/05/22 10:00", kRjaaNortherly,
                  WatchLimits{.crosswindAboveKt = 12}, true, false,
                  "横風 14KT (RWY34R, 限度 12KT)"},
        LimitCase{"CrosswindJustBelow", "RJAA", "2026/05/22 10:00", kRjaaNortherly,
                  WatchLimits{.crosswindAboveKt = 15}, false, false,
                  "横風 14KT (RWY34R, 限度 15KT)"},
        LimitCase{"CrosswindWellBelow", "RJAA", "2026/05/22 10:00", kRjaaNortherly,
                  WatchLimits{.crosswindAboveKt = 17}, false, true,
                  "横風 14KT (RWY34R, 限度 17KT)"},
        LimitCase{"CrosswindInTheGust", "RJAW", "2014/09/26 21:00", kRjawGusty,
                  WatchLimits{.crosswindAboveKt = 30}, true, false,
                  "突風時横風 35KT (RWY07, 限度 30KT)"},
        LimitCase{"GustAbove", "RJAW", "2014/09/26 21:00", kRjawGusty,
                  WatchLimits{.gustAboveKt = 30}, true, false, "突風 38KT (限度 30KT)"},
        LimitCase{"NoGust", "RJAA", "2026/08/11 08:30", kRjaaMvfr, WatchLimits{.gustAboveKt = 25},
                  false, true, "突風なし (限度 25KT)"},
        // japan-metar.txt:774
        LimitCase{"VicinityThunderstormAndCb", "RJOI", "2026/08/21 06:28",
                  "SPECI RJOI 210628Z 16010KT 9999 VCTS FEW030CB BKN240 31/24 A2983 RMK AO2A TS VC "
                  "NW-NE MOV E SLP101",
                  WatchLimits{.thunder = true}, true, false, "雷・積乱雲 (VCTS, CB)"},
        // japan-metar.txt:47
        LimitCase{"HeavyThunderstorm", "RJAA", "2026/08/13 00:30",
                  "RJAA 130030Z 03006KT 320V090 2000 R34L/1400VP2000U R34R/1300VP2000D +TSRA "
                  "FEW003 BKN010 BKN015 SCT020CB 25/24 Q1007 TEMPO FEW005 BKN008 FEW012CB",
                  WatchLimits{.thunder = true}, true, false, "雷・積乱雲 (+TSRA, CB)"},
        // japan-metar.txt:45: a CB of unknown amount and height
        LimitCase{"CbOfUnknownAmount", "RJAA", "2026/08/12 19:30",
                  "RJAA 121930Z AUTO 03007KT 5000 BR OVC001 //////CB 23/23 Q1007 BECMG FEW001 "
                  "BKN003 FEW012CB TEMPO 3000 -TSRA BR",
                  WatchLimits{.thunder = true}, true, false, "雷・積乱雲 (CB)"},
        // japan-metar.txt:1188: lightning in the remarks alone
        LimitCase{"DistantLightning", "RJTY", "2026/08/20 11:55",
                  "RJTY 201155Z COR AUTO 16006KT 10SM FEW020 BKN200 26/23 A3001 RMK AO2 LTG DSNT "
                  "W RAB1057E06 SLP162 P0000 60000 T02630231 10325 20261 52013 $ COR 1206",
                  WatchLimits{.thunder = true}, true, false, "雷・積乱雲 (LTG)"},
        LimitCase{"ThunderOnlyInTheTrend", "RJAA", "2026/08/11 11:00", kRjaaBkn012,
                  WatchLimits{.thunder = true}, false, false, "雷・積乱雲なし"},
        // japan-metar.txt:8
        LimitCase{"SpeciWord", "RJAA", "2018/09/26 19:45",
                  "SPECI RJAA 261945Z 36020KT 4000 -SHRA BR FEW003 SCT004 BKN006 FEW020TCU 15/15 "
                  "Q1014",
                  WatchLimits{.speci = true}, true, false, "SPECI 261945Z"},
        // japan-metar.txt:4: the feed drops the word; 15:37 is no routine time
        LimitCase{"SpeciOffTheHalfHour", "RJAA", "2026/12/17 15:37",
                  "RJAA 171537Z AUTO 16002KT 3700 BR NCD 19/19 Q1010 RMK A2984",
                  WatchLimits{.speci = true}, true, false, "SPECI 171537Z"},
        LimitCase{"RoutineHalfHour", "RJAA", "2026/08/11 10:30", kRjaaIfr,
                  WatchLimits{.speci = true}, false, false, "METAR 111030Z"},
        // japan-metar.txt:1188: an hourly station's routine report
        LimitCase{"RoutineBeforeTheHour", "RJTY", "2026/08/20 11:55",
                  "RJTY 201155Z COR AUTO 16006KT 10SM FEW020 BKN200 26/23 A3001",
                  WatchLimits{.speci = true}, false, false, "METAR 201155Z"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WatchLimitTest, WhatTheReportDoesNotGiveIsUnknown) {
  const WatchLimits limits{.worseThan = Vfr, .visibilityBelowM = 3000, .crosswindAboveKt = 15};
  // Neither wind nor visibility nor sky: nothing to judge.
  const OverviewStation station =
      testing_support::StationWithReport("RJTT", "2026/12/01 05:00", "RJTT 010500Z 15/10 Q1012");
  for (const LimitReading& reading : ReadLimits(limits, station)) {
    EXPECT_FALSE(reading.known) << LimitName(reading.kind);
    EXPECT_FALSE(reading.crossed) << LimitName(reading.kind);
  }
}

}  // namespace
}  // namespace aerolume

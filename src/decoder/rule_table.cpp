#include "decoder/rule_table.hpp"

#include "decoder/rules.hpp"

namespace aerolume {

namespace {

// The order decides between overlapping shapes: "00000KT" is calm before it is a
// wind, a four-digit group after BECMG/TEMPO/FCST is theirs before it is a
// visibility, "TS" with a direction is a located phenomenon before it is weather,
// and PROB30 is a probability before "PR" makes it weather.
// clang-format off
constexpr GroupRule kRules[] = {
    /*      1 */ {"correction", TestCorrection, ApplyCorrection},
    /*      2 */ {"vertical visibility", TestVerticalVisibility, ApplyVerticalVisibility},
    /*      3 */ {"extreme rain rate", TestExtremeRainRate, ApplyExtremeRainRate},
    /*      4 */ {"rain rate", TestRainRate, ApplyRainRate},
    /*      5 */ {"rapid pressure rise", TestPressureRise, ApplyPressureRise},
    /*      6 */ {"rapid pressure fall", TestPressureFall, ApplyPressureFall},
    /*      7 */ {"calm", TestCalm, ApplyCalm},
    /*      8 */ {"wind", TestWind, ApplyWind},
    /*      9 */ {"variable wind sector", TestVariableSector, ApplyVariableSector},
    /*     10 */ {"runway visual range", TestRunwayVisualRange, ApplyRunwayVisualRange},
    /*     11 */ {"CAVOK", TestCavok, ApplyCavok},
    /*     12 */ {"sky clear", TestSkyClear, ApplySkyClear},
    /*     13 */ {"no significant cloud", TestNoSignificantCloud, ApplyNoSignificantCloud},
    /*     14 */ {"clear below the limit", TestClearBelowLimit, ApplyClearBelowLimit},
    /*     15 */ {"temperature", TestTemperatureAboveZero, ApplyTemperatureAboveZero},
    /*     16 */ {"temperature, dew point below zero", TestTemperatureDewPointBelowZero, ApplyTemperatureDewPointBelowZero},
    /*     17 */ {"temperature, both below zero", TestTemperatureBothBelowZero, ApplyTemperatureBothBelowZero},
    /*     18 */ {"cloud layer", TestCloudLayer, ApplyCloudLayer},
    /*     19 */ {"wind shear", TestWindShear, ApplyWindShear},
    /*     20 */ {"pressure in hectopascal", TestPressureHectopascal, ApplyPressureHectopascal},
    /*     21 */ {"pressure in inches of mercury", TestPressureInches, ApplyPressureInches},
    /*     22 */ {"remarks marker", TestRemarksMarker, ApplyRemarksMarker},
    /*     23 */ {"remark cloud layer", TestRemarkCloudLayer, ApplyRemarkCloudLayer},
    /*     24 */ {"no significant change", TestNoSignificantChange, ApplyNoSignificantChange},
    /*     25 */ {"end of significant weather", TestEndOfSignificantWeather, ApplyEndOfSignificantWeather},
    /*     26 */ {"visibility", TestVisibility, ApplyVisibility},
    /*     27 */ {"becoming", TestBecoming, ApplyBecoming},
    /*     28 */ {"temporary", TestTemporary, ApplyTemporary},
    /*     29 */ {"forecast", TestForecast, ApplyForecast},
    /*     30 */ {"phenomenon with location", TestPhenomenonWithLocation, ApplyPhenomenonWithLocation},
    /* PROBnn */ {"probability", TestProbability, ApplyProbability},
    /*     31 */ {"present weather", TestPresentWeather, ApplyPresentWeather},
    /*     32 */ {"validity period", TestValidityPeriod, ApplyValidityPeriod},
    /*     33 */ {"from-time", TestFromTime, ApplyFromTime},
    /*     34 */ {"maximum wind", TestMaximumWind, ApplyMaximumWind},
    /*     35 */ {"intensity word", TestIntensityWord, ApplyIntensityWord},
    /*     36 */ {"anything else", TestAnythingElse, ApplyAnythingElse},
};
// clang-format on

}  // namespace

bool TestAnythingElse(const DecodeContext&) {
  return true;
}

void ApplyAnythingElse(DecodeContext& c) {
  c.stepText = c.Group();
}

std::span<const GroupRule> RuleTable() {
  return kRules;
}

}  // namespace aerolume

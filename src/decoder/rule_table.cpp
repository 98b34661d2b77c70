#include "decoder/rule_table.hpp"

#include "decoder/rules.hpp"

namespace aerolume {

namespace {

// The order decides between overlapping shapes: "00000KT" is calm before it is a
// wind, a four-digit group after BECMG/TEMPO/FCST is theirs before it is a
// visibility, "TS" with a direction is a located phenomenon before it is weather,
// and PROB30 is a probability before "PR" makes it weather.
constexpr GroupRule kRules[] = {
    {"correction", TestCorrection, ApplyCorrection},                                      // 1
    {"vertical visibility", TestVerticalVisibility, ApplyVerticalVisibility},             // 2
    {"extreme rain rate", TestExtremeRainRate, ApplyExtremeRainRate},                     // 3
    {"rain rate", TestRainRate, ApplyRainRate},                                           // 4
    {"rapid pressure rise", TestPressureRise, ApplyPressureRise},                         // 5
    {"rapid pressure fall", TestPressureFall, ApplyPressureFall},                         // 6
    {"calm", TestCalm, ApplyCalm},                                                        // 7
    {"wind", TestWind, ApplyWind},                                                        // 8
    {"variable wind sector", TestVariableSector, ApplyVariableSector},                    // 9
    {"runway visual range", TestRunwayVisualRange, ApplyRunwayVisualRange},               // 10
    {"CAVOK", TestCavok, ApplyCavok},                                                     // 11
    {"sky clear", TestSkyClear, ApplySkyClear},                                           // 12
    {"no significant cloud", TestNoSignificantCloud, ApplyNoSignificantCloud},            // 13
    {"clear below the limit", TestClearBelowLimit, ApplyClearBelowLimit},                 // 14
    {"temperature", TestTemperatureAboveZero, ApplyTemperatureAboveZero},                 // 15
    {"temperature, dew point below zero", TestTemperatureDewPointBelowZero,
     ApplyTemperatureDewPointBelowZero},                                                  // 16
    {"temperature, both below zero", TestTemperatureBothBelowZero,
     ApplyTemperatureBothBelowZero},                                                      // 17
    {"cloud layer", TestCloudLayer, ApplyCloudLayer},                                     // 18
    {"wind shear", TestWindShear, ApplyWindShear},                                        // 19
    {"pressure in hectopascal", TestPressureHectopascal, ApplyPressureHectopascal},       // 20
    {"pressure in inches of mercury", TestPressureInches, ApplyPressureInches},           // 21
    {"remarks marker", TestRemarksMarker, ApplyRemarksMarker},                            // 22
    {"remark cloud layer", TestRemarkCloudLayer, ApplyRemarkCloudLayer},                  // 23
    {"no significant change", TestNoSignificantChange, ApplyNoSignificantChange},         // 24
    {"end of significant weather", TestEndOfSignificantWeather,
     ApplyEndOfSignificantWeather},                                                       // 25
    {"visibility", TestVisibility, ApplyVisibility},                                      // 26
    {"becoming", TestBecoming, ApplyBecoming},                                            // 27
    {"temporary", TestTemporary, ApplyTemporary},                                         // 28
    {"forecast", TestForecast, ApplyForecast},                                            // 29
    {"phenomenon with location", TestPhenomenonWithLocation, ApplyPhenomenonWithLocation},  // 30
    {"probability", TestProbability, ApplyProbability},                                   // PROBnn
    {"present weather", TestPresentWeather, ApplyPresentWeather},                         // 31
    {"validity period", TestValidityPeriod, ApplyValidityPeriod},                         // 32
    {"from-time", TestFromTime, ApplyFromTime},                                           // 33
    {"maximum wind", TestMaximumWind, ApplyMaximumWind},                                  // 34
    {"intensity word", TestIntensityWord, ApplyIntensityWord},                            // 35
    {"anything else", TestAnythingElse, ApplyAnythingElse},                               // 36
};

}  // namespace

bool TestAnythingElse(const DecodeContext&) { return true; }

void ApplyAnythingElse(DecodeContext& c) { c.stepText = c.Group(); }

std::span<const GroupRule> RuleTable() { return kRules; }

}  // namespace aerolume

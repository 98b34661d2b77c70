#include "decoder/rule_table.hpp"

#include "decoder/rules.hpp"

namespace aerolume {

namespace {

// The order decides between overlapping shapes: "00000KT" is calm before it is a
// wind, a four-digit group after BECMG/TEMPO/FCST is theirs before it is a
// visibility, "TS" with a direction is a located phenomenon before it is weather,
// and PROB30 is a probability before "PR" makes it weather. The rules after 35 read
// the groups that the first 35 leave as they stand; the few placed before rule 18,
// 31 or 35 stop those rules from misreading a group of another kind (FEWABC as a
// layer at the ground, RAB15E40, PRESRR and FZRANO as weather, MOD TURB as the
// intensity of a located phenomenon).
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
    /*  < 18 */ {"malformed cloud group", TestMalformedCloud, ApplyAnythingElse},
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
    /*  < 31 */ {"weather begin and end times", TestWeatherTimes, ApplyWeatherTimes},
    /*  < 31 */ {"remark word", TestRemarkWord, ApplyRemarkWord},
    /*  < 31 */ {"sensor out of service", TestSensorOut, ApplySensorOut},
    /*     31 */ {"present weather", TestPresentWeather, ApplyPresentWeather},
    /*     32 */ {"validity period", TestValidityPeriod, ApplyValidityPeriod},
    /*     33 */ {"from-time", TestFromTime, ApplyFromTime},
    /*     34 */ {"maximum wind", TestMaximumWind, ApplyMaximumWind},
    /*  < 35 */ {"aircraft report", TestAircraftReport, ApplyAircraftReport},
    /*     35 */ {"intensity word", TestIntensityWord, ApplyIntensityWord},
    /* > 35 */  {"automatic report", TestAutomaticReport, ApplyAutomaticReport},
    /* > 35 */  {"missing report", TestMissingReport, ApplyMissingReport},
    /* > 35 */  {"cancelled forecast", TestCancelledForecast, ApplyCancelledForecast},
    /* > 35 */  {"amended forecast", TestAmendedForecast, ApplyAmendedForecast},
    /* > 35 */  {"no cloud detected", TestNoCloudDetected, ApplyNoCloudDetected},
    /* > 35 */  {"cloud of unknown amount", TestUnknownCloud, ApplyUnknownCloud},
    /* > 35 */  {"directional visibility", TestDirectionalVisibility, ApplyDirectionalVisibility},
    /* > 35 */  {"visibility in statute miles", TestMilesVisibility, ApplyMilesVisibility},
    /* > 35 */  {"trend time", TestTrendTime, ApplyTrendTime},
    /* > 35 */  {"temperature forecast", TestTemperatureForecast, ApplyTemperatureForecast},
    /* > 35 */  {"lowest altimeter setting", TestLowestAltimeter, ApplyLowestAltimeter},
    /* > 35 */  {"automated station type", TestStationType, ApplyStationType},
    /* > 35 */  {"numbered remark", TestNumberedRemark, ApplyNumberedRemark},
    /* > 35 */  {"missing value", TestMissingValue, ApplyMissingValue},
    /* > 35 */  {"peak wind", TestPeakWind, ApplyPeakWind},
    /* > 35 */  {"wind shift", TestWindShift, ApplyWindShift},
    /* > 35 */  {"lenticular cloud", TestLenticularCloud, ApplyLenticularCloud},
    /* > 35 */  {"tower or surface visibility", TestSiteVisibility, ApplySiteVisibility},
    /* > 35 */  {"visibility remark", TestVisibilityRemark, ApplyVisibilityRemark},
    /* > 35 */  {"ceiling remark", TestCeilingRemark, ApplyCeilingRemark},
    /* > 35 */  {"variable sky", TestVariableSky, ApplyVariableSky},
    /* > 35 */  {"lightning", TestLightning, ApplyLightning},
    /* > 35 */  {"volcanic ash cloud", TestVolcanicAshCloud, ApplyVolcanicAshCloud},
    /* > 35 */  {"phenomenon near or far", TestPhenomenonNearOrFar, ApplyPhenomenonNearOrFar},
    /* > 35 */  {"phenomenon continued", TestPhenomenonContinued, ApplyPhenomenonContinued},
    /* > 35 */  {"lone direction", TestLoneDirection, ApplyLoneDirection},
    /* > 35 */  {"lone movement", TestLoneMovement, ApplyLoneMovement},
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

// Every group rule of the decoder: a test that decides whether the rule takes the
// current group, and an action that writes the step text and may swallow groups.
// The order in which the decoder tries them is the rule table (rule_table.cpp).
#pragma once

#include "decoder/decode_context.hpp"

namespace aerolume {

// Wind groups: calm, surface wind, variable sector. (rules_wind.cpp)
bool TestCalm(const DecodeContext& c);
void ApplyCalm(DecodeContext& c);
bool TestWind(const DecodeContext& c);
void ApplyWind(DecodeContext& c);
bool TestVariableSector(const DecodeContext& c);
void ApplyVariableSector(DecodeContext& c);

// Runway state groups. (rules_runway_state.cpp)
bool TestRunwayState(const DecodeContext& c);
void ApplyRunwayState(DecodeContext& c);

// Times in the remarks after COR, AT, AFT, BFR, TIL, OBS AT and FM. (rules_remark_times.cpp)
bool TestRemarkTime(const DecodeContext& c);
void ApplyRemarkTime(DecodeContext& c);

// Visibility, sky, present weather, temperature and pressure groups. (rules_sky_weather.cpp)
bool TestVerticalVisibility(const DecodeContext& c);
void ApplyVerticalVisibility(DecodeContext& c);
bool TestRunwayVisualRange(const DecodeContext& c);
void ApplyRunwayVisualRange(DecodeContext& c);
bool TestCavok(const DecodeContext& c);
void ApplyCavok(DecodeContext& c);
bool TestSkyClear(const DecodeContext& c);
void ApplySkyClear(DecodeContext& c);
bool TestNoSignificantCloud(const DecodeContext& c);
void ApplyNoSignificantCloud(DecodeContext& c);
bool TestClearBelowLimit(const DecodeContext& c);
void ApplyClearBelowLimit(DecodeContext& c);
bool TestTemperatureAboveZero(const DecodeContext& c);
void ApplyTemperatureAboveZero(DecodeContext& c);
bool TestTemperatureDewPointBelowZero(const DecodeContext& c);
void ApplyTemperatureDewPointBelowZero(DecodeContext& c);
bool TestTemperatureBothBelowZero(const DecodeContext& c);
void ApplyTemperatureBothBelowZero(DecodeContext& c);
bool TestCloudLayer(const DecodeContext& c);
void ApplyCloudLayer(DecodeContext& c);
bool TestPressureHectopascal(const DecodeContext& c);
void ApplyPressureHectopascal(DecodeContext& c);
bool TestPressureInches(const DecodeContext& c);
void ApplyPressureInches(DecodeContext& c);
bool TestVisibility(const DecodeContext& c);
void ApplyVisibility(DecodeContext& c);
bool TestProbability(const DecodeContext& c);
void ApplyProbability(DecodeContext& c);
bool TestPresentWeather(const DecodeContext& c);
void ApplyPresentWeather(DecodeContext& c);

// Change and period groups: BECMG, TEMPO, FCST, validity periods, FM times.
// (rules_change_period.cpp)
bool TestBecoming(const DecodeContext& c);
void ApplyBecoming(DecodeContext& c);
bool TestTemporary(const DecodeContext& c);
void ApplyTemporary(DecodeContext& c);
bool TestForecast(const DecodeContext& c);
void ApplyForecast(DecodeContext& c);
bool TestValidityPeriod(const DecodeContext& c);
void ApplyValidityPeriod(DecodeContext& c);
bool TestFromTime(const DecodeContext& c);
void ApplyFromTime(DecodeContext& c);

// Supplementary groups and remarks. (rules_remarks.cpp)
bool TestCorrection(const DecodeContext& c);
void ApplyCorrection(DecodeContext& c);
bool TestExtremeRainRate(const DecodeContext& c);
void ApplyExtremeRainRate(DecodeContext& c);
bool TestRainRate(const DecodeContext& c);
void ApplyRainRate(DecodeContext& c);
bool TestPressureRise(const DecodeContext& c);
void ApplyPressureRise(DecodeContext& c);
bool TestPressureFall(const DecodeContext& c);
void ApplyPressureFall(DecodeContext& c);
bool TestWindShear(const DecodeContext& c);
void ApplyWindShear(DecodeContext& c);
bool TestRemarksMarker(const DecodeContext& c);
void ApplyRemarksMarker(DecodeContext& c);
bool TestRemarkCloudLayer(const DecodeContext& c);
void ApplyRemarkCloudLayer(DecodeContext& c);
bool TestNoSignificantChange(const DecodeContext& c);
void ApplyNoSignificantChange(DecodeContext& c);
bool TestEndOfSignificantWeather(const DecodeContext& c);
void ApplyEndOfSignificantWeather(DecodeContext& c);
bool TestPhenomenonWithLocation(const DecodeContext& c);
void ApplyPhenomenonWithLocation(DecodeContext& c);
bool TestMaximumWind(const DecodeContext& c);
void ApplyMaximumWind(DecodeContext& c);
bool TestIntensityWord(const DecodeContext& c);
void ApplyIntensityWord(DecodeContext& c);

// Words about the report itself. (rules_report_status.cpp)
bool TestAutomaticReport(const DecodeContext& c);
void ApplyAutomaticReport(DecodeContext& c);
bool TestMissingReport(const DecodeContext& c);
void ApplyMissingReport(DecodeContext& c);
bool TestCancelledForecast(const DecodeContext& c);
void ApplyCancelledForecast(DecodeContext& c);
bool TestAmendedForecast(const DecodeContext& c);
void ApplyAmendedForecast(DecodeContext& c);

// Cloud and visibility groups beyond the first rules. (rules_cloud_visibility.cpp)
bool TestMalformedCloud(const DecodeContext& c);  // shown as it stands (ApplyAnythingElse)
bool TestNoCloudDetected(const DecodeContext& c);
void ApplyNoCloudDetected(DecodeContext& c);
bool TestUnknownCloud(const DecodeContext& c);
void ApplyUnknownCloud(DecodeContext& c);
bool TestNotMeasured(const DecodeContext& c);
void ApplyNotMeasured(DecodeContext& c);
bool TestVisibilityWithoutDirections(const DecodeContext& c);
void ApplyVisibilityWithoutDirections(DecodeContext& c);
bool TestDirectionalVisibility(const DecodeContext& c);
void ApplyDirectionalVisibility(DecodeContext& c);
bool TestMilesVisibility(const DecodeContext& c);
void ApplyMilesVisibility(DecodeContext& c);

// METAR trend times and TAF temperature and altimeter groups. (rules_trend_forecast.cpp)
bool TestTrendTime(const DecodeContext& c);
void ApplyTrendTime(DecodeContext& c);
bool TestTemperatureForecast(const DecodeContext& c);
void ApplyTemperatureForecast(DecodeContext& c);
bool TestLowestAltimeter(const DecodeContext& c);
void ApplyLowestAltimeter(DecodeContext& c);

// Remark phrases about phenomena around the airfield, and plain-language phrases.
// (rules_remark_phenomena.cpp)
bool TestVolcanicAshCloud(const DecodeContext& c);
void ApplyVolcanicAshCloud(DecodeContext& c);
bool TestPhenomenonNearOrFar(const DecodeContext& c);
void ApplyPhenomenonNearOrFar(DecodeContext& c);
bool TestPhenomenonContinued(const DecodeContext& c);
void ApplyPhenomenonContinued(DecodeContext& c);
bool TestLoneDirection(const DecodeContext& c);
void ApplyLoneDirection(DecodeContext& c);
bool TestLoneMovement(const DecodeContext& c);
void ApplyLoneMovement(DecodeContext& c);
bool TestAircraftReport(const DecodeContext& c);
void ApplyAircraftReport(DecodeContext& c);
bool TestRemarkPhrase(const DecodeContext& c);
void ApplyRemarkPhrase(DecodeContext& c);

// Coded remarks of US-run stations. (rules_us_remarks.cpp)
bool TestStationType(const DecodeContext& c);
void ApplyStationType(DecodeContext& c);
bool TestNumberedRemark(const DecodeContext& c);
void ApplyNumberedRemark(DecodeContext& c);
bool TestRemarkWord(const DecodeContext& c);
void ApplyRemarkWord(DecodeContext& c);
bool TestMissingValue(const DecodeContext& c);
void ApplyMissingValue(DecodeContext& c);
bool TestPeakWind(const DecodeContext& c);
void ApplyPeakWind(DecodeContext& c);
bool TestWindShift(const DecodeContext& c);
void ApplyWindShift(DecodeContext& c);
bool TestLenticularCloud(const DecodeContext& c);
void ApplyLenticularCloud(DecodeContext& c);
bool TestSensorOut(const DecodeContext& c);
void ApplySensorOut(DecodeContext& c);

// Visibility and sky remarks of US-run stations. (rules_us_sky.cpp)
bool TestSiteVisibility(const DecodeContext& c);
void ApplySiteVisibility(DecodeContext& c);
bool TestVisibilityRemark(const DecodeContext& c);
void ApplyVisibilityRemark(DecodeContext& c);
bool TestCeilingRemark(const DecodeContext& c);
void ApplyCeilingRemark(DecodeContext& c);
bool TestVariableSky(const DecodeContext& c);
void ApplyVariableSky(DecodeContext& c);

// Lightning and the times weather began and ended. (rules_us_weather_times.cpp)
bool TestLightning(const DecodeContext& c);
void ApplyLightning(DecodeContext& c);
bool TestWeatherTimes(const DecodeContext& c);
void ApplyWeatherTimes(DecodeContext& c);

// The fall-back: any other group is shown unchanged (rule_table.cpp).
bool TestAnythingElse(const DecodeContext& c);
void ApplyAnythingElse(DecodeContext& c);

}  // namespace aerolume

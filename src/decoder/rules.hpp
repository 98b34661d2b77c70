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

// The fall-back: any other group is shown unchanged (rule_table.cpp).
bool TestAnythingElse(const DecodeContext& c);
void ApplyAnythingElse(DecodeContext& c);

}  // namespace aerolume

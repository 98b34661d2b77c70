// Visibility, sky, present weather, temperature and pressure groups.
#include "decoder/rules.hpp"

namespace aerolume {

bool TestVerticalVisibility(const DecodeContext&) { return false; }
void ApplyVerticalVisibility(DecodeContext&) {}

bool TestRunwayVisualRange(const DecodeContext&) { return false; }
void ApplyRunwayVisualRange(DecodeContext&) {}

bool TestCavok(const DecodeContext&) { return false; }
void ApplyCavok(DecodeContext&) {}

bool TestSkyClear(const DecodeContext&) { return false; }
void ApplySkyClear(DecodeContext&) {}

bool TestNoSignificantCloud(const DecodeContext&) { return false; }
void ApplyNoSignificantCloud(DecodeContext&) {}

bool TestClearBelowLimit(const DecodeContext&) { return false; }
void ApplyClearBelowLimit(DecodeContext&) {}

bool TestTemperatureAboveZero(const DecodeContext&) { return false; }
void ApplyTemperatureAboveZero(DecodeContext&) {}

bool TestTemperatureDewPointBelowZero(const DecodeContext&) { return false; }
void ApplyTemperatureDewPointBelowZero(DecodeContext&) {}

bool TestTemperatureBothBelowZero(const DecodeContext&) { return false; }
void ApplyTemperatureBothBelowZero(DecodeContext&) {}

bool TestCloudLayer(const DecodeContext&) { return false; }
void ApplyCloudLayer(DecodeContext&) {}

bool TestPressureHectopascal(const DecodeContext&) { return false; }
void ApplyPressureHectopascal(DecodeContext&) {}

bool TestPressureInches(const DecodeContext&) { return false; }
void ApplyPressureInches(DecodeContext&) {}

bool TestVisibility(const DecodeContext&) { return false; }
void ApplyVisibility(DecodeContext&) {}

bool TestProbability(const DecodeContext&) { return false; }
void ApplyProbability(DecodeContext&) {}

bool TestPresentWeather(const DecodeContext&) { return false; }
void ApplyPresentWeather(DecodeContext&) {}

}  // namespace aerolume

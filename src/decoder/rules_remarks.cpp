// Supplementary groups and remarks.
#include "decoder/rules.hpp"

namespace aerolume {

bool TestCorrection(const DecodeContext&) { return false; }
void ApplyCorrection(DecodeContext&) {}

bool TestExtremeRainRate(const DecodeContext&) { return false; }
void ApplyExtremeRainRate(DecodeContext&) {}

bool TestRainRate(const DecodeContext&) { return false; }
void ApplyRainRate(DecodeContext&) {}

bool TestPressureRise(const DecodeContext&) { return false; }
void ApplyPressureRise(DecodeContext&) {}

bool TestPressureFall(const DecodeContext&) { return false; }
void ApplyPressureFall(DecodeContext&) {}

bool TestWindShear(const DecodeContext&) { return false; }
void ApplyWindShear(DecodeContext&) {}

bool TestRemarksMarker(const DecodeContext&) { return false; }
void ApplyRemarksMarker(DecodeContext&) {}

bool TestRemarkCloudLayer(const DecodeContext&) { return false; }
void ApplyRemarkCloudLayer(DecodeContext&) {}

bool TestNoSignificantChange(const DecodeContext&) { return false; }
void ApplyNoSignificantChange(DecodeContext&) {}

bool TestEndOfSignificantWeather(const DecodeContext&) { return false; }
void ApplyEndOfSignificantWeather(DecodeContext&) {}

bool TestPhenomenonWithLocation(const DecodeContext&) { return false; }
void ApplyPhenomenonWithLocation(DecodeContext&) {}

bool TestMaximumWind(const DecodeContext&) { return false; }
void ApplyMaximumWind(DecodeContext&) {}

bool TestIntensityWord(const DecodeContext&) { return false; }
void ApplyIntensityWord(DecodeContext&) {}

}  // namespace aerolume

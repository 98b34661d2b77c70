// Change and period groups: BECMG, TEMPO, FCST, validity periods, FM times.
#include "decoder/rules.hpp"

namespace aerolume {

bool TestBecoming(const DecodeContext&) { return false; }
void ApplyBecoming(DecodeContext&) {}

bool TestTemporary(const DecodeContext&) { return false; }
void ApplyTemporary(DecodeContext&) {}

bool TestForecast(const DecodeContext&) { return false; }
void ApplyForecast(DecodeContext&) {}

bool TestValidityPeriod(const DecodeContext&) { return false; }
void ApplyValidityPeriod(DecodeContext&) {}

bool TestFromTime(const DecodeContext&) { return false; }
void ApplyFromTime(DecodeContext&) {}

}  // namespace aerolume

// Runway state groups: what lies on a runway and how well aircraft brake on it.
// Tried before the runway visual range, whose R and runway they share.
#include "decoder/rules.hpp"
#include "translators/runway_state.hpp"

namespace aerolume {

bool TestRunwayState(const DecodeContext& c) {
  return IsRunwayStateGroup(c.Group());
}

void ApplyRunwayState(DecodeContext& c) {
  c.stepText = TranslateRunwayState(c.Group());
}

}  // namespace aerolume

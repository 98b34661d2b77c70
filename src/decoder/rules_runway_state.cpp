// Runway state groups: what lies on a runway and how well aircraft brake on it.
// Tried before the runway visual range, whose R and runway they share.
#include <string_view>

#include "decoder/rules.hpp"
#include "translators/runway_state.hpp"

namespace aerolume {

// RMK and the weather codes, the common groups of R, fail on their second byte
// before the group is read in full.
bool TestRunwayState(const DecodeContext& c) {
  const std::string_view g = c.Group();
  const bool mayBeState =
      g.size() >= 6 && (g[1] == '/' || g[0] == 'S' || IsAllDigits(Mid(g, 1, 1)));
  return mayBeState && IsRunwayStateGroup(g);
}

void ApplyRunwayState(DecodeContext& c) {
  c.stepText = TranslateRunwayState(c.Group());
}

}  // namespace aerolume

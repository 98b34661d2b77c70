// A surface wind group as read, before anything is written from it: what the wind
// rule's test reads and its apply then writes.
#pragma once

#include <string_view>

namespace aerolume {

enum class SpeedUnit { kNone, kKnots, kMetresPerSecond };

// dddff(f), then G or GP and gg(g), then KT or MPS. Views of the group.
struct WindGroup {
  std::string_view direction;  // three digits or VRB
  std::string_view speed;      // two or three digits
  std::string_view gust;       // two or three digits; empty without a gust
  bool gustAtLeast = false;    // GP: the gust was more than it could measure
  SpeedUnit unit = SpeedUnit::kNone;
};

}  // namespace aerolume

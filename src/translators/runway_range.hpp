// Runway visual range groups (R34L/P1500N, R16/0800V1200U, ...) in Japanese.
#pragma once

#include <string>
#include <string_view>

namespace aerolume {

// "RWY" + runway and designator + "視程 " + the values in metres with their bounds,
// ranges and tendency. Values are copied as reported, leading zeros included. A
// range in feet (R36/3500VP6000FT/D) gives the feet, then the metres they make to
// the nearest 10 m in brackets. A short leftover that is no item is copied
// unchanged, so nothing of the group is lost from the line.
std::string TranslateRunwayRange(std::string_view group);

}  // namespace aerolume

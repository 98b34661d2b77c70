// Runway visual range groups (R34L/P1500N, R16/0800V1200U, ...) in Japanese.
#pragma once

#include <string>
#include <string_view>

namespace aerolume {

// "RWY" + runway and designator + "視程 " + the values in metres with their bounds,
// ranges and tendency. Values are copied as reported, leading zeros included. A
// short leftover that is no item (the FT of a range in feet) is copied unchanged,
// so nothing of the group is lost from the line.
std::string TranslateRunwayRange(std::string_view group);

}  // namespace aerolume

// Runway visual range groups (R34L/P1500N, R16/0800V1200U, ...) in Japanese.
#pragma once

#include <string>
#include <string_view>

#include "decoder/report_values.hpp"

namespace aerolume {

// "RWY" + runway and designator + "視程 " + the values in metres with their bounds,
// ranges and tendency. Values are copied as reported, leading zeros included. A
// range in feet (R36/3500VP6000FT/D) gives the feet, then the metres they make to
// the nearest 10 m in brackets. A short leftover that is no item is copied
// unchanged, so nothing of the group is lost from the line.
// With `value`, the runway, the values (metres; a range in feet as the metres its
// line gives), their bounds and the tendency are recorded there as they are read.
std::string TranslateRunwayRange(std::string_view group, RunwayRangeValue* value = nullptr);

}  // namespace aerolume

// Japanese names of cloud types (CB, TCU, ST, ...) in cloud layers and cloud remarks.
#pragma once

#include <string_view>

namespace aerolume {

// The name of an exactly matching code, or the empty text (also for "///").
std::string_view CloudTypeName(std::string_view code);

}  // namespace aerolume

// A TAF station file as values, for the views that lay the forecast out in time.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "decoder/report_values.hpp"

namespace aerolume {

// A normalised TAF station file decoded as the main window decodes it; none for a
// status text ("404") or a time line that cannot be read.
std::optional<TafValues> TafValuesOfFile(std::string_view code, const std::string& text);

}  // namespace aerolume

// The 104 Japanese airfields the program can show: "CODE name", code first.
#pragma once

#include <span>
#include <string_view>

namespace aerolume {

std::span<const std::string_view> StationCatalogue();

// The four-letter location indicator at the start of an entry.
std::string_view StationCode(std::string_view entry);
// The Japanese name after the code and its space.
std::string_view StationName(std::string_view entry);

bool IsCatalogueStation(std::string_view code);

}  // namespace aerolume

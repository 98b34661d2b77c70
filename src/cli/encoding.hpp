// Text output for terminals that still expect Shift-JIS (code page 932).
#pragma once

#include <string>
#include <string_view>

namespace aerolume::cli {

// UTF-8 to code page 932. A byte sequence that cannot be converted (not UTF-8, or a
// character code page 932 lacks) becomes "?", so the rest of the text still arrives.
std::string ToCp932(std::string_view utf8);

}  // namespace aerolume::cli

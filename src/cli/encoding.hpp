// Text output for terminals that still expect Shift-JIS (code page 932).
#pragma once

#include <string>
#include <string_view>

namespace aerolume::cli {

// UTF-8 to code page 932. A byte sequence that cannot be converted (not UTF-8, or a
// character code page 932 lacks) becomes "?", so the rest of the text still arrives.
std::string ToCp932(std::string_view utf8);

// Every control byte (below 0x20 except LF, and 0x7F) becomes U+FFFD, so that a
// report or a server's text cannot move the cursor, recolour or clear the terminal.
// Bytes of 0x80 and above are left as they are: no UTF-8 sequence contains a
// control byte, so characters are never split.
std::string ReplaceControlCharacters(std::string_view text);

}  // namespace aerolume::cli

// Text from outside (a server's report, its error text, a file) made safe to show on a
// terminal or in a window: characters that act on the display instead of showing
// become U+FFFD, so that a report cannot move the cursor, clear the screen, send the
// terminal a command or turn the text around.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace aerolume {

// One character of UTF-8 text starting at a byte: its code point and its length. A
// byte sequence that is not UTF-8 is not `valid`; its length is that of the longest
// start of a valid sequence there (at least one byte), as Unicode recommends
// replacing it.
struct Utf8Character {
  char32_t codePoint = 0;
  std::size_t length = 1;
  bool valid = false;
};
Utf8Character ReadUtf8Character(std::string_view text, std::size_t at);

// The C0 controls but LF, DEL, the C1 controls (U+0080-U+009F: CSI, OSC, ST...), and
// the bidirectional embeddings, overrides (U+202A-U+202E) and isolates (U+2066-U+2069).
bool ActsOnTheDisplay(char32_t codePoint);

// Every character ActsOnTheDisplay names, and every byte sequence that is not UTF-8,
// as U+FFFD; everything else as it stands.
std::string ReplaceUnsafeCharacters(std::string_view text);

// Decoded text with its CR LF line ends as terminals and text fields want them (LF),
// before ReplaceUnsafeCharacters takes any other CR for a control.
std::string ToLfLineEnds(std::string_view decoded);

}  // namespace aerolume

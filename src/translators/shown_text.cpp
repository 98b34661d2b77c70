#include "translators/shown_text.hpp"

namespace aerolume {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

struct LeadByte {
  std::size_t length;  // of the whole sequence
  unsigned char low;   // the range of the second byte, which rules out
  unsigned char high;  // overlong forms, surrogates and values past U+10FFFF
  char32_t payload;    // the lead byte's bits of the code point
};

// What a lead byte promises; a length of 0 for a byte that starts no sequence.
LeadByte LeadOf(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF, lead & 0x1Fu};
  if (lead == 0xE0) return {3, 0xA0, 0xBF, lead & 0x0Fu};
  if (lead == 0xED) return {3, 0x80, 0x9F, lead & 0x0Fu};
  if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF, lead & 0x0Fu};
  if (lead == 0xF0) return {4, 0x90, 0xBF, lead & 0x07u};
  if (lead == 0xF4) return {4, 0x80, 0x8F, lead & 0x07u};
  if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF, lead & 0x07u};
  return {0, 0, 0, 0};
}

}  // namespace

Utf8Character ReadUtf8Character(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return {lead, 1, true};
  const LeadByte expected = LeadOf(lead);
  if (expected.length == 0) return {};
  char32_t codePoint = expected.payload;
  for (std::size_t i = 1; i < expected.length; ++i) {
    if (at + i >= text.size()) return {0, i, false};
    const auto next = static_cast<unsigned char>(text[at + i]);
    const unsigned char low = i == 1 ? expected.low : 0x80;
    const unsigned char high = i == 1 ? expected.high : 0xBF;
    if (next < low || next > high) return {0, i, false};
    codePoint = (codePoint << 6) | (next & 0x3Fu);
  }
  return {codePoint, expected.length, true};
}

bool ActsOnTheDisplay(char32_t codePoint) {
  return (codePoint < 0x20 && codePoint != '\n') || (codePoint >= 0x7F && codePoint <= 0x9F) ||
         (codePoint >= 0x202A && codePoint <= 0x202E) ||
         (codePoint >= 0x2066 && codePoint <= 0x2069);
}

std::string ReplaceUnsafeCharacters(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Character character = ReadUtf8Character(text, at);
    if (character.valid && !ActsOnTheDisplay(character.codePoint)) {
      shown.append(text.substr(at, character.length));
    } else {
      shown.append(kReplacement);
    }
    at += character.length;
  }
  return shown;
}

std::string ToLfLineEnds(std::string_view decoded) {
  std::string text;
  text.reserve(decoded.size());
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    if (decoded[i] == '\r' && i + 1 < decoded.size() && decoded[i + 1] == '\n') continue;
    text += decoded[i];
  }
  return text;
}

}  // namespace aerolume

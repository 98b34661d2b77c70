// Vocabulary tables: report codes and their Japanese words, looked up by exact match.
#pragma once

#include <span>
#include <string_view>

namespace aerolume {

struct CodeText {
  std::string_view code;
  std::string_view text;
};

// Codes are a few bytes long: compared byte by byte, with no call into the library.
constexpr bool SameCode(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

// The text of the entry whose code equals `code` exactly, or the empty text.
constexpr std::string_view LookUp(std::span<const CodeText> table, std::string_view code) {
  for (const CodeText& entry : table) {
    if (SameCode(entry.code, code)) return entry.text;
  }
  return {};
}

}  // namespace aerolume

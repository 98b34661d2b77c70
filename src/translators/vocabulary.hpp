// Vocabulary tables: report codes and their Japanese words, looked up by exact match.
#pragma once

#include <span>
#include <string_view>

namespace aerolume {

struct CodeText {
  std::string_view code;
  std::string_view text;
};

// The text of the entry whose code equals `code` exactly, or the empty text.
constexpr std::string_view LookUp(std::span<const CodeText> table, std::string_view code) {
  for (const CodeText& entry : table) {
    if (entry.code == code) return entry.text;
  }
  return {};
}

}  // namespace aerolume

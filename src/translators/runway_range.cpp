#include "translators/runway_range.hpp"

#include "translators/text.hpp"
#include "translators/vocabulary.hpp"

namespace aerolume {

namespace {

// A bound letter stands before a four-character value and qualifies it.
constexpr CodeText kBounds[] = {
    {"P", "m以上"},
    {"M", "m以下"},
};

// One-letter items: the range between two values and the tendency.
constexpr CodeText kMarks[] = {
    {"V", "～"},
    {"U", " 回復傾向"},
    {"D", " 悪化傾向"},
    {"N", " 変化なし"},
};

constexpr std::size_t kValueLength = 4;

// Drops up to `count` bytes from the front; a short rest simply becomes empty.
void Drop(std::string_view& rest, std::size_t count) {
  rest.remove_prefix(count < rest.size() ? count : rest.size());
}

// Appends the text of the item at the front of `rest` and drops the item.
void TranslateItem(std::string& result, std::string_view& rest) {
  const std::string_view letter = rest.substr(0, 1);
  if (const std::string_view bound = LookUp(kBounds, letter); !bound.empty()) {
    result.append(rest.substr(1, kValueLength)).append(bound);
    Drop(rest, 1 + kValueLength);
  } else if (const std::string_view mark = LookUp(kMarks, letter); !mark.empty()) {
    result.append(mark);
    Drop(rest, 1);
  } else if (rest.size() >= kValueLength) {
    result.append(rest.substr(0, kValueLength)).append("m");
    Drop(rest, kValueLength);
  } else {
    result.append(rest);
    Drop(rest, rest.size());
  }
}

}  // namespace

std::string TranslateRunwayRange(std::string_view group) {
  std::string result = Concat({"RWY", Mid(group, 1, 2)});
  std::string_view rest = group;
  Drop(rest, 3);
  if (!rest.empty() && rest.front() != '/') {
    result += rest.front();  // the designator, L or R
    Drop(rest, 1);
  }
  result += "視程 ";
  Drop(rest, 1);  // the separator
  while (!rest.empty()) TranslateItem(result, rest);
  return result;
}

}  // namespace aerolume

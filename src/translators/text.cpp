#include "translators/text.hpp"

#include <charconv>
#include <climits>
#include <stdexcept>

namespace aerolume {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string Concat(std::initializer_list<std::string_view> pieces) {
  std::size_t size = 0;
  for (std::string_view piece : pieces) size += piece.size();
  std::string text;
  text.reserve(size);
  Append(text, pieces);
  return text;
}

int ToIntAsAtoi(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  long long value = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    value = value * 10 + (text[pos] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<int>(value);
}

std::string FormatInt(int value) {
  return std::to_string(value);
}

void AppendAnyInt(std::string& text, int value) {
  char digits[16];
  const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
  text.append(digits, end.ptr);
}

bool IsGreaterThan(std::string_view text, std::string_view literal) {
  return text > literal;
}

const std::string& GroupAt(const GroupList& groups, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= groups.size()) {
    throw std::invalid_argument("group index outside the report");
  }
  return groups[static_cast<std::size_t>(index)];
}

bool IsPeriodGroup(std::string_view group) {
  return group.size() == 9 && group[4] == '/' && IsAllDigits(group.substr(0, 4)) &&
         IsAllDigits(group.substr(5, 4));
}

bool IsFromGroup(std::string_view group) {
  return group.size() == 6 && group.substr(0, 2) == "FM" && IsAllDigits(group.substr(2, 4));
}

bool IsKnotSpeed(std::string_view group) {
  return group.size() >= 3 && group.substr(group.size() - 2) == "KT" &&
         IsAllDigits(group.substr(0, group.size() - 2));
}

}  // namespace aerolume

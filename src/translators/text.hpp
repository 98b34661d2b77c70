// Byte-exact text operations and token tests that every group rule relies on.
// Positions and counts are bytes from 0; out-of-range arguments are cut, never rejected.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace aerolume {

// The groups of one report body, in report order; entries are never empty.
using GroupList = std::vector<std::string>;
// The same groups as views into the report text, which must outlive them: how the
// decoder walks a report without a string for each group.
using GroupViews = std::vector<std::string_view>;

// A count or position below zero behaves as zero.
constexpr std::size_t NonNegative(int value) {
  return value < 0 ? 0 : static_cast<std::size_t>(value);
}

// Slices of `text`, valid as long as the text they are taken from: the rules test
// groups slice by slice, and a slice that is never copied costs nothing. Defined here,
// so that every rule's tests compile down to a few comparisons.
constexpr std::string_view Left(std::string_view text, int count) {
  return text.substr(0, NonNegative(count));
}

constexpr std::string_view Right(std::string_view text, int count) {
  const std::size_t n = NonNegative(count);
  return n >= text.size() ? text : text.substr(text.size() - n);
}

constexpr std::string_view Mid(std::string_view text, int first, int count) {
  const std::size_t start = NonNegative(first);
  return start >= text.size() ? std::string_view() : text.substr(start, NonNegative(count));
}

constexpr std::string_view Mid(std::string_view text, int first) {
  const std::size_t start = NonNegative(first);
  return start >= text.size() ? std::string_view() : text.substr(start);
}

// The pieces one after another, in one allocation: how the rules build their lines.
std::string Concat(std::initializer_list<std::string_view> pieces);
// The pieces written at the end of `text`, which keeps the room it has.
inline void Append(std::string& text, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) text.append(piece);
}

// Decimal conversion as C's atoi reads it ("08" -> 8, "1A" -> 1, "" -> 0), but
// saturating instead of overflowing on absurdly long digit runs.
int ToIntAsAtoi(std::string_view text);

// The same; nine digits or fewer and nothing else, what the decoder reads from nearly
// every group, read right here in one pass.
inline int ToInt(std::string_view text) {
  constexpr std::size_t kSafeDigits = 9;
  if (!text.empty() && text.size() <= kSafeDigits) {
    unsigned value = 0;  // wraps harmlessly over bytes that turn out not to be digits
    bool allDigits = true;
    for (char c : text) {
      allDigits &= c >= '0' && c <= '9';
      value = value * 10 + static_cast<unsigned char>(c) - '0';
    }
    if (allDigits) return static_cast<int>(value);
  }
  return ToIntAsAtoi(text);
}

// "%d": signed decimal without padding.
std::string FormatInt(int value);
// The same digits, written at the end of `text`.
void AppendAnyInt(std::string& text, int value);
inline void AppendInt(std::string& text, int value) {
  // Days, hours, minutes and knots: one or two digits, written as they are.
  constexpr int kTwoDigits = 100;
  if (value < 0 || value >= kTwoDigits) {
    AppendAnyInt(text, value);
    return;
  }
  if (value >= 10) text.push_back(static_cast<char>('0' + value / 10));
  text.push_back(static_cast<char>('0' + value % 10));
}

// Byte-wise lexicographic order; a proper prefix sorts first.
bool IsGreaterThan(std::string_view text, std::string_view literal);

// Range-checked read of a group; throws std::invalid_argument outside the list.
const std::string& GroupAt(const GroupList& groups, int index);

constexpr bool IsAllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

bool IsPeriodGroup(std::string_view group);  // DDHH/DDHH
bool IsFromGroup(std::string_view group);    // FMhhmm
bool IsKnotSpeed(std::string_view group);    // digits followed by KT

}  // namespace aerolume

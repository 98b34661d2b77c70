#include "translators/runway_range.hpp"

#include <optional>

#include "translators/text.hpp"
#include "translators/vocabulary.hpp"

namespace aerolume {

namespace {

// A bound letter stands before a four-character value and qualifies it.
constexpr CodeText kBounds[] = {
    {"P", "以上"},
    {"M", "以下"},
};

constexpr std::string_view kRangeMark = "V";

// The tendency letter that may close the group.
constexpr CodeText kTendencies[] = {
    {"U", " 回復傾向"},
    {"D", " 悪化傾向"},
    {"N", " 変化なし"},
};

constexpr std::size_t kValueLength = 4;
constexpr std::string_view kFeet = "FT";

// Drops up to `count` bytes from the front; a short rest simply becomes empty.
void Drop(std::string_view& rest, std::size_t count) {
  rest.remove_prefix(count < rest.size() ? count : rest.size());
}

// Appends the text of the item at the front of `rest` and drops the item.
void TranslateItem(std::string& result, std::string_view& rest) {
  const std::string_view letter = rest.substr(0, 1);
  if (const std::string_view bound = LookUp(kBounds, letter); !bound.empty()) {
    Append(result, {rest.substr(1, kValueLength), "m", bound});
    Drop(rest, 1 + kValueLength);
  } else if (letter == kRangeMark) {
    result.append("～");
    Drop(rest, 1);
  } else if (const std::string_view mark = LookUp(kTendencies, letter); !mark.empty()) {
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

// Feet to metres, to the nearest 10 m: how far the pilot can see, read in metres.
int FeetAsTensOfMetres(int feet) {
  constexpr long long kMicrometresPerFoot = 304'800;
  constexpr long long kMicrometresPerTenMetres = 10'000'000;
  const long long micrometres = static_cast<long long>(feet) * kMicrometresPerFoot;
  return static_cast<int>((micrometres + kMicrometresPerTenMetres / 2) / kMicrometresPerTenMetres *
                          10);
}

// One value in feet with its bound letter: the feet as reported, then the metres.
bool AppendFeetValue(std::string& feet, std::string& metres, std::string_view value) {
  const std::string_view bound = LookUp(kBounds, value.substr(0, 1));
  if (!bound.empty()) value.remove_prefix(1);
  if (value.empty() || !IsAllDigits(value)) return false;
  Append(feet, {value, "フィート", bound});
  AppendAnyInt(metres, FeetAsTensOfMetres(ToInt(value)));
  Append(metres, {"m", bound});
  return true;
}

// 5500FT, 3500VP6000FT/D, 6000FT/: the values in feet with the metres they make in
// brackets, as miles of visibility are shown, then the tendency; nothing when the
// rest is no range in feet.
std::optional<std::string> FeetRangeText(std::string_view rest) {
  const std::size_t unit = rest.find(kFeet);
  if (unit == std::string_view::npos) return std::nullopt;
  std::string_view values = rest.substr(0, unit);
  std::string_view tendency = rest.substr(unit + kFeet.size());
  if (tendency.starts_with('/')) tendency.remove_prefix(1);
  const std::string_view tendencyText = LookUp(kTendencies, tendency);
  if (!tendency.empty() && tendencyText.empty()) return std::nullopt;
  std::string feet;
  std::string metres;
  const std::size_t range = values.find(kRangeMark);
  if (range != std::string_view::npos) {
    if (!AppendFeetValue(feet, metres, values.substr(0, range))) return std::nullopt;
    feet += "～";
    metres += "～";
    values.remove_prefix(range + kRangeMark.size());
  }
  if (!AppendFeetValue(feet, metres, values)) return std::nullopt;
  return Concat({feet, "(約", metres, ")", tendencyText});
}

}  // namespace

std::string TranslateRunwayRange(std::string_view group) {
  std::string result = Concat({"RWY", Mid(group, 1, 2)});
  std::string_view rest = group;
  Drop(rest, 3);
  if (!rest.empty() && rest.front() != '/') {
    result += rest.front();  // the designator, L, C or R
    Drop(rest, 1);
  }
  result += "視程 ";
  Drop(rest, 1);  // the separator
  if (const std::optional<std::string> feet = FeetRangeText(rest)) return result + *feet;
  while (!rest.empty()) TranslateItem(result, rest);
  return result;
}

}  // namespace aerolume

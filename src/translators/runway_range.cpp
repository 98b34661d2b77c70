#include "translators/runway_range.hpp"

#include <algorithm>
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

constexpr double kMetresPerFoot = 0.3048;

// Records the items into a value as they are read, when one is asked for.
class RangeRecorder {
 public:
  explicit RangeRecorder(RunwayRangeValue* value) : m_value(value) {}

  void Distance(std::string_view digits, char bound) {
    if (!m_value || !IsAllDigits(digits) || digits.empty()) return;
    const Bound read = static_cast<Bound>(bound);
    if (m_afterRange) {
      m_value->variationMaxMetres = ToInt(digits);
      m_value->variationMaxBound = read;
    } else {
      m_value->metres = ToInt(digits);
      m_value->bound = read;
    }
  }
  void Mark(char letter) {
    if (!m_value) return;
    if (letter == 'V') {
      m_afterRange = true;
    } else {
      m_value->tendency = letter;
    }
  }
  void Leftover(std::string_view rest) {
    if (!m_value || rest != "FT") return;
    m_value->reportedInFeet = true;
    m_value->metres = ToMetres(m_value->metres);
    m_value->variationMaxMetres = ToMetres(m_value->variationMaxMetres);
  }

 private:
  static int ToMetres(int feet) {
    return feet < 0 ? feet : static_cast<int>(feet * kMetresPerFoot + 0.5);
  }

  RunwayRangeValue* m_value;
  bool m_afterRange = false;
};

// Appends the text of the item at the front of `rest` and drops the item.
void TranslateItem(std::string& result, std::string_view& rest, RangeRecorder& recorder) {
  const std::string_view letter = rest.substr(0, 1);
  if (const std::string_view bound = LookUp(kBounds, letter); !bound.empty()) {
    Append(result, {rest.substr(1, kValueLength), "m", bound});
    recorder.Distance(rest.substr(1, kValueLength), letter[0]);
    Drop(rest, 1 + kValueLength);
  } else if (letter == kRangeMark) {
    result.append("～");
    recorder.Mark(letter[0]);
    Drop(rest, 1);
  } else if (const std::string_view mark = LookUp(kTendencies, letter); !mark.empty()) {
    result.append(mark);
    recorder.Mark(letter[0]);
    Drop(rest, 1);
  } else if (rest.size() >= kValueLength) {
    result.append(rest.substr(0, kValueLength)).append("m");
    recorder.Distance(rest.substr(0, kValueLength), 0);
    Drop(rest, kValueLength);
  } else {
    result.append(rest);
    recorder.Leftover(rest);
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

// The metres of one value in feet, as its line gives them, with its bound.
void RecordFeetValue(std::string_view item, int& metres, Bound& bound) {
  if (!LookUp(kBounds, item.substr(0, 1)).empty()) {
    bound = static_cast<Bound>(item.front());
    item.remove_prefix(1);
  }
  metres = FeetAsTensOfMetres(ToInt(item));
}

// Records a range that FeetRangeText has read (5500FT, 3500VP6000FT/D) in metres.
void RecordFeetRange(std::string_view rest, RunwayRangeValue* value) {
  if (!value) return;
  value->reportedInFeet = true;
  std::string_view values = rest.substr(0, rest.find(kFeet));
  std::string_view tendency = rest.substr(values.size() + kFeet.size());
  if (tendency.starts_with('/')) tendency.remove_prefix(1);
  if (!tendency.empty()) value->tendency = tendency.front();
  const std::size_t range = values.find(kRangeMark);
  if (range == std::string_view::npos) {
    RecordFeetValue(values, value->metres, value->bound);
    return;
  }
  RecordFeetValue(values.substr(0, range), value->metres, value->bound);
  RecordFeetValue(values.substr(range + kRangeMark.size()), value->variationMaxMetres,
                  value->variationMaxBound);
}

}  // namespace

std::string TranslateRunwayRange(std::string_view group, RunwayRangeValue* value) {
  std::string result = Concat({"RWY", Mid(group, 1, 2)});
  std::string_view rest = group;
  Drop(rest, 3);
  if (!rest.empty() && rest.front() != '/') {
    result += rest.front();  // the designator, L, C or R
    Drop(rest, 1);
  }
  if (value) {
    const std::string_view runway = Mid(group, 1, static_cast<int>(group.size() - rest.size()) - 1);
    std::copy_n(runway.begin(), std::min<std::size_t>(runway.size(), 3), value->runway.begin());
  }
  result += "視程 ";
  Drop(rest, 1);  // the separator
  if (const std::optional<std::string> feet = FeetRangeText(rest)) {
    RecordFeetRange(rest, value);
    return result + *feet;
  }
  RangeRecorder recorder(value);
  while (!rest.empty()) TranslateItem(result, rest, recorder);
  return result;
}

}  // namespace aerolume

#include "translators/runway_range.hpp"

#include <algorithm>

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
    result.append(rest.substr(1, kValueLength)).append(bound);
    recorder.Distance(rest.substr(1, kValueLength), letter[0]);
    Drop(rest, 1 + kValueLength);
  } else if (const std::string_view mark = LookUp(kMarks, letter); !mark.empty()) {
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

}  // namespace

std::string TranslateRunwayRange(std::string_view group, RunwayRangeValue* value) {
  std::string result = Concat({"RWY", Mid(group, 1, 2)});
  std::string_view rest = group;
  Drop(rest, 3);
  if (!rest.empty() && rest.front() != '/') {
    result += rest.front();  // the designator, L or R
    Drop(rest, 1);
  }
  if (value) {
    const std::string_view runway = Mid(group, 1, static_cast<int>(group.size() - rest.size()) - 1);
    std::copy_n(runway.begin(), std::min<std::size_t>(runway.size(), 3), value->runway.begin());
  }
  result += "視程 ";
  Drop(rest, 1);  // the separator
  RangeRecorder recorder(value);
  while (!rest.empty()) TranslateItem(result, rest, recorder);
  return result;
}

}  // namespace aerolume

// What a decoded report says, as values rather than lines: the observation of a
// METAR, the periods of a TAF. The rules that write the lines record these as they
// read their groups; nothing reads a report a second time.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "translators/utc_time.hpp"

namespace aerolume {

// A list of at most N values kept inline: recording a group's value never
// allocates. A report with more groups of a kind than any real one keeps the first N.
template <typename T, std::size_t N>
class BoundedList {
 public:
  void Push(const T& value) {
    if (m_size < N) m_items[m_size++] = value;
  }
  std::size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  const T* begin() const { return m_items.data(); }
  const T* end() const { return m_items.data() + m_size; }
  T& back() { return m_items[m_size - 1]; }
  const T& operator[](std::size_t i) const { return m_items[i]; }
  void clear() { m_size = 0; }

 private:
  std::array<T, N> m_items{};
  std::size_t m_size = 0;
};

// A bound qualifier of a reported distance: M (less than) or P (more than).
enum class Bound : char { None = 0, LessThan = 'M', MoreThan = 'P' };

struct WindValue {
  int directionDegrees = -1;  // true; -1 for a variable direction
  bool variable = false;      // VRB
  int speedKt = -1;
  int gustKt = -1;
  int variableFromDegrees = -1;  // a dddVddd sector
  int variableToDegrees = -1;
  bool calm = false;
};

struct VisibilityValue {
  int metres = 0;
  Bound bound = Bound::None;
  bool tenKmOrMore = false;  // 9999, 10SM and more, CAVOK
  double statuteMiles = -1;  // as reported in statute miles; -1 when given in metres
};

struct RunwayRangeValue {
  std::array<char, 4> runway{};  // "34L"
  int metres = -1;
  Bound bound = Bound::None;
  int variationMaxMetres = -1;  // the upper value of a range (0800V1200)
  Bound variationMaxBound = Bound::None;
  char tendency = 0;  // U, D, N
  bool reportedInFeet = false;
};

// One weather group: its intensity sign and its two-letter codes in order.
struct WeatherGroupValue {
  char intensity = 0;  // '-', '+' or 0 for moderate
  std::array<std::array<char, 2>, 6> codes{};
  int codeCount = 0;
};

struct CloudLayerValue {
  std::array<char, 4> amount{};  // FEW, SCT, BKN, OVC
  int baseFeet = -1;             // -1 for a height not reported (///)
  std::array<char, 4> type{};    // CB, TCU, or empty
};

// The conditions one observation or one forecast period gives. A part is
// "named" when the report gives it: a TAF change group changes only what it names.
struct WeatherValues {
  std::optional<WindValue> wind;
  std::optional<VisibilityValue> visibility;
  bool cavok = false;
  BoundedList<RunwayRangeValue, 8> runwayRanges;
  bool weatherNamed = false;  // weather groups, or NSW for none
  BoundedList<WeatherGroupValue, 8> weather;
  bool cloudsNamed = false;       // layers, a vertical visibility, or a word for none
  std::array<char, 4> skyWord{};  // SKC, NSC, CLR, NCD
  BoundedList<CloudLayerValue, 16> clouds;
  int verticalVisibilityFeet = -1;
};

struct MetarValues {
  WeatherValues observed;
  BoundedList<WeatherGroupValue, 4> recentWeather;
  std::optional<double> temperatureCelsius;
  std::optional<double> dewPointCelsius;
  std::optional<double> qnhHectopascal;
  std::optional<double> qnhInchesOfMercury;
  bool noSignificantChange = false;  // NOSIG
  bool automatic = false;            // AUTO
  bool correction = false;           // COR
  bool missing = false;              // NIL
};

enum class PeriodKind { Base, From, Becoming, Temporary, Probability, ProbabilityTemporary };

struct TafPeriod {
  PeriodKind kind = PeriodKind::Base;
  int probabilityPercent = -1;
  std::optional<UtcMinutes> from;
  std::optional<UtcMinutes> to;
  WeatherValues values;
};

struct TafValues {
  std::optional<UtcMinutes> issued;  // the time line's, which the period groups are read against
  std::vector<TafPeriod> periods;    // the base forecast first, then each change in order
  bool correction = false;
  bool amended = false;
  bool cancelled = false;
  bool missing = false;

  void Clear() {
    periods.clear();
    correction = amended = cancelled = missing = false;
  }
};

}  // namespace aerolume

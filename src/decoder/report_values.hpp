// What a decoded report says, as values rather than lines: the observation of a
// METAR, the periods of a TAF. The rules that write the lines record these as they
// read their groups; nothing reads a report a second time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "translators/utc_time.hpp"

namespace aerolume {

// A list of at most N values kept inline: recording a group's value never
// allocates, and an empty list costs nothing to make, clear or copy (only the values
// it holds are copied). A report with more groups of a kind than any real one keeps
// the first N.
template <typename T, std::size_t N>
class BoundedList {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);
  static_assert(N <= UINT8_MAX);

 public:
  // Written out rather than defaulted: a defaulted one would have `WeatherValues{}` and
  // its kin zero the whole storage, which only the size needs.
  BoundedList() {}  // NOLINT(modernize-use-equals-default)
  BoundedList(const BoundedList& other) { CopyFrom(other); }
  BoundedList& operator=(const BoundedList& other) {
    CopyFrom(other);
    return *this;
  }

  void Push(const T& value) {
    if (m_size < N) std::memcpy(m_storage + sizeof(T) * m_size++, &value, sizeof(T));
  }
  // A new value at the end, to be filled in place; nothing when the list is full.
  T* Add() { return m_size < N ? new (m_storage + sizeof(T) * m_size++) T{} : nullptr; }
  std::size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  const T* begin() const { return std::launder(reinterpret_cast<const T*>(m_storage)); }
  const T* end() const { return begin() + m_size; }
  const T& operator[](std::size_t i) const { return begin()[i]; }
  void clear() { m_size = 0; }

 private:
  void CopyFrom(const BoundedList& other) {
    m_size = other.m_size;
    std::memcpy(m_storage, other.m_storage, sizeof(T) * m_size);
  }

  alignas(T) unsigned char m_storage[sizeof(T) * N];
  std::uint8_t m_size = 0;
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
  TafPeriod() = default;
  // Member by member: a period made as `TafPeriod{kind}` would be zeroed whole first.
  explicit TafPeriod(PeriodKind periodKind) : kind(periodKind) {}

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

// Report times as points in UTC, for values rather than text: TAF periods give a
// day and an hour (FM and hour pairs not even a day), so the month and the day come
// from the report's issue time.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "translators/japan_time.hpp"

namespace aerolume {

// Report times are whole minutes of UTC.
using UtcMinutes = std::chrono::sys_time<std::chrono::minutes>;

// The "YYYY/MM/DD HH:MM" time line as a time; nothing when a field is out of range.
std::optional<UtcMinutes> UtcOfTimeLine(std::string_view timeLine);

// Whether DD and HH can be a day of a month and an hour, 24 being the end of the day.
constexpr bool IsDayHour(int day, int hour) {
  constexpr int kLongestMonth = 31;
  constexpr int kEndOfDay = 24;
  return day >= 1 && day <= kLongestMonth && hour >= 0 && hour <= kEndOfDay;
}

// Day DD, hour HH (24 is the end of the day) in the month of `issue` or the one
// before or after it, whichever is nearest to the issue: a period written on the
// 30th for "0106" starts in the next month.
std::optional<UtcMinutes> NearestDayHour(int day, int hour, UtcMinutes issue);

// The same against an anchor known to fall on day `anchorDayOfMonth` of a month of
// `anchorMonthDays` days (0 for not known), as a period's end is read against its
// start, whose day its group gives: the usual cases then need no calendar at all.
// The time itself is worked out for a day and hour that IsDayHour takes, and made
// optional here, where the caller's code takes it in: an optional that several paths
// of one function fill is copied through memory wider than it was written, and the
// copy waits for the writes (the same for NearbyMonths below).
UtcMinutes NearestOfDayHourFrom(int day, int hour, UtcMinutes anchor, int anchorDayOfMonth,
                                int anchorMonthDays);
inline std::optional<UtcMinutes> NearestDayHourFrom(int day, int hour, UtcMinutes anchor,
                                                    int anchorDayOfMonth, int anchorMonthDays) {
  if (!IsDayHour(day, hour)) return std::nullopt;
  return NearestOfDayHourFrom(day, hour, anchor, anchorDayOfMonth, anchorMonthDays);
}

// The same reading against one time for many groups: the calendar around the time is
// worked out once, as a TAF's period groups all read against its issue.
class NearbyMonths {
 public:
  explicit NearbyMonths(UtcMinutes anchor);
  // The same for an anchor whose UTC date is known already, as a report's issue is from
  // its time line: the date is not worked out again from the time.
  NearbyMonths(UtcMinutes anchor, const CivilTime& anchorDate);
  std::optional<UtcMinutes> NearestDayHour(int day, int hour) const {
    if (!IsDayHour(day, hour)) return std::nullopt;
    return NearestOfDayHour(day, hour);
  }
  UtcMinutes NearestOfDayHour(int day, int hour) const;
  // The days of the month that `time` falls in, 0 for a time outside these months.
  int DaysInMonthOf(UtcMinutes time) const;

 private:
  UtcMinutes m_anchor;
  std::chrono::sys_days m_anchorDay;
  int m_dayOfMonth;
  int m_daysInMonthBefore;
  int m_daysInMonth;
  int m_daysInNextMonth;
};

// The first HH:MM at or after `anchor` (hour 24 is midnight): how an FM time or an
// hour pair without a day follows the period before it.
std::optional<UtcMinutes> ClockTimeFrom(int hour, int minute, UtcMinutes anchor);

// "2026-12-01T06:00:00Z".
std::string IsoUtc(UtcMinutes time);

}  // namespace aerolume

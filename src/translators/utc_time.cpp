#include "translators/utc_time.hpp"

#include <cstdlib>

#include "translators/japan_time.hpp"
#include "translators/text.hpp"

namespace aerolume {

namespace {

using std::chrono::days;
using std::chrono::hours;
using std::chrono::minutes;

constexpr int kHoursPerDay = 24;

int DayNumber(std::chrono::day day) {
  return static_cast<int>(static_cast<unsigned>(day));
}

int DaysIn(std::chrono::year_month month) {
  return DayNumber((month / std::chrono::last).day());
}

// A day of one of the months around an anchor, as the days from the anchor's day to
// it: reckoned without converting calendar dates.
struct MonthDay {
  int daysInMonth;
  int daysFromAnchor;
};

// Every month has the days up to this one; a time within half of it from the issue is
// nearer than the same day and hour of the month before or after.
constexpr int kShortestMonth = 28;
constexpr days kSurelyNearest{kShortestMonth / 2};

bool IsDayHour(int day, int hour) {
  constexpr int kLongestMonth = 31;
  return day >= 1 && day <= kLongestMonth && hour >= 0 && hour <= kHoursPerDay;
}

std::optional<UtcMinutes> AtDayHour(std::chrono::year_month month, int day, int hour) {
  const std::chrono::year_month_day date{month / std::chrono::day(static_cast<unsigned>(day))};
  if (!date.ok()) return std::nullopt;
  return UtcMinutes(std::chrono::sys_days(date)) + hours(hour);
}

void AppendTwoDigits(std::string& text, int value) {
  text.push_back(static_cast<char>('0' + value / 10));
  text.push_back(static_cast<char>('0' + value % 10));
}

}  // namespace

std::optional<UtcMinutes> UtcOfTimeLine(std::string_view timeLine) {
  const CivilTime line = ReadTimeLine(timeLine);
  if (line.month < 1 || line.month > 12 || line.hour > 23 || line.minute > 59) return std::nullopt;
  const std::chrono::year_month month{std::chrono::year(line.year),
                                      std::chrono::month(static_cast<unsigned>(line.month))};
  const std::optional<UtcMinutes> start = AtDayHour(month, line.day, line.hour);
  if (!start) return std::nullopt;
  return *start + minutes(line.minute);
}

std::optional<UtcMinutes> NearestDayHour(int day, int hour, UtcMinutes issue) {
  const int issueDayOfMonth =
      DayNumber(std::chrono::year_month_day(std::chrono::floor<days>(issue)).day());
  return NearestDayHourFrom(day, hour, issue, issueDayOfMonth, 0);
}

std::optional<UtcMinutes> NearestDayHourFrom(int day, int hour, UtcMinutes anchor,
                                             int anchorDayOfMonth, int anchorMonthDays) {
  // The usual cases, a day every month has near the anchor in its month or, across the
  // month's end, in the next, need no other month.
  if (IsDayHour(day, hour) && day <= kShortestMonth) {
    const UtcMinutes anchorDay = std::chrono::floor<days>(anchor);
    const UtcMinutes sameMonth = anchorDay + days(day - anchorDayOfMonth) + hours(hour);
    if (std::chrono::abs(sameMonth - anchor) <= kSurelyNearest) return sameMonth;
    const UtcMinutes nextMonth = sameMonth + days(anchorMonthDays);
    if (anchorMonthDays > 0 && std::chrono::abs(nextMonth - anchor) < kSurelyNearest) {
      return nextMonth;
    }
  }
  return NearbyMonths(anchor).NearestDayHour(day, hour);
}

NearbyMonths::NearbyMonths(UtcMinutes anchor)
    : m_anchor(anchor), m_anchorDay(std::chrono::floor<days>(anchor)) {
  const std::chrono::year_month_day date{m_anchorDay};
  const std::chrono::year_month month = date.year() / date.month();
  m_dayOfMonth = DayNumber(date.day());
  m_daysInMonthBefore = DaysIn(month - std::chrono::months(1));
  m_daysInMonth = DaysIn(month);
  m_daysInNextMonth = DaysIn(month + std::chrono::months(1));
}

int NearbyMonths::DaysInMonthOf(UtcMinutes time) const {
  const std::chrono::sys_days monthStart = m_anchorDay - days(m_dayOfMonth - 1);
  const std::chrono::sys_days nextMonthStart = monthStart + days(m_daysInMonth);
  if (time < monthStart - days(m_daysInMonthBefore)) return 0;
  if (time < monthStart) return m_daysInMonthBefore;
  if (time < nextMonthStart) return m_daysInMonth;
  if (time < nextMonthStart + days(m_daysInNextMonth)) return m_daysInNextMonth;
  return 0;
}

std::optional<UtcMinutes> NearbyMonths::NearestDayHour(int day, int hour) const {
  if (!IsDayHour(day, hour)) return std::nullopt;
  // Nearly every period starts within days of its issue, in the issue's month or the
  // one before: no other month can be nearer.
  if (day <= kShortestMonth) {
    const UtcMinutes sameMonth = m_anchorDay + days(day - m_dayOfMonth) + hours(hour);
    if (std::chrono::abs(sameMonth - m_anchor) <= kSurelyNearest) return sameMonth;
    const UtcMinutes monthBefore = sameMonth - days(m_daysInMonthBefore);
    if (std::chrono::abs(monthBefore - m_anchor) < kSurelyNearest) return monthBefore;
  }
  // The day in the anchor's month, the next and the one before, as days from the
  // anchor's day; of two equally near, the first wins.
  const MonthDay candidates[] = {
      {m_daysInMonth, day - m_dayOfMonth},
      {m_daysInNextMonth, m_daysInMonth - m_dayOfMonth + day},
      {m_daysInMonthBefore, day - m_dayOfMonth - m_daysInMonthBefore},
  };
  std::optional<UtcMinutes> nearest;
  for (const MonthDay& candidate : candidates) {
    if (day > candidate.daysInMonth) continue;
    // Hour 24 is the next day's start, which need not be a date of the month.
    const UtcMinutes time = m_anchorDay + days(candidate.daysFromAnchor) + hours(hour);
    if (!nearest || std::chrono::abs(time - m_anchor) < std::chrono::abs(*nearest - m_anchor)) {
      nearest = time;
    }
  }
  return nearest;
}

std::optional<UtcMinutes> ClockTimeFrom(int hour, int minute, UtcMinutes anchor) {
  if (hour < 0 || hour > kHoursPerDay || minute < 0 || minute > 59) return std::nullopt;
  const UtcMinutes dayStart = std::chrono::floor<days>(anchor);
  UtcMinutes time = dayStart + hours(hour) + minutes(minute);
  if (time < anchor) time += days(1);
  return time;
}

std::string IsoUtc(UtcMinutes time) {
  const auto dayStart = std::chrono::floor<days>(time);
  const std::chrono::year_month_day date{dayStart};
  const std::chrono::hh_mm_ss clock{time - dayStart};
  std::string text;
  text.reserve(20);
  AppendAnyInt(text, static_cast<int>(date.year()));
  text += '-';
  AppendTwoDigits(text, static_cast<int>(static_cast<unsigned>(date.month())));
  text += '-';
  AppendTwoDigits(text, static_cast<int>(static_cast<unsigned>(date.day())));
  text += 'T';
  AppendTwoDigits(text, static_cast<int>(clock.hours().count()));
  text += ':';
  AppendTwoDigits(text, static_cast<int>(clock.minutes().count()));
  text += ":00Z";
  return text;
}

}  // namespace aerolume

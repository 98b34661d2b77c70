// UTC report times shown as Japan Standard Time (UTC + 9 h, no daylight saving).
// Computed on the UTC calendar, so the machine's own time zone never shifts the result.
#pragma once

#include <optional>
#include <string_view>

namespace aerolume {

struct CivilTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;

  bool operator==(const CivilTime&) const = default;
};

// Checks the fields (year >= 1900, month 1-12, day 1-31, hour 0-23, minute 0-59),
// carries days past the end of a short month into the next one (April 31 -> May 1)
// and adds nine hours. Fields that fail the checks give no time, and neither does a
// time whose year in Japan would need five digits (9999/12/31 15:00 UTC and later).
std::optional<CivilTime> ToJapanTime(const CivilTime& utc);

// The days of `month` (1-12) of `year` in the Gregorian calendar.
int DaysInMonth(int year, int month);

// The year, month, day, hour and minute of a "YYYY/MM/DD HH:MM" time line, each
// converted like atoi from its fixed position; missing positions read as 0.
CivilTime ReadTimeLine(std::string_view timeLine);

}  // namespace aerolume

// Report times as points in UTC, for values rather than text: TAF periods give a
// day and an hour (FM and hour pairs not even a day), so the month and the day come
// from the report's issue time.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace aerolume {

// Report times are whole minutes of UTC.
using UtcMinutes = std::chrono::sys_time<std::chrono::minutes>;

// The "YYYY/MM/DD HH:MM" time line as a time; nothing when a field is out of range.
std::optional<UtcMinutes> UtcOfTimeLine(std::string_view timeLine);

// Day DD, hour HH (24 is the end of the day) in the month of `issue` or the one
// before or after it, whichever is nearest to the issue: a period written on the
// 30th for "0106" starts in the next month.
std::optional<UtcMinutes> NearestDayHour(int day, int hour, UtcMinutes issue);

// The first HH:MM at or after `anchor` (hour 24 is midnight): how an FM time or an
// hour pair without a day follows the period before it.
std::optional<UtcMinutes> ClockTimeFrom(int hour, int minute, UtcMinutes anchor);

// "2026-12-01T06:00:00Z".
std::string IsoUtc(UtcMinutes time);

}  // namespace aerolume

// The UTC time lines "YYYY/MM/DD HH:MM" that aerolume-cli checks or makes up for
// reports that come without one.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace aerolume::cli {

// Exactly "YYYY/MM/DD HH:MM" with a date and time that can be shown, as a station
// file's time line is read: a day past the end of its month runs on into the next.
bool IsTimeLine(std::string_view text);

// A time line that names a real date and time (no February 30th): what an option
// that takes one accepts.
bool IsCalendarTimeLine(std::string_view text);

std::string TimeLineOf(std::chrono::sys_seconds instant);

// The latest moment not after `now` whose day, hour and minute are those of a
// report's "DDHHMMZ" group: this month's, else the month before, and so on. Nothing
// usable in the group gives `now` itself.
std::string TimeLineFromDayTime(std::string_view dayTimeGroup, std::chrono::sys_seconds now);

}  // namespace aerolume::cli

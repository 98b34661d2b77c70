// Times of TAF and trend groups shown as Japanese text in Japan time. The groups
// carry no year or month (FM and hour pairs not even a day), so those come from
// the issue-time line of the report being decoded, read once by ReadTimeLine.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "translators/japan_time.hpp"

namespace aerolume {

// Whether FormatValidityPeriod gives a text for the group, without writing it.
bool HasValidityPeriod(std::string_view group, const CivilTime& line);

// DDHH/DDHH -> "%d日%d時～%d日%d時" (start day and hour, end day and hour).
std::optional<std::string> FormatValidityPeriod(std::string_view group, const CivilTime& line);
// The same text written at the end of `text`; false, and nothing written, when there is none.
bool AppendValidityPeriod(std::string& text, std::string_view group, const CivilTime& line);

// FMhhmm -> "%d時%d分から".
std::optional<std::string> FormatFromTime(std::string_view group, const CivilTime& line);

// FMDDhhmm -> "%d日%d時から", or "%d日%d時%d分から" when the minute is not 0.
std::optional<std::string> FormatFromDayTime(std::string_view group, const CivilTime& line);

// hhhh -> "%d時～%d時".
std::optional<std::string> FormatHourRange(std::string_view group, const CivilTime& line);

// DDHH -> "%d日%d時" (the day and hour of a TX/TN group).
std::optional<std::string> FormatDayHour(std::string_view group, const CivilTime& line);

// hhmm, or mm alone -> "%d時%d分". Minutes alone belong to the observation's hour,
// or to the hour before when they are later than the observation's minute
// (observed at 13:55, "58" is 12:58).
std::optional<std::string> FormatRemarkTime(std::string_view digits, const CivilTime& line);

// Each gives nothing when a field of the group or of the time line is out of range:
// such a group is not a time the program can show.

}  // namespace aerolume

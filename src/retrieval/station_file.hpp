// The text of one station file as the weather server keeps it: the UTC issue time
// "YYYY/MM/DD HH:MM" on the first line, the report after it, lines ended by LF
// (or CR LF, when the file has been through a Windows tool, or CR alone).
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "translators/text.hpp"

namespace aerolume {

// One line: every line end (LF, CR LF or CR) and space becomes a single space; the
// file's closing line end is dropped. Every other byte (tab, anything) is kept as it
// is.
std::string NormalizeReportText(std::string_view bytes);

// The issue time shown in Japan time, "YYYY/MM/DD HH:MM"; nothing when the time
// line cannot be read as a date and time.
std::optional<std::string> FormatIssueTime(std::string_view timeLine);

// The issue time as an instant, for the age of a report; nothing when the time line
// cannot be read, as for FormatIssueTime.
std::optional<std::chrono::sys_seconds> ReadIssueTime(std::string_view timeLine);

// The groups after the station code and its day-time group, split at spaces.
GroupList SplitReportGroups(std::string_view body, std::string_view stationCode);
// The same groups as views into `body`, which must outlive them.
GroupViews SplitReportGroupViews(std::string_view body, std::string_view stationCode);

// A normalised text of at most three bytes is an HTTP status ("404"), not a file.
bool IsStatusText(std::string_view text);
std::string TimeLineOf(std::string_view text);  // the first 16 bytes
std::string BodyOf(std::string_view text);      // everything after the first 17 bytes

}  // namespace aerolume

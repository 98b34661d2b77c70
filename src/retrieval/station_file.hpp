// The text of one station file as the weather server keeps it: the UTC issue time
// "YYYY/MM/DD HH:MM" on the first line, the report after it, lines ended by LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "translators/text.hpp"

namespace aerolume {

// One line: every LF and space becomes a single space; the file's closing LF is
// dropped. Every other byte (CR, tab, anything) is kept as it is.
std::string NormalizeReportText(std::string_view bytes);

// The issue time shown in Japan time, "YYYY/MM/DD HH:MM"; nothing when the time
// line cannot be read as a date and time.
std::optional<std::string> FormatIssueTime(std::string_view timeLine);

// The groups after the station code and its day-time group, split at spaces.
GroupList SplitReportGroups(std::string_view body, std::string_view stationCode);

// A normalised text of at most three bytes is an HTTP status ("404"), not a file.
bool IsStatusText(std::string_view text);
std::string TimeLineOf(std::string_view text);  // the first 16 bytes
std::string BodyOf(std::string_view text);      // everything after the first 17 bytes

}  // namespace aerolume

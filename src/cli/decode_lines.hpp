// aerolume-cli decode --lines: a file of reports, one per line, as the corpus keeps
// them ("[SOURCE<TAB>]REPORT"), each decoded as the program shows it.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "cli/arguments.hpp"
#include "cli/command.hpp"

namespace aerolume::cli {

// One line as a station file: its time line and the report. Nothing for a blank line.
// The time line is the line's own ("YYYY/MM/DD HH:MM " before the report), else
// `timeLine`, else the report's DDHHMMZ in the latest month not after `now`.
struct LineStationFile {
  std::string text;  // "YYYY/MM/DD HH:MM REPORT", normalised
  std::string stationCode;
  bool isTaf = false;
};
std::optional<LineStationFile> StationFileOfLine(std::string_view line, bool allTaf,
                                                 const std::optional<std::string>& timeLine,
                                                 std::chrono::sys_seconds now);

int RunDecodeLines(const Arguments& arguments, CommandIo& io);

}  // namespace aerolume::cli

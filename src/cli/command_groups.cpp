// aerolume-cli groups: the decoder on a group list given word by word.
#include <chrono>

#include "cli/cli.hpp"
#include "cli/command.hpp"
#include "cli/report_json.hpp"
#include "cli/time_line.hpp"
#include "decoder/decode_report.hpp"
#include "translators/shown_text.hpp"

namespace aerolume::cli {

namespace {

std::string CurrentUtcTimeLine() {
  return TimeLineOf(std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
}

int RunGroups(const Arguments& arguments, CommandIo& io) {
  if (arguments.operands.empty()) return UsageError(io, GroupsCommand(), "give at least one GROUP");
  const std::optional<std::string> timeLine = arguments.Value("--time-line");
  if (timeLine && !IsCalendarTimeLine(*timeLine)) {
    return UsageError(io, GroupsCommand(), "--time-line needs \"YYYY/MM/DD HH:MM\"");
  }
  const bool isMetar = !arguments.Has("--taf");
  ReportState state;
  state.m_timeLine = timeLine.value_or(CurrentUtcTimeLine());
  const GroupList groups(arguments.operands.begin(), arguments.operands.end());
  const std::vector<std::string> lines = DecodeReportLines(state, isMetar, groups);
  const std::string decoded = JoinDecodedLines(lines);

  if (arguments.Has("--json")) {
    PrintJson(io, {{"decoded", decoded},
                   {"lines", lines},
                   {"wind", WindJson(state.Wind())},
                   {"past_observation", state.m_pastObservation}});
  } else {
    PrintText(arguments, io, ToLfLineEnds(decoded));
  }
  return kExitOk;
}

}  // namespace

const Command& GroupsCommand() {
  static const Command command{
      "groups",
      {"groups [--taf] [--time-line \"YYYY/MM/DD HH:MM\"] [--json] [--encoding utf-8|cp932] "
       "[--] GROUP..."},
      "Decodes report groups given as words, one Japanese line per group.",
      {{"--taf", "read the groups as a TAF's (a METAR's by default)"},
       {"--time-line \"YYYY/MM/DD HH:MM\"",
        "the UTC issue time TAF times are read against "
        "(default: now)"},
       kJsonHelp,
       kEncodingHelp,
       {"--", "every word after it is a group, even one starting with a dash"}},
      {{"--taf", "--json"}, {"--time-line", "--encoding"}},
      RunGroups};
  return command;
}

}  // namespace aerolume::cli

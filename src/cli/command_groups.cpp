// aerolume-cli groups: the decoder on a group list given word by word.
#include <chrono>
#include <cstdio>

#include "cli/cli.hpp"
#include "cli/command.hpp"
#include "cli/report_json.hpp"
#include "decoder/decode_report.hpp"

namespace aerolume::cli {

namespace {

std::string CurrentUtcTimeLine() {
  using namespace std::chrono;
  const sys_seconds now = floor<seconds>(system_clock::now());
  const sys_days date = floor<days>(now);
  const year_month_day ymd{date};
  const hh_mm_ss clock{now - date};
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d/%02u/%02u %02d:%02d", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()));
  return buffer;
}

int RunGroups(const Arguments& arguments, CommandIo& io) {
  const bool isMetar = !arguments.Has("--taf");
  ReportState state;
  state.m_timeLine = arguments.Value("--time-line").value_or(CurrentUtcTimeLine());
  const GroupList groups(arguments.operands.begin(), arguments.operands.end());
  const std::vector<std::string> lines = DecodeReportLines(state, isMetar, groups);
  const std::string decoded = JoinDecodedLines(lines);

  if (arguments.Has("--json")) {
    PrintJson(io, {{"decoded", decoded},
                   {"lines", lines},
                   {"wind", WindJson(state.Wind())},
                   {"past_observation", state.m_pastObservation}});
  } else {
    PrintText(arguments, io, ToTerminalLines(decoded));
  }
  return kExitOk;
}

}  // namespace

const Command& GroupsCommand() {
  static const Command command{
      "groups",
      "groups [--taf] [--time-line \"YYYY/MM/DD HH:MM\"] [--json] [--encoding utf-8|cp932] "
      "[--] GROUP...",
      {{"--taf", "--json"}, {"--time-line", "--encoding"}},
      RunGroups};
  return command;
}

}  // namespace aerolume::cli

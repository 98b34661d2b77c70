// aerolume-cli decode: one station file, as the server sends it, into the three
// fields the program shows for that report.
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "cli/cli.hpp"
#include "cli/command.hpp"
#include "cli/encoding.hpp"
#include "cli/report_json.hpp"
#include "retrieval/report_display.hpp"
#include "retrieval/station_file.hpp"

namespace aerolume::cli {

namespace {

std::optional<std::string> ReadAll(const Arguments& arguments, CommandIo& io) {
  if (arguments.operands.empty() || arguments.operands.front() == "-") {
    return std::string(std::istreambuf_iterator<char>(io.in), {});
  }
  std::ifstream file(arguments.operands.front(), std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), {});
}

bool IsStationCode(std::string_view word) {
  if (word.size() != 4) return false;
  for (char c : word) {
    if (c < 'A' || c > 'Z') return false;
  }
  return true;
}

// The first group of four capital letters after an optional TAF, AMD or COR.
std::string StationFromBody(const std::string& body) {
  std::istringstream words(body);
  std::string word;
  while (words >> word) {
    if (word == "TAF" || word == "AMD" || word == "COR") continue;
    return IsStationCode(word) ? word : std::string();
  }
  return {};
}

int RunDecode(const Arguments& arguments, CommandIo& io) {
  if (arguments.operands.size() > 1) {
    return UsageError(io, DecodeCommand(), "more than one file");
  }
  const std::optional<std::string> bytes = ReadAll(arguments, io);
  if (!bytes) return UsageError(io, DecodeCommand(), "cannot read " + arguments.operands.front());

  const std::string text = NormalizeReportText(*bytes);
  const ReportKind kind = arguments.Has("--taf") ? ReportKind::Taf : ReportKind::Metar;
  ReportState state;
  state.m_stationCode = arguments.Value("--station").value_or(StationFromBody(BodyOf(text)));
  const ShownReport shown = ComposeReport(state, kind, text);

  if (arguments.Has("--json")) {
    PrintJson(io, ReportJson(state.m_stationCode, kind, shown, state.Wind()));
  } else {
    PrintText(arguments, io, ReportText(shown));
    // The message quotes the file's time line, which may hold any byte.
    if (shown.error) io.err << ReplaceControlCharacters(*shown.error) << '\n';
  }
  return shown.error ? kExitFailed : kExitOk;
}

}  // namespace

const Command& DecodeCommand() {
  static const Command command{
      "decode",
      "decode [--station CODE] [--taf] [--json] [--encoding utf-8|cp932] [FILE]",
      {{"--taf", "--json"}, {"--station", "--encoding"}},
      RunDecode};
  return command;
}

}  // namespace aerolume::cli

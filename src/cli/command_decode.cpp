// aerolume-cli decode: station files, as the server sends them, into the three
// fields the program shows for each report; with --lines, one report per line.
#include <algorithm>
#include <optional>
#include <sstream>
#include <utility>

#include "cli/cli.hpp"
#include "cli/command.hpp"
#include "cli/coverage.hpp"
#include "cli/decode_lines.hpp"
#include "cli/input.hpp"
#include "cli/report_json.hpp"
#include "cli/time_line.hpp"
#include "cli/values_json.hpp"
#include "retrieval/report_display.hpp"
#include "retrieval/station_file.hpp"

namespace aerolume::cli {

namespace {

bool IsStationCode(std::string_view word) {
  if (word.size() != 4) return false;
  for (char c : word) {
    if (c < 'A' || c > 'Z') return false;
  }
  return true;
}

// The first group of four capital letters after the optional METAR, SPECI, TAF, AMD
// or COR, as decode --lines finds it.
std::string StationFromBody(const std::string& body) {
  std::istringstream words(body);
  std::string word;
  while (words >> word) {
    if (IsReportWord(word)) continue;
    return IsStationCode(word) ? word : std::string();
  }
  return {};
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Where the line starting at `start` ends (LF, CR LF or CR), and where the next begins.
std::pair<std::size_t, std::size_t> LineEnd(std::string_view bytes, std::size_t start) {
  const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
  const bool crLf = bytes.substr(end).starts_with("\r\n");
  return {end, end + (crLf ? 2 : 1)};
}

// Station files one after another (`cat RJTT.TXT RJBB.TXT`): each time line at the
// start of a line begins the next file.
std::vector<std::string_view> SplitStationFiles(std::string_view bytes) {
  std::vector<std::string_view> files;
  std::size_t fileStart = 0;
  for (std::size_t lineStart = 0; lineStart < bytes.size();) {
    const auto [end, next] = LineEnd(bytes, lineStart);
    if (lineStart > fileStart && IsTimeLine(bytes.substr(lineStart, end - lineStart))) {
      files.push_back(bytes.substr(fileStart, lineStart - fileStart));
      fileStart = lineStart;
    }
    lineStart = next;
  }
  files.push_back(bytes.substr(fileStart));
  std::erase_if(files, IsBlank);
  return files;
}

struct DecodedFile {
  std::string station;
  ReportKind kind;
  ShownReport shown;
  WindValues wind;
  ReportState state;     // what decoding left, the report's values among it
  bool isShown = false;  // a report, not a status text or an unreadable time
};

DecodedFile DecodeStationFile(const Arguments& arguments, std::string_view bytes) {
  const std::string text = NormalizeReportText(bytes);
  DecodedFile decoded{{}, arguments.Has("--taf") ? ReportKind::Taf : ReportKind::Metar, {}, {}, {}};
  ReportState state;
  state.m_stationCode = arguments.Value("--station") ? UpperCaseCode(*arguments.Value("--station"))
                                                     : StationFromBody(BodyOf(text));
  decoded.shown = ComposeReport(state, decoded.kind, text);
  decoded.station = state.m_stationCode;
  decoded.wind = state.Wind();
  decoded.state = std::move(state);
  decoded.isShown = IsShownText(text);
  return decoded;
}

int DecodeFiles(const Arguments& arguments, CommandIo& io,
                const std::vector<std::string_view>& files) {
  const bool json = arguments.Has("--json");
  std::string text;
  bool allShown = true;
  for (std::string_view bytes : files) {
    const DecodedFile file = DecodeStationFile(arguments, bytes);
    allShown = allShown && file.isShown;
    nlohmann::json object = ReportJson(file.station, file.kind, file.shown, file.wind);
    AddValuesJson(object, file.kind, file.shown, file.state);
    if (json && files.size() == 1) PrintJson(io, object);
    if (json && files.size() > 1) PrintJsonLine(io, object);
    if (json) continue;
    if (!text.empty()) text += '\n';
    text += ReportText(file.shown);
    // The message quotes the file's time line, which may hold any byte.
    if (file.shown.error) PrintError(arguments, io, *file.shown.error);
  }
  if (!json) PrintText(arguments, io, text);
  return allShown ? kExitOk : kExitFailed;
}

int RunDecode(const Arguments& arguments, CommandIo& io) {
  if (arguments.Has("--lines")) return RunDecodeLines(arguments, io);
  if (arguments.Value("--time-line")) {
    return UsageError(io, DecodeCommand(), "--time-line goes with --lines");
  }
  if (arguments.operands.size() > 1) {
    return UsageError(io, DecodeCommand(), "more than one file (--lines reads several)");
  }
  InputStream input(arguments.operands.empty() ? "-" : arguments.operands.front(), io.in);
  if (!input.Error().empty()) return UsageError(io, DecodeCommand(), input.Error());
  const InputText read = ReadWhole(input);
  if (!input.Error().empty()) return UsageError(io, DecodeCommand(), input.Error());
  if (read.tooLarge) {
    PrintError(arguments, io, "aerolume-cli decode: " + TooLargeMessage(input));
    return kExitFailed;
  }
  const std::vector<std::string_view> files = SplitStationFiles(read.bytes);
  if (files.empty()) {
    PrintError(arguments, io, "aerolume-cli decode: no report in the input");
    return kExitFailed;
  }
  return DecodeFiles(arguments, io, files);
}

}  // namespace

const Command& DecodeCommand() {
  static const Command command{
      "decode",
      {"decode [--station CODE] [--taf] [--json] [--encoding utf-8|cp932] [FILE]",
       "decode --lines [--taf] [--time-line \"YYYY/MM/DD HH:MM\"] [--json] "
       "[--encoding utf-8|cp932] [FILE...]"},
      "Decodes station files (a UTC time line \"YYYY/MM/DD HH:MM\", then the report) from FILE "
      "or standard input,\nseveral one after another included; with --lines, one report per "
      "line.",
      {{"--station CODE", "the station whose groups follow its code (default: the report's)"},
       {"--taf", "read the reports as TAFs (with --lines, a line starting with TAF is one)"},
       {"--lines", "one report per line: [SOURCE<TAB>][\"YYYY/MM/DD HH:MM \"]REPORT"},
       {"--time-line \"YYYY/MM/DD HH:MM\"",
        "with --lines, the UTC issue time of lines without one (default: the report's "
        "DDHHMMZ in the latest month not in the future)"},
       {"--json",
        "print JSON instead of text (with --lines or several files, one object per "
        "line)"},
       kEncodingHelp},
      {{"--taf", "--json", "--lines"}, {"--station", "--encoding", "--time-line"}},
      RunDecode};
  return command;
}

}  // namespace aerolume::cli

// aerolume-cli fetch: one selection cycle for a station, as the desktop program runs
// it when the station is chosen, shown on the terminal.
#include <map>
#include <optional>
#include <ostream>
#include <set>

#include "cli/cli.hpp"
#include "cli/command.hpp"
#include "cli/download_options.hpp"
#include "cli/report_json.hpp"
#include "cli/values_json.hpp"
#include "conditions/category_reason.hpp"
#include "retrieval/report_download.hpp"
#include "retrieval/report_session.hpp"
#include "stations/station_catalogue.hpp"

namespace aerolume::cli {

namespace {

// The terminal as the session's view, and the network as its source: messages go
// to standard error at once; fields, wind and the downloaded texts are kept for the
// output at the end. A report counts as shown when the cycle set its time field
// after the download.
class FetchRecorder : public ReportView, public ReportSource {
 public:
  FetchRecorder(const Arguments& arguments, CommandIo& io, const DownloadSettings& settings)
      : m_arguments(arguments), m_io(io), m_network(settings) {}

  DownloadResult DownloadReports(const std::string& stationCode, std::stop_token stop) override {
    DownloadResult result = m_network.DownloadReports(stationCode, std::move(stop));
    m_downloaded = result.Succeeded();
    m_metarText = result.metarText;
    m_tafText = result.tafText;
    m_failures = result.failures;
    m_metarOrigin = result.metarOrigin;
    m_tafOrigin = result.tafOrigin;
    return result;
  }

  void SetField(ReportField field, const std::string& text) override {
    m_fields[field] = text;
    if (m_downloaded) m_shownFields.insert(field);
  }
  // The terminal gets every line of a message; the JSON keeps its first line, and
  // the rest of a download failure goes to "details".
  void ShowMessage(const std::string& text, MessageIcon) override {
    m_messages.push_back(text.substr(0, text.find('\n')));
    PrintError(m_arguments, m_io, text);
    m_io.err << std::flush;
  }
  void ShowWind(const std::string&, const WindValues& wind) override { m_wind = wind; }
  void ShowCategory(const CategoryJudgement& judgement) override { m_category = judgement; }

  bool Downloaded() const { return m_downloaded; }
  bool Shown(ReportField timeField) const { return m_shownFields.count(timeField) != 0; }
  std::string Field(ReportField field) const {
    const auto found = m_fields.find(field);
    return found == m_fields.end() ? std::string() : found->second;
  }
  const std::string& MetarText() const { return m_metarText; }
  const std::string& TafText() const { return m_tafText; }
  const std::vector<std::string>& Messages() const { return m_messages; }
  const std::vector<DownloadFailure>& Failures() const { return m_failures; }
  const std::optional<WindValues>& Wind() const { return m_wind; }
  const std::optional<CategoryJudgement>& Category() const { return m_category; }
  ReportOrigin Origin(ReportKind kind) const {
    return kind == ReportKind::Metar ? m_metarOrigin : m_tafOrigin;
  }

 private:
  const Arguments& m_arguments;
  CommandIo& m_io;
  CurlReportSource m_network;
  bool m_downloaded = false;
  std::string m_metarText;
  std::string m_tafText;
  std::map<ReportField, std::string> m_fields;
  std::set<ReportField> m_shownFields;
  std::vector<std::string> m_messages;
  std::vector<DownloadFailure> m_failures;
  std::optional<WindValues> m_wind;
  std::optional<CategoryJudgement> m_category;
  ReportOrigin m_metarOrigin = ReportOrigin::Primary;
  ReportOrigin m_tafOrigin = ReportOrigin::Primary;
};

std::string WindLine(const WindValues& wind) {
  return "wind: " + std::to_string(wind.m_windDirection) + ' ' + std::to_string(wind.m_windSpeed) +
         ' ' + std::to_string(wind.m_windVarFrom) + ' ' + std::to_string(wind.m_windVarTo) + '\n';
}

// Sections are set apart by one blank line, whether or not a report ends in one.
void AppendSection(std::string& text, const std::string& section) {
  if (!text.empty() && !text.ends_with("\n\n")) text += '\n';
  text += section;
}

std::string FetchText(const std::string& station, const FetchRecorder& recorder) {
  std::string text;
  const auto appendReport = [&](const char* heading, ReportField time, ReportField raw,
                                ReportField decoded) {
    if (!recorder.Shown(time)) return;
    ShownReport shown;
    shown.time = recorder.Field(time);
    shown.raw = recorder.Field(raw);
    shown.decoded = recorder.Field(decoded);
    AppendSection(text, std::string(heading) + '\n' + ReportText(shown));
  };
  appendReport("METAR", ReportField::MetarTime, ReportField::MetarRaw, ReportField::MetarDecoded);
  appendReport("TAF", ReportField::TafTime, ReportField::TafRaw, ReportField::TafDecoded);
  if (recorder.Category()) {
    AppendSection(text, "category: " + CategoryLine(*recorder.Category()) + '\n');
  }
  if (recorder.Wind()) {
    AppendSection(text, WindLine(*recorder.Wind()) + RunwaysText(station, *recorder.Wind()));
  }
  return text;
}

// The second source's failed request beside the server's, or null when it was not asked.
nlohmann::json FallbackDetails(const std::optional<FailedRequest>& fallback) {
  if (!fallback) return nullptr;
  return {{"url", fallback->url}, {"cause", fallback->cause}, {"curl", fallback->curlText}};
}

nlohmann::json FailureDetails(const std::vector<DownloadFailure>& failures) {
  nlohmann::json details = nlohmann::json::array();
  for (const DownloadFailure& failure : failures) {
    details.push_back({{"report", failure.report == ReportKind::Metar ? "metar" : "taf"},
                       {"url", failure.url},
                       {"cause", failure.cause},
                       {"curl", failure.curlText},
                       {"fallback", FallbackDetails(failure.fallback)}});
  }
  return details;
}

// The report objects are those of decode --json for the same downloaded texts.
nlohmann::json FetchJson(const std::string& station, const FetchRecorder& recorder) {
  ReportState state;
  state.m_stationCode = station;
  const ShownReport metar = ComposeReport(state, ReportKind::Metar, recorder.MetarText());
  const WindValues metarWind = state.Wind();
  const ShownReport taf = ComposeReport(state, ReportKind::Taf, recorder.TafText());
  const auto reportJson = [&](ReportField time, ReportKind kind, const ShownReport& shown) {
    if (!recorder.Shown(time)) return nlohmann::json();
    nlohmann::json report = ReportJson(station, kind, shown, metarWind);
    AddValuesJson(report, kind, shown, state);
    report["source"] = recorder.Origin(kind) == ReportOrigin::Fallback ? "fallback" : "primary";
    return report;
  };
  return {{"station", station},
          {"ok", recorder.Downloaded()},
          {"messages", recorder.Messages()},
          {"details", FailureDetails(recorder.Failures())},
          {"metar", reportJson(ReportField::MetarTime, ReportKind::Metar, metar)},
          {"taf", reportJson(ReportField::TafTime, ReportKind::Taf, taf)},
          {"wind", recorder.Wind() ? WindJson(*recorder.Wind()) : nlohmann::json()}};
}

// Both reports were shown: downloaded, neither a status text such as "NOT FOUND"
// nor a file whose issue time cannot be read.
bool BothReportsShown(const FetchRecorder& recorder) {
  return recorder.Downloaded() && IsShownText(recorder.MetarText()) &&
         IsShownText(recorder.TafText());
}

// One station's cycle, printed as one block (or one JSON object); true when both
// of its reports were shown.
bool FetchStation(const Arguments& arguments, CommandIo& io, const std::string& station,
                  const DownloadSettings& settings, bool several) {
  FetchRecorder recorder(arguments, io, settings);
  InlineFetchRunner runner;
  ReportSession session(recorder, recorder, runner);
  session.Select(station);

  if (arguments.Has("--json")) {
    if (several) {
      PrintJsonLine(io, FetchJson(station, recorder));
    } else {
      PrintJson(io, FetchJson(station, recorder));
    }
  } else {
    PrintText(arguments, io,
              several ? "station: " + station + '\n' + FetchText(station, recorder)
                      : FetchText(station, recorder));
  }
  return BothReportsShown(recorder);
}

int RunFetch(const Arguments& arguments, CommandIo& io) {
  if (arguments.operands.empty()) return UsageError(io, FetchCommand(), "give a STATION");
  std::vector<std::string> stations;
  for (const std::string& operand : arguments.operands) {
    stations.push_back(UpperCaseCode(operand));
    if (!IsCatalogueStation(stations.back())) {
      return UsageError(io, FetchCommand(), "unknown station " + operand);
    }
  }
  auto options = ReadDownloadOptions(arguments);
  if (const auto* message = std::get_if<std::string>(&options)) {
    return UsageError(io, FetchCommand(), *message);
  }
  const DownloadSettings& settings = std::get<DownloadSettings>(options);
  const bool several = stations.size() > 1;
  bool allShown = true;
  for (std::size_t i = 0; i < stations.size(); ++i) {
    // Text blocks are set apart by an empty line.
    if (several && i > 0 && !arguments.Has("--json")) PrintText(arguments, io, "\n");
    allShown = FetchStation(arguments, io, stations[i], settings, several) && allShown;
  }
  return allShown ? kExitOk : kExitFailed;
}

}  // namespace

const Command& FetchCommand() {
  static const Command command{
      "fetch",
      {"fetch [--server URL] [--fallback URL | --no-fallback] [--json] [--encoding utf-8|cp932] "
       "STATION..."},
      "Downloads each station's METAR and TAF, as the program does when the station is chosen,\n"
      "and prints both reports decoded, then the wind. Codes are read without regard to case.",
      {kServerHelp,
       kFallbackHelp,
       kNoFallbackHelp,
       {"--json", "print JSON instead of text (several stations: one object per line)"},
       kEncodingHelp},
      {{"--json", "--no-fallback"}, {"--server", "--fallback", "--encoding"}},
      RunFetch};
  return command;
}

}  // namespace aerolume::cli

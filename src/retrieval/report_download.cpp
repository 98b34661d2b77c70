#include "retrieval/report_download.hpp"

#include <iterator>
#include <optional>
#include <thread>
#include <utility>
#include <variant>
#include <vector>

#include "retrieval/curl_transfer.hpp"
#include "retrieval/data_api.hpp"
#include "retrieval/download_cause.hpp"
#include "retrieval/station_file.hpp"

namespace aerolume {

namespace {

constexpr std::string_view kMetarPath = "/observations/metar/stations/";
constexpr std::string_view kTafPath = "/forecasts/taf/stations/";
constexpr std::string_view kPrepareFailedWords = "curl_easy_init() failed";

// One of the two files of a pass, with where the second source keeps the same report.
struct ReportFile {
  ReportKind kind;
  std::string url;
  std::string_view readFailedMessage;
  std::string fallbackUrl;
  ApiReport (*fromApi)(std::string_view json);
};

// What one source gave for a file: its text (the normalised file, or a status text),
// or why it gave none.
struct FileOutcome {
  std::string text;
  std::optional<DownloadFailure> failure;
};

std::string_view TrimBase(std::string_view base) {
  while (!base.empty() && base.back() == '/') base.remove_suffix(1);
  return base;
}

DownloadFailure FailureOf(const ReportFile& file, std::string_view message, std::string cause,
                          std::string curlText) {
  return {file.kind, std::string(message), file.url, std::move(cause), std::move(curlText), {}};
}

std::string StatusWords(const HttpAnswer& answer) {
  return "HTTP " + answer.status;
}

// The server's answer for a file, as the program has always read it.
FileOutcome ServerOutcome(const ReportFile& file, const HttpAnswer& answer) {
  if (!answer.opened) {
    return {{}, FailureOf(file, kOpenUrlFailedMessage, answer.cause, answer.curlText)};
  }
  if (!answer.Successful()) return {answer.status, std::nullopt};
  if (!answer.complete) {
    return {{}, FailureOf(file, file.readFailedMessage, answer.cause, answer.curlText)};
  }
  if (answer.body.size() < kMinimumFileBytes) {
    return {{},
            FailureOf(file, file.readFailedMessage, std::string(kBodyTooShortCause),
                      StatusWords(answer) + ", " + std::to_string(answer.body.size()) + " bytes")};
  }
  return {NormalizeReportText(answer.body), std::nullopt};
}

// The server is failing, rather than saying something about the station: the second
// source may have the file. A 404 says the station issues no such report.
bool ServerFailing(const HttpAnswer& answer, const FileOutcome& outcome) {
  return outcome.failure.has_value() || answer.status == "403" || answer.status.starts_with('5');
}

// The second source's answer for a file: its station file, "404" for a report it does
// not have, or the failed request.
std::variant<std::string, FailedRequest> ApiOutcome(const ReportFile& file,
                                                    const HttpAnswer& answer) {
  const auto failed = [&](std::string cause, std::string words) {
    return FailedRequest{file.fallbackUrl, std::move(cause), std::move(words)};
  };
  if (!answer.opened) return failed(answer.cause, answer.curlText);
  if (answer.status == "204") return std::string("404");
  if (!answer.Successful()) return failed(StatusCause(answer.status), StatusWords(answer));
  if (!answer.complete) return failed(answer.cause, answer.curlText);
  const ApiReport report = file.fromApi(answer.body);
  switch (report.outcome) {
    case ApiReport::Outcome::File:
      return NormalizeReportText(report.text);
    case ApiReport::Outcome::NotFound:
      return std::string("404");
    case ApiReport::Outcome::Unreadable:
      break;
  }
  return failed(std::string(kUnreadableAnswerCause), report.text);
}

// One file of a station from the server or, when it fails, the second source, whose
// handle is opened only when it is needed. Each file has its own, on its own thread.
class FilePass {
 public:
  FilePass(const DownloadSettings& settings, const std::stop_token& stop)
      : m_settings(settings), m_stop(stop) {}

  // False when the pass was stopped.
  bool Fetch(const InternetHandle& server, const ReportFile& file, std::string& text,
             ReportOrigin& origin, std::vector<DownloadFailure>& failures) {
    const HttpAnswer answer = FetchUrl(server, file.url, m_stop);
    if (answer.stopped) return false;
    FileOutcome outcome = ServerOutcome(file, answer);
    if (!m_settings.fallbackBase.empty() && ServerFailing(answer, outcome)) {
      std::optional<FailedRequest> fallbackFailure;
      if (!FetchFromFallback(file, text, fallbackFailure)) return false;
      if (!fallbackFailure) {
        origin = ReportOrigin::Fallback;
        return true;
      }
      // Both failed: the server's status becomes a failure that names both.
      if (!outcome.failure) {
        outcome.failure =
            FailureOf(file, kOpenUrlFailedMessage, StatusCause(answer.status), StatusWords(answer));
      }
      outcome.failure->fallback = std::move(fallbackFailure);
    }
    if (outcome.failure) {
      failures.push_back(std::move(*outcome.failure));
    } else {
      text = std::move(outcome.text);
    }
    return true;
  }

 private:
  bool FetchFromFallback(const ReportFile& file, std::string& text,
                         std::optional<FailedRequest>& failure) {
    if (!m_api) m_api = OpenInternetHandle(m_settings.limits, m_settings.fallbackBase);
    if (!m_api) {
      failure = FailedRequest{file.fallbackUrl, std::string(kPrepareFailedCause),
                              std::string(kPrepareFailedWords)};
      return true;
    }
    const HttpAnswer answer = FetchUrl(*m_api, file.fallbackUrl, m_stop);
    if (answer.stopped) return false;
    auto outcome = ApiOutcome(file, answer);
    if (auto* request = std::get_if<FailedRequest>(&outcome)) {
      failure = std::move(*request);
    } else {
      text = std::move(std::get<std::string>(outcome));
    }
    return true;
  }

  const DownloadSettings& m_settings;
  const std::stop_token& m_stop;
  std::optional<InternetHandle> m_api;  // opened when the second source is first needed
};

}  // namespace

bool IsServerBaseUrl(std::string_view url) {
  return url.starts_with("http://") || url.starts_with("https://");
}

std::string MetarUrl(std::string_view serverBase, std::string_view stationCode) {
  return std::string(TrimBase(serverBase)).append(kMetarPath).append(stationCode).append(".TXT");
}

std::string TafUrl(std::string_view serverBase, std::string_view stationCode) {
  return std::string(TrimBase(serverBase)).append(kTafPath).append(stationCode).append(".TXT");
}

std::string ApiMetarUrl(std::string_view apiBase, std::string_view stationCode, int hours) {
  return std::string(TrimBase(apiBase))
      .append("/metar?ids=")
      .append(stationCode)
      .append("&format=json&hours=")
      .append(std::to_string(hours));
}

std::string ApiTafUrl(std::string_view apiBase, std::string_view stationCode) {
  return std::string(TrimBase(apiBase))
      .append("/taf?ids=")
      .append(stationCode)
      .append("&format=json");
}

std::string ChooseFallbackBase(bool serverGiven, const std::optional<std::string>& fallback,
                               bool noFallback) {
  if (noFallback) return {};
  if (fallback) return *fallback;
  return serverGiven ? std::string() : std::string(kDefaultFallbackBase);
}

DownloadResult DownloadStationFiles(const std::string& stationCode,
                                    const DownloadSettings& settings, std::stop_token stop) {
  DownloadResult result;
  const std::string& api = settings.fallbackBase;
  const ReportFile metar{ReportKind::Metar, MetarUrl(settings.serverBase, stationCode),
                         kMetarReadFailedMessage, ApiMetarUrl(api, stationCode), MetarFileFromApi};
  const ReportFile taf{ReportKind::Taf, TafUrl(settings.serverBase, stationCode),
                       kTafReadFailedMessage, ApiTafUrl(api, stationCode), TafFileFromApi};
  // A handle for each file, so that both are fetched at once.
  const std::optional<InternetHandle> metarServer =
      OpenInternetHandle(settings.limits, settings.serverBase);
  const std::optional<InternetHandle> tafServer =
      metarServer ? OpenInternetHandle(settings.limits, settings.serverBase) : std::nullopt;
  if (!metarServer || !tafServer) {
    result.failures.push_back(FailureOf(metar, kOpenFailedMessage, std::string(kPrepareFailedCause),
                                        std::string(kPrepareFailedWords)));
    return result;
  }
  // A server that stalls on one file then costs one time limit, not one for each file.
  FilePass metarPass(settings, stop);
  FilePass tafPass(settings, stop);
  std::vector<DownloadFailure> tafFailures;
  bool metarFetched = false;
  bool tafFetched = false;
  {
    const std::jthread tafThread([&] {
      tafFetched = tafPass.Fetch(*tafServer, taf, result.tafText, result.tafOrigin, tafFailures);
    });
    metarFetched =
        metarPass.Fetch(*metarServer, metar, result.metarText, result.metarOrigin, result.failures);
  }
  // The METAR's messages come first, as they always have.
  result.failures.insert(result.failures.end(), std::make_move_iterator(tafFailures.begin()),
                         std::make_move_iterator(tafFailures.end()));
  result.stopped = !metarFetched || !tafFetched;
  if (result.stopped) result.failures.clear();
  return result;
}

void CurlReportSource::SetServerBase(std::string serverBase) {
  m_settings.serverBase = std::move(serverBase);
}

void CurlReportSource::SetFallbackBase(std::string fallbackBase) {
  m_settings.fallbackBase = std::move(fallbackBase);
}

DownloadResult CurlReportSource::DownloadReports(const std::string& stationCode,
                                                 std::stop_token stop) {
  return DownloadStationFiles(stationCode, m_settings, std::move(stop));
}

}  // namespace aerolume

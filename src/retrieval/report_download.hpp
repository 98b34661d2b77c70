// Fetching the METAR and TAF station files of one station from the weather server,
// on libcurl: both files at once, each with its own easy handle, driven by a multi
// handle that a stop request wakes at once.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <utility>

#include "retrieval/report_source.hpp"

namespace aerolume {

// Where the public weather-data server keeps the station files today.
inline constexpr std::string_view kDefaultServerBase = "https://tgftp.nws.noaa.gov/data";
// Where the Data API that stands in for it answers today.
inline constexpr std::string_view kDefaultFallbackBase = "https://aviationweather.gov/api/data";

// The first line of the message for each failure.
inline constexpr std::string_view kOpenFailedMessage = "InternetOpen(_T(\"Aerolume\"), ...) Error";
inline constexpr std::string_view kOpenUrlFailedMessage = "InternetOpenUrl(hInternet, ...) Error";
inline constexpr std::string_view kMetarReadFailedMessage = "InternetReadFile(M) Error";
inline constexpr std::string_view kTafReadFailedMessage = "InternetReadFile(T) Error";
// When libcurl cannot set up a handle at all.
inline constexpr std::string_view kPrepareFailedCause = "通信の準備ができません";

// Every transfer is bounded, so a server that never answers ends in a message
// instead of a frozen program, and a runaway body cannot fill memory.
struct DownloadLimits {
  std::chrono::milliseconds connectTimeout{10'000};
  std::chrono::milliseconds totalTimeout{30'000};  // per file, redirects included
  std::size_t maxBodyBytes = 64 * 1024;
  long maxRedirects = 5;
};

struct DownloadSettings {
  std::string serverBase{kDefaultServerBase};  // without the trailing slash
  DownloadLimits limits;
  // The Data API asked for a file the server fails to give; empty for none.
  std::string fallbackBase{};
};

// A 2xx answer shorter than this cannot hold a time line and a report.
inline constexpr std::size_t kMinimumFileBytes = 17;

// A server base the download can use: an http:// or https:// URL.
bool IsServerBaseUrl(std::string_view url);

std::string MetarUrl(std::string_view serverBase, std::string_view stationCode);
std::string TafUrl(std::string_view serverBase, std::string_view stationCode);
// "{base}/metar?ids=RJTT&format=json&hours=3": the observations of the last three hours,
// among them the latest, or of the last `hours`.
std::string ApiMetarUrl(std::string_view apiBase, std::string_view stationCode, int hours = 3);
// "{base}/taf?ids=RJTT&format=json".
std::string ApiTafUrl(std::string_view apiBase, std::string_view stationCode);

// The second source the options ask for: none with --no-fallback, the one given with
// --fallback; a --server alone means none (a mirror is its user's choice), and no
// option at all the Data API.
std::string ChooseFallbackBase(bool serverGiven, const std::optional<std::string>& fallback,
                               bool noFallback);

// Fetches the METAR file and the TAF file at the same time, so that a server that
// stalls costs one time limit, not two. Each text ends up as the normalised
// file, as the status code ("404") when the server answered with anything but 2xx,
// or empty when that file failed, with the failure in the result. A file the server
// fails to give (no connection, 5xx, 403, too short or too long) is asked of the
// second source, when there is one, before that counts as a failure; its answer is
// normalised as the server's file would be, and a report it does not have is "404".
// Gives up within moments once `stop` is requested, and then fetches nothing more.
// The failures list the METAR's first.
DownloadResult DownloadStationFiles(const std::string& stationCode,
                                    const DownloadSettings& settings = {},
                                    std::stop_token stop = {});

// The weather server as the session's source of station files.
class CurlReportSource : public ReportSource {
 public:
  explicit CurlReportSource(DownloadSettings settings = {}) : m_settings(std::move(settings)) {}

  // A mirror, or a local server for tests; a trailing slash is dropped.
  void SetServerBase(std::string serverBase);
  // The second source; empty for none.
  void SetFallbackBase(std::string fallbackBase);
  const DownloadSettings& Settings() const { return m_settings; }

  DownloadResult DownloadReports(const std::string& stationCode, std::stop_token stop) override;

 private:
  DownloadSettings m_settings;
};

}  // namespace aerolume

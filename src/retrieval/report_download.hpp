// Fetching the METAR and TAF station files of one station from the weather server,
// on libcurl: one easy handle per pass, one transfer per file.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "retrieval/report_session.hpp"
#include "retrieval/report_view.hpp"

namespace aerolume {

// Where the public weather-data server keeps the station files today.
inline constexpr std::string_view kDefaultServerBase = "https://tgftp.nws.noaa.gov/data";

// The messages a pass shows, one per failure.
inline constexpr std::string_view kOpenFailedMessage = "InternetOpen(_T(\"Aerolume\"), ...) Error";
inline constexpr std::string_view kOpenUrlFailedMessage = "InternetOpenUrl(hInternet, ...) Error";
inline constexpr std::string_view kMetarReadFailedMessage = "InternetReadFile(M) Error";
inline constexpr std::string_view kTafReadFailedMessage = "InternetReadFile(T) Error";

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
};

// A server base the download can use: an http:// or https:// URL.
bool IsServerBaseUrl(std::string_view url);

std::string MetarUrl(std::string_view serverBase, std::string_view stationCode);
std::string TafUrl(std::string_view serverBase, std::string_view stationCode);

// Fetches the METAR file and then the TAF file. Each text ends up as the normalised
// file, as the status code ("404") when the server answered with anything but 2xx,
// or empty when that file failed. Every failure is shown through the view at once;
// the pass goes on, and returns 0 when anything failed, 1 otherwise.
int DownloadReports(const std::string& stationCode, std::string& metarText, std::string& tafText,
                    ReportView& view, const DownloadSettings& settings = {});

// The weather server as the session's source of station files.
class CurlReportSource : public ReportSource {
 public:
  explicit CurlReportSource(DownloadSettings settings = {}) : m_settings(std::move(settings)) {}

  // A mirror, or a local server for tests; a trailing slash is dropped.
  void SetServerBase(std::string serverBase);
  const DownloadSettings& Settings() const { return m_settings; }

  bool DownloadReports(const std::string& stationCode, std::string& metarText, std::string& tafText,
                       ReportView& view) override;

 private:
  DownloadSettings m_settings;
};

}  // namespace aerolume

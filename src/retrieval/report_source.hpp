// Where the selection cycle gets a station's two files from, and what comes back:
// the texts, and for every file that could not be fetched, why.
#pragma once

#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "retrieval/report_display.hpp"

namespace aerolume {

// Where a report came from: the weather server, or the second source that stands in
// when the server fails.
enum class ReportOrigin { Primary, Fallback };

// A request that failed: the address asked for, what went wrong in Japanese, and the
// HTTP library's (or the answer reader's) own words for it.
struct FailedRequest {
  std::string url;
  std::string cause;
  std::string curlText;
};

// One file that could not be fetched, in the words the user reads.
struct DownloadFailure {
  ReportKind report = ReportKind::Metar;
  std::string message;   // the first line, as the program has always shown it
  std::string url;       // the address asked for
  std::string cause;     // what went wrong, in Japanese
  std::string curlText;  // the HTTP library's own words for it
  // The second source, when it was asked too and failed as well.
  std::optional<FailedRequest> fallback{};
};

// The lines of the message box: the message, which report and its address, and the
// cause with the library's words in parentheses; then the second source's address and
// cause, when it was asked.
std::string FailureMessageText(const DownloadFailure& failure);

// Each text is the normalised file, an HTTP status text such as "404", or empty when
// that file failed. A stopped download has no failures and is never shown.
struct DownloadResult {
  std::string metarText;
  std::string tafText;
  std::vector<DownloadFailure> failures;
  bool stopped = false;
  ReportOrigin metarOrigin = ReportOrigin::Primary;
  ReportOrigin tafOrigin = ReportOrigin::Primary;

  bool Succeeded() const { return failures.empty() && !stopped; }
};

// A status text that says the server failed; "404" says only that the station has no
// such report.
bool IsServerErrorText(const std::string& text);

// Why a download brought less than both reports, as the message boxes say it: the
// first failure's cause, or a server error's status; none when nothing failed.
std::optional<std::string> DownloadFailureCause(const DownloadResult& result);

// Fetches the METAR and TAF station files of one station, normalised into one line
// each. Called away from the user-interface thread: an implementation keeps no state
// that a call changes, and gives up soon after `stop` is requested.
class ReportSource {
 public:
  virtual ~ReportSource() = default;
  virtual DownloadResult DownloadReports(const std::string& stationCode, std::stop_token stop) = 0;
};

}  // namespace aerolume

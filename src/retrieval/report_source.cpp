#include "retrieval/report_source.hpp"

#include "retrieval/station_file.hpp"
#include "retrieval/status_cause.hpp"

namespace aerolume {

namespace {

std::string CauseText(const std::string& cause, const std::string& curlText) {
  return curlText.empty() ? cause : cause + " (" + curlText + ')';
}

void AppendRequest(std::string& text, const char* label, const std::string& url,
                   const std::string& cause, const std::string& curlText) {
  text.append(label).append(url).append("\n").append(CauseText(cause, curlText));
}

}  // namespace

bool IsServerErrorText(const std::string& text) {
  return IsStatusText(text) && text != "404";
}

std::optional<std::string> DownloadFailureCause(const DownloadResult& result) {
  if (!result.failures.empty()) {
    const DownloadFailure& first = result.failures.front();
    return CauseText(first.cause, first.curlText);
  }
  for (const std::string* text : {&result.metarText, &result.tafText}) {
    if (IsServerErrorText(*text)) return StatusCauseText(*text);
  }
  return std::nullopt;
}

std::string FailureMessageText(const DownloadFailure& failure) {
  std::string text = failure.message;
  AppendRequest(text, failure.report == ReportKind::Metar ? "\nMETAR: " : "\nTAF: ", failure.url,
                failure.cause, failure.curlText);
  if (failure.fallback) {
    AppendRequest(text, "\n予備の配信元: ", failure.fallback->url, failure.fallback->cause,
                  failure.fallback->curlText);
  }
  return text;
}

}  // namespace aerolume

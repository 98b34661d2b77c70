#include "retrieval/report_source.hpp"

namespace aerolume {

namespace {

void AppendRequest(std::string& text, const char* label, const std::string& url,
                   const std::string& cause, const std::string& curlText) {
  text.append(label).append(url).append("\n").append(cause);
  if (!curlText.empty()) text += " (" + curlText + ')';
}

}  // namespace

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

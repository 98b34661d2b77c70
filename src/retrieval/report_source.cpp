#include "retrieval/report_source.hpp"

namespace aerolume {

std::string FailureMessageText(const DownloadFailure& failure) {
  std::string text = failure.message;
  text += failure.report == ReportKind::Metar ? "\nMETAR: " : "\nTAF: ";
  text += failure.url;
  text += '\n';
  text += failure.cause;
  if (!failure.curlText.empty()) text += " (" + failure.curlText + ')';
  return text;
}

}  // namespace aerolume

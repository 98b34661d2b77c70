#include "retrieval/station_status.hpp"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "stations/station_catalogue.hpp"

namespace aerolume {

namespace {

constexpr std::string_view kProgramName = "Aerolume";
constexpr std::string_view kSeparator = " — ";
constexpr std::chrono::hours kJapanOffset{9};

std::string StationEntry(const std::string& code) {
  for (std::string_view entry : StationCatalogue()) {
    if (StationCode(entry) == code) return std::string(entry);
  }
  return code;
}

std::string JapanClockText(std::chrono::sys_seconds instant) {
  const auto japan = instant + kJapanOffset;
  const std::chrono::hh_mm_ss clock(japan - std::chrono::floor<std::chrono::days>(japan));
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(clock.hours().count()),
                static_cast<int>(clock.minutes().count()));
  return text;
}

}  // namespace

std::string ReportAgeText(std::chrono::seconds age) {
  const auto minutes = std::chrono::floor<std::chrono::minutes>(std::max(age, {})).count();
  if (minutes < 60) return std::to_string(minutes) + "分前";
  // Past two days the hours no longer matter to anyone.
  if (minutes < 48 * 60) {
    return std::to_string(minutes / 60) + "時間" + std::to_string(minutes % 60) + "分前";
  }
  return std::to_string(minutes / (24 * 60)) + "日前";
}

std::string RefreshFailureNote(std::chrono::sys_seconds failedAt, const std::string& cause) {
  std::string note = " (更新失敗 " + JapanClockText(failedAt);
  if (!cause.empty()) note.append(" ").append(cause);
  return note + ')';
}

std::string WindowTitle(const StationStatus& status, std::chrono::sys_seconds now, bool fetching) {
  if (status.stationCode.empty()) return std::string(kProgramName);
  std::string title = StationEntry(status.stationCode);
  if (status.metarIssued) {
    const std::chrono::seconds age = now - *status.metarIssued;
    title.append(kSeparator).append("METAR ").append(ReportAgeText(age));
    if (age > kStaleReportAge) title += " (古い報告)";
  }
  if (status.fromFallback) title += " (予備の配信元)";
  if (status.refreshFailedAt)
    title += RefreshFailureNote(*status.refreshFailedAt, status.failureCause);
  if (fetching) title.append(kSeparator).append("取得中…");
  return title.append(kSeparator).append(kProgramName);
}

}  // namespace aerolume

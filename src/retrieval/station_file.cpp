#include "retrieval/station_file.hpp"

#include <cstdio>

#include "translators/japan_time.hpp"

namespace aerolume {

namespace {

constexpr int kTimeLineLength = 16;
constexpr int kBodyStart = 17;
// Code, space, DDHHMMZ, space.
constexpr int kGroupsAfterCode = 13;

}  // namespace

std::string NormalizeReportText(std::string_view bytes) {
  if (!bytes.empty() && bytes.back() == '\n') bytes.remove_suffix(1);
  std::string text;
  text.reserve(bytes.size());
  for (char c : bytes) {
    if (c == '\n' || c == ' ') {
      if (!text.empty() && text.back() == ' ') continue;
      text += ' ';
    } else {
      text += c;
    }
  }
  return text;
}

std::optional<std::string> FormatIssueTime(std::string_view timeLine) {
  const std::optional<CivilTime> japan = ToJapanTime(ReadTimeLine(timeLine));
  if (!japan) return std::nullopt;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d %02d:%02d", japan->year, japan->month,
                japan->day, japan->hour, japan->minute);
  return std::string(buffer);
}

GroupList SplitReportGroups(std::string_view body, std::string_view stationCode) {
  const std::size_t codeAt = body.find(stationCode);
  const std::size_t start =
      codeAt == std::string_view::npos ? kGroupsAfterCode - 1 : codeAt + kGroupsAfterCode;
  GroupList groups;
  if (start >= body.size()) return groups;
  std::string_view rest = body.substr(start);
  while (!rest.empty()) {
    const std::size_t begin = rest.find_first_not_of(' ');
    if (begin == std::string_view::npos) break;
    rest.remove_prefix(begin);
    const std::size_t end = rest.find(' ');
    groups.emplace_back(rest.substr(0, end));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end);
  }
  return groups;
}

bool IsStatusText(std::string_view text) {
  return text.size() <= 3;
}

std::string TimeLineOf(std::string_view text) {
  return Left(text, kTimeLineLength);
}

std::string BodyOf(std::string_view text) {
  return Mid(text, kBodyStart);
}

}  // namespace aerolume

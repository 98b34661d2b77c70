#include "retrieval/station_file.hpp"

#include <algorithm>
#include <cstdio>

#include "translators/japan_time.hpp"

namespace aerolume {

namespace {

constexpr int kTimeLineLength = 16;
constexpr int kBodyStart = 17;
// Code, space, DDHHMMZ, space.
constexpr int kGroupsAfterCode = 13;
// Code, space: where a missing report's NIL stands, with no day-time group before it.
constexpr int kCodeAndSpace = 5;
constexpr std::string_view kMissing = "NIL";

// Where the groups start: after the code and its day-time group, or, for a report
// that is only the code and NIL ("METAR CYSY NIL"), at the NIL.
std::size_t FirstGroupAt(std::string_view body, std::size_t codeAt) {
  if (codeAt == std::string_view::npos) return kGroupsAfterCode - 1;
  const std::string_view afterCode = body.substr(std::min(codeAt + kCodeAndSpace, body.size()));
  if (afterCode == kMissing || afterCode.starts_with("NIL ")) return codeAt + kCodeAndSpace;
  return codeAt + kGroupsAfterCode;
}

// `value`, which has no more than `width` digits, written over the `width` bytes at
// `at` with zeros in front, as "%0*d" writes it.
void WriteDigits(char* at, int value, int width) {
  for (int i = width - 1; i >= 0; --i) {
    at[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
}

}  // namespace

std::string NormalizeReportText(std::string_view bytes) {
  if (bytes.ends_with('\n')) bytes.remove_suffix(1);
  if (bytes.ends_with('\r')) bytes.remove_suffix(1);
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    // A CR LF line end must read as LF, or the CR would end up glued to the
    // last group of each line ("Q1012\r") and that group would not decode; a CR
    // alone ends a line as well.
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    if (c == '\n' || c == '\r' || c == ' ') {
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
  // "%04d/%02d/%02d %02d:%02d", without the cost of formatted printing: a Japan time
  // has four digits for the year and two for each other field.
  char text[] = "0000/00/00 00:00";
  WriteDigits(text, japan->year, 4);
  WriteDigits(text + 5, japan->month, 2);
  WriteDigits(text + 8, japan->day, 2);
  WriteDigits(text + 11, japan->hour, 2);
  WriteDigits(text + 14, japan->minute, 2);
  return std::string(text, kTimeLineLength);
}

std::optional<std::chrono::sys_seconds> ReadIssueTime(std::string_view timeLine) {
  using namespace std::chrono;
  const CivilTime utc = ReadTimeLine(timeLine);
  if (!ToJapanTime(utc)) return std::nullopt;
  // A day past the end of its month runs on into the next, as in the shown time.
  const sys_days firstOfMonth = year(utc.year) / month(static_cast<unsigned>(utc.month)) / 1;
  return firstOfMonth + days(utc.day - 1) + hours(utc.hour) + minutes(utc.minute);
}

GroupViews SplitReportGroupViews(std::string_view body, std::string_view stationCode) {
  const std::size_t start = FirstGroupAt(body, body.find(stationCode));
  GroupViews groups;
  if (start >= body.size()) return groups;
  // A group and its space take five bytes or more: room enough for every group.
  constexpr std::size_t kShortestGroupAndSpace = 5;
  groups.reserve((body.size() - start) / kShortestGroupAndSpace + 1);
  const char* at = body.data() + start;
  const char* const end = body.data() + body.size();
  while (at < end) {
    while (at < end && *at == ' ') ++at;
    const char* const groupStart = at;
    at = std::find(at, end, ' ');
    if (at > groupStart) groups.emplace_back(groupStart, static_cast<std::size_t>(at - groupStart));
  }
  return groups;
}

GroupList SplitReportGroups(std::string_view body, std::string_view stationCode) {
  const GroupViews views = SplitReportGroupViews(body, stationCode);
  return GroupList(views.begin(), views.end());
}

bool IsStatusText(std::string_view text) {
  return text.size() <= 3;
}

std::string TimeLineOf(std::string_view text) {
  return std::string(Left(text, kTimeLineLength));
}

std::string BodyOf(std::string_view text) {
  return std::string(Mid(text, kBodyStart));
}

}  // namespace aerolume

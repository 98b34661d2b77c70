#include "retrieval/data_api.hpp"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <variant>

namespace aerolume {

namespace {

using Json = nlohmann::json;

// Unix seconds the time line can show: years 1970 to 9999.
constexpr std::int64_t kLastShownSecond = 253'402'300'799;

ApiReport NotFound() {
  return {ApiReport::Outcome::NotFound, {}};
}

ApiReport Unreadable(std::string why) {
  return {ApiReport::Outcome::Unreadable, std::move(why)};
}

// Parsed without exceptions escaping: a syntax error names where it is, never what
// the bytes were.
std::variant<Json, ApiReport> ParseArray(std::string_view text) {
  Json json;
  try {
    json = Json::parse(text);
  } catch (const Json::parse_error& error) {
    return Unreadable("JSON syntax error at byte " + std::to_string(error.byte));
  } catch (const Json::exception&) {
    // A number too large for any type (1E400), among others: still no crash.
    return Unreadable("JSON value out of range");
  }
  if (!json.is_array()) return Unreadable("JSON: expected an array of reports");
  for (const Json& entry : json) {
    if (!entry.is_object()) return Unreadable("JSON: expected a report object in the array");
  }
  return json;
}

// The answer's entries, or nothing and why the answer as a whole is unreadable.
std::optional<Json> EntriesOrWhy(std::string_view text, std::optional<std::string>& unreadable) {
  auto parsed = ParseArray(text);
  if (auto* failed = std::get_if<ApiReport>(&parsed)) {
    unreadable = failed->text;
    return std::nullopt;
  }
  return std::move(std::get<Json>(parsed));
}

const Json* FieldOf(const Json& entry, const char* name) {
  const auto found = entry.find(name);
  return found == entry.end() || found->is_null() ? nullptr : &*found;
}

std::string TimeLineAt(std::int64_t unixSeconds) {
  const std::chrono::sys_seconds instant{std::chrono::seconds(unixSeconds)};
  const auto day = std::chrono::floor<std::chrono::days>(instant);
  const std::chrono::year_month_day date(day);
  const std::chrono::hh_mm_ss clock(instant - day);
  char text[32];
  std::snprintf(text, sizeof text, "%04d/%02u/%02u %02d:%02d", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()));
  return text;
}

// Seconds since 1970 that a time line can show; nothing for anything else.
std::optional<std::int64_t> UnixSeconds(const Json& value) {
  if (!value.is_number_integer()) return std::nullopt;
  const std::int64_t seconds = value.is_number_unsigned()
                                   ? static_cast<std::int64_t>(std::min<std::uint64_t>(
                                         value.get<std::uint64_t>(), kLastShownSecond + 1))
                                   : value.get<std::int64_t>();
  if (seconds < 0 || seconds > kLastShownSecond) return std::nullopt;
  return seconds;
}

int Digits(std::string_view text, std::size_t at, std::size_t count) {
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// "YYYY-MM-DDTHH:MM" or "YYYY-MM-DD HH:MM", seconds and zone after it as they come.
std::optional<std::int64_t> IsoSeconds(std::string_view text) {
  if (text.size() < 16 || text[4] != '-' || text[7] != '-' || text[13] != ':') return std::nullopt;
  if (text[10] != 'T' && text[10] != ' ') return std::nullopt;
  const int year = Digits(text, 0, 4);
  const int month = Digits(text, 5, 2);
  const int day = Digits(text, 8, 2);
  const int hour = Digits(text, 11, 2);
  const int minute = Digits(text, 14, 2);
  const std::chrono::year_month_day date{std::chrono::year(year),
                                         std::chrono::month(static_cast<unsigned>(month)),
                                         std::chrono::day(static_cast<unsigned>(day))};
  if (year < 1970 || !date.ok() || hour < 0 || hour > 23 || minute < 0 || minute > 59) {
    return std::nullopt;
  }
  const auto instant =
      std::chrono::sys_days(date) + std::chrono::hours(hour) + std::chrono::minutes(minute);
  return std::chrono::duration_cast<std::chrono::seconds>(instant.time_since_epoch()).count();
}

// A time field as Unix seconds, or as an ISO 8601 text.
std::optional<std::int64_t> IssueSeconds(const Json& value) {
  if (value.is_string()) return IsoSeconds(value.get_ref<const std::string&>());
  return UnixSeconds(value);
}

std::string WithoutPrefix(std::string text, std::string_view prefix) {
  if (text.starts_with(prefix)) text.erase(0, prefix.size());
  return text;
}

std::string WithoutTrailingEquals(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\n' || text.back() == '\r')) {
    text.pop_back();
  }
  if (text.ends_with('=')) text.pop_back();
  return text;
}

// The file of one entry: the time line, then the report text the field holds.
ApiReport FileOf(const Json& entry, std::int64_t seconds, const char* reportField,
                 std::string (*shape)(std::string)) {
  const Json* report = FieldOf(entry, reportField);
  if (report == nullptr) return NotFound();
  if (!report->is_string()) return Unreadable(std::string("JSON: ") + reportField + " is not text");
  const std::string text = shape(report->get<std::string>());
  if (text.find_first_not_of(" \n\r") == std::string::npos) return NotFound();
  return {ApiReport::Outcome::File, TimeLineAt(seconds) + '\n' + text + '\n'};
}

std::string MetarReportOf(std::string raw) {
  return WithoutTrailingEquals(WithoutPrefix(WithoutPrefix(std::move(raw), "METAR "), "SPECI "));
}

std::string TafReportOf(std::string raw) {
  return raw.starts_with("TAF ") || raw == "TAF" ? raw : "TAF " + raw;
}

bool MarkedMostRecent(const Json& entry) {
  const Json* mark = FieldOf(entry, "mostRecent");
  return mark != nullptr && ((mark->is_number() && *mark == 1) || (mark->is_boolean() && *mark));
}

// The observation with the largest "obsTime" among one station's entries.
class LatestObservation {
 public:
  void Consider(const Json& entry) {
    if (m_badTime) return;
    const Json* time = FieldOf(entry, "obsTime");
    if (time == nullptr) return;
    const std::optional<std::int64_t> seconds = UnixSeconds(*time);
    if (!seconds) {
      m_badTime = true;
    } else if (*seconds > m_seconds) {
      m_entry = &entry;
      m_seconds = *seconds;
    }
  }

  ApiReport File() const {
    if (m_badTime) return Unreadable("JSON: obsTime is not a time in Unix seconds");
    if (m_entry == nullptr) return NotFound();
    return FileOf(*m_entry, m_seconds, "rawOb", MetarReportOf);
  }

 private:
  const Json* m_entry = nullptr;
  std::int64_t m_seconds = -1;
  bool m_badTime = false;
};

bool MarkedSpeci(const Json& entry) {
  const Json* type = FieldOf(entry, "metarType");
  if (type != nullptr && type->is_string() && *type == "SPECI") return true;
  const Json* report = FieldOf(entry, "rawOb");
  return report != nullptr && report->is_string() &&
         report->get_ref<const std::string&>().starts_with("SPECI ");
}

// One entry as a station file, or why it has none.
std::variant<ObservationFile, std::string> ObservationOf(const Json& entry) {
  const Json* time = FieldOf(entry, "obsTime");
  if (time == nullptr) return std::string("no obsTime");
  const std::optional<std::int64_t> seconds = UnixSeconds(*time);
  if (!seconds) return std::string("JSON: obsTime is not a time in Unix seconds");
  const ApiReport file = FileOf(entry, *seconds, "rawOb", MetarReportOf);
  if (file.outcome == ApiReport::Outcome::NotFound) return std::string("no rawOb");
  if (file.outcome == ApiReport::Outcome::Unreadable) return file.text;
  return ObservationFile{file.text, MarkedSpeci(entry)};
}

std::string StationOf(const Json& entry) {
  const Json* code = FieldOf(entry, "icaoId");
  return code != nullptr && code->is_string() ? code->get<std::string>() : std::string();
}

}  // namespace

ApiReport MetarFileFromApi(std::string_view json) {
  auto parsed = ParseArray(json);
  if (auto* failed = std::get_if<ApiReport>(&parsed)) return *failed;
  LatestObservation latest;
  for (const Json& entry : std::get<Json>(parsed)) latest.Consider(entry);
  return latest.File();
}

ApiMetarBatch MetarFilesFromApi(std::string_view json) {
  ApiMetarBatch batch;
  const std::optional<Json> entries = EntriesOrWhy(json, batch.unreadable);
  if (!entries) return batch;
  std::map<std::string, LatestObservation, std::less<>> latest;
  for (const Json& entry : *entries) {
    std::string code = StationOf(entry);
    if (!code.empty()) latest[std::move(code)].Consider(entry);
  }
  for (const auto& [code, observation] : latest) batch.stations.emplace(code, observation.File());
  return batch;
}

ApiObservations MetarObservationsFromApi(std::string_view json) {
  ApiObservations read;
  const std::optional<Json> entries = EntriesOrWhy(json, read.unreadable);
  if (!entries) return read;
  std::size_t place = 0;
  for (const Json& entry : *entries) {
    ++place;
    auto observation = ObservationOf(entry);
    if (auto* file = std::get_if<ObservationFile>(&observation)) {
      read.observations.push_back(std::move(*file));
    } else {
      read.skipped.push_back("entry " + std::to_string(place) + ": " +
                             std::get<std::string>(observation));
    }
  }
  return read;
}

ApiReport TafFileFromApi(std::string_view json) {
  auto parsed = ParseArray(json);
  if (auto* failed = std::get_if<ApiReport>(&parsed)) return *failed;
  const Json* chosen = nullptr;
  std::int64_t chosenSeconds = -1;
  for (const Json& entry : std::get<Json>(parsed)) {
    const Json* time = FieldOf(entry, "issueTime");
    std::optional<std::int64_t> seconds;
    if (time != nullptr) {
      seconds = IssueSeconds(*time);
      if (!seconds) return Unreadable("JSON: issueTime is not a time");
    }
    // The entry the API marks as the most recent wins over any time.
    if (MarkedMostRecent(entry)) {
      if (!seconds) return NotFound();
      return FileOf(entry, *seconds, "rawTAF", TafReportOf);
    }
    if (seconds && *seconds > chosenSeconds) {
      chosen = &entry;
      chosenSeconds = *seconds;
    }
  }
  if (chosen == nullptr) return NotFound();
  return FileOf(*chosen, chosenSeconds, "rawTAF", TafReportOf);
}

}  // namespace aerolume

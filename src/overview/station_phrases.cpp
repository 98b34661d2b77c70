#include "overview/station_phrases.hpp"

#include "conditions/category_reason.hpp"
#include "retrieval/station_status.hpp"
#include "translators/weather.hpp"
#include "translators/wind_phrase.hpp"

namespace aerolume {

namespace {

constexpr std::string_view kNoReport = "報告なし";
constexpr std::string_view kUnknownCategory = "不明";

std::string WeatherPhrase(const WeatherValues& values) {
  std::string text;
  for (const WeatherGroupValue& group : values.weather) {
    if (!text.empty()) text += "、";
    text += TranslateWeather(group);
  }
  return text;
}

// Only a report that names its sky says whether there is a ceiling.
std::string CeilingPhrase(const WeatherValues& values) {
  if (!values.cloudsNamed && !values.cavok) return {};
  return CeilingPhraseJapanese(CeilingOf(values));
}

void AddLine(std::string& text, const std::string& line) {
  if (!line.empty()) text.append("\n").append(line);
}

}  // namespace

StationPhrases PhrasesOf(const OverviewStation& station, UtcMinutes now) {
  StationPhrases phrases;
  const std::string_view category = CategoryName(CategoryOf(station));
  phrases.category = category.empty() ? kUnknownCategory : category;
  if (!station.HasReport()) {
    phrases.age = kNoReport;
    return phrases;
  }
  phrases.age = ReportAgeText(now - *station.observed);
  phrases.reason = CategoryReasonJapanese(station.judgement);
  const WeatherValues& observed = station.values.observed;
  if (observed.wind) phrases.wind = WindPhrase(*observed.wind);
  if (observed.visibility) phrases.visibility = VisibilityPhraseJapanese(*observed.visibility);
  phrases.ceiling = CeilingPhrase(observed);
  phrases.weather = WeatherPhrase(observed);
  return phrases;
}

std::string StationTooltip(const OverviewStation& station, UtcMinutes now) {
  std::string text = station.code + " " + station.name;
  const StationPhrases phrases = PhrasesOf(station, now);
  if (!station.HasReport()) {
    AddLine(text, phrases.age + (station.failure.empty() ? "" : " (" + station.failure + ")"));
    return text;
  }
  AddLine(text, "観測 " + phrases.age);
  AddLine(text, phrases.category + (phrases.reason.empty() ? "" : " (" + phrases.reason + ")"));
  AddLine(text, phrases.wind);
  AddLine(text, phrases.visibility);
  AddLine(text, phrases.ceiling);
  AddLine(text, phrases.weather);
  return text;
}

}  // namespace aerolume

#include "conditions/taf_hour_text.hpp"

#include <cmath>

#include "conditions/category_reason.hpp"
#include "conditions/flight_category.hpp"
#include "conditions/taf_hours.hpp"
#include "translators/japan_time.hpp"
#include "translators/text.hpp"
#include "translators/weather.hpp"

namespace aerolume {

namespace {

void AppendPadded(std::string& text, int value, int digits) {
  std::string number = FormatInt(value);
  if (static_cast<int>(number.size()) < digits) {
    number.insert(0, NonNegative(digits - static_cast<int>(number.size())), '0');
  }
  text += number;
}

std::string WindCode(const WindValue& wind) {
  if (wind.calm) return "00000KT";
  std::string code;
  if (wind.variable) {
    code = "VRB";
  } else {
    AppendPadded(code, wind.directionDegrees, 3);
  }
  AppendPadded(code, wind.speedKt, 2);
  if (wind.gustKt >= 0) {
    code += 'G';
    AppendPadded(code, wind.gustKt, 2);
  }
  return code + "KT";
}

// "1/2SM", "2SM", "1 1/2SM": a distance in statute miles as it was written.
std::string MilesCode(double miles) {
  const int whole = static_cast<int>(miles);
  const double part = miles - whole;
  std::string code = whole > 0 ? FormatInt(whole) : std::string();
  for (int denominator : {2, 4, 8, 16}) {
    const double numerator = part * denominator;
    if (part > 0 && std::abs(numerator - std::round(numerator)) < 1e-6) {
      if (!code.empty()) code += ' ';
      Append(code,
             {FormatInt(static_cast<int>(std::round(numerator))), "/", FormatInt(denominator)});
      break;
    }
  }
  return code + "SM";
}

std::string VisibilityCode(const VisibilityValue& visibility) {
  std::string code;
  if (visibility.bound != Bound::None) code += static_cast<char>(visibility.bound);
  if (visibility.statuteMiles >= 0) return code + MilesCode(visibility.statuteMiles);
  if (visibility.tenKmOrMore) return "9999";
  AppendPadded(code, visibility.metres, 4);
  return code;
}

std::string WeatherCode(const WeatherGroupValue& group) {
  std::string code;
  if (group.intensity != 0) code += group.intensity;
  for (int i = 0; i < group.codeCount; ++i) code.append(group.codes[NonNegative(i)].data(), 2);
  return code;
}

void AppendPart(std::string& text, const std::string& part) {
  if (part.empty()) return;
  if (!text.empty()) text += ' ';
  text += part;
}

std::string WindJapanese(const WindValue& wind) {
  if (wind.calm) return "風 静穏";
  std::string text =
      wind.variable ? "風 不定 " : Concat({"風 ", FormatInt(wind.directionDegrees), "° "});
  Append(text, {FormatInt(wind.speedKt), "KT"});
  if (wind.gustKt >= 0) Append(text, {" 最大瞬間 ", FormatInt(wind.gustKt), "KT"});
  return text;
}

std::string WeatherJapanese(const WeatherValues& values) {
  if (!values.weatherNamed) return {};
  if (values.weather.empty()) return "顕著な天気なし";
  std::string text;
  for (const WeatherGroupValue& group : values.weather) {
    if (!text.empty()) text += "、";
    text += TranslateWeather(WeatherCode(group));
  }
  return text;
}

// "IFR（雲底 800フィート (BKN008)） 風 200° 15KT 霧"; the reason already names the
// visibility or the ceiling that decided the category.
std::string ForecastJapanese(const WeatherValues& values) {
  const CategoryJudgement judgement = JudgeCategory(values);
  std::string text;
  if (judgement.category != FlightCategory::Unknown) {
    text =
        Concat({CategoryName(judgement.category), "（", CategoryReasonJapanese(judgement), "）"});
  }
  if (values.wind) AppendPart(text, WindJapanese(*values.wind));
  AppendPart(text, WeatherJapanese(values));
  return text;
}

std::string HourJapanese(UtcMinutes hour) {
  const auto civil = [](UtcMinutes time) {
    const auto day = std::chrono::floor<std::chrono::days>(time);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss clock{time - day};
    return ToJapanTime({static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                        static_cast<int>(unsigned(date.day())),
                        static_cast<int>(clock.hours().count()), 0})
        .value_or(CivilTime{});
  };
  const CivilTime start = civil(hour);
  const CivilTime end = civil(hour + std::chrono::hours(1));
  return Concat({FormatInt(start.day), "日 ", FormatInt(start.hour), "時～", FormatInt(end.hour),
                 "時（日本時間）"});
}

}  // namespace

std::string ForecastCodes(const WeatherValues& values) {
  std::string text;
  if (values.wind) AppendPart(text, WindCode(*values.wind));
  if (values.cavok) {
    AppendPart(text, "CAVOK");
    return text;
  }
  if (values.visibility) AppendPart(text, VisibilityCode(*values.visibility));
  if (values.weatherNamed && values.weather.empty()) AppendPart(text, "NSW");
  for (const WeatherGroupValue& group : values.weather) AppendPart(text, WeatherCode(group));
  return text;
}

std::string SkyCodes(const WeatherValues& values) {
  if (!values.cloudsNamed) return {};
  std::string text;
  if (values.skyWord[0] != 0) AppendPart(text, std::string(values.skyWord.data(), 3));
  if (values.verticalVisibilityFeet >= 0) {
    std::string code = "VV";
    AppendPadded(code, values.verticalVisibilityFeet / 100, 3);
    AppendPart(text, code);
  }
  for (const CloudLayerValue& layer : values.clouds) {
    std::string code(layer.amount.data(), 3);
    if (layer.baseFeet < 0) {
      code += "///";
    } else {
      AppendPadded(code, layer.baseFeet / 100, 3);
    }
    code += layer.type.data();
    AppendPart(text, code);
  }
  return text;
}

std::string AlternativeName(PeriodKind kind, int probabilityPercent) {
  const std::string probability = "PROB" + FormatInt(probabilityPercent);
  switch (kind) {
    case PeriodKind::Temporary:
      return "TEMPO";
    case PeriodKind::Probability:
      return probability;
    case PeriodKind::ProbabilityTemporary:
      return probability + " TEMPO";
    default:
      return {};
  }
}

std::string TafHourJapanese(const TafValues& taf, UtcMinutes hour) {
  std::string text = HourJapanese(hour);
  text += '\n';
  text += ForecastJapanese(PrevailingAt(taf, hour));
  for (const TafAlternative& alternative : AlternativeGroupsAt(taf, hour)) {
    Append(text, {"\n", AlternativeName(alternative.kind, alternative.probabilityPercent), ": ",
                  ForecastJapanese(alternative.values)});
  }
  return text;
}

}  // namespace aerolume

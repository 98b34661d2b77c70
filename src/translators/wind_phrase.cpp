#include "translators/wind_phrase.hpp"

#include "translators/text.hpp"

namespace aerolume {

namespace {

void AppendThreeDigits(std::string& text, int degrees) {
  text += static_cast<char>('0' + degrees / 100 % 10);
  text += static_cast<char>('0' + degrees / 10 % 10);
  text += static_cast<char>('0' + degrees % 10);
}

}  // namespace

std::string WindPhrase(const WindValue& wind) {
  if (wind.calm) return std::string(kCalmWords);
  if (wind.speedKt < 0) return {};
  std::string text;
  if (wind.variable || wind.directionDegrees < 0) {
    text = kVariableDirectionWords;
  } else {
    AppendThreeDigits(text, wind.directionDegrees);
    text += kDirectionWords;
  }
  AppendInt(text, wind.speedKt);
  text += "KT";
  if (wind.gustKt >= 0) {
    Append(text, {kGustWords});
    AppendInt(text, wind.gustKt);
    text += "KT";
  }
  return text.append(kWindWords);
}

}  // namespace aerolume

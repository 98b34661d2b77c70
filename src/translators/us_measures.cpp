#include "translators/us_measures.hpp"

#include "translators/text.hpp"

namespace aerolume {

namespace {

constexpr std::string_view kDegrees = "ﾟC";
constexpr int kMetresPerMileThousandths = 1609;  // 1 statute mile = 1.609 km
constexpr int kKilometresShownWhole = 10;

bool IsDigits(std::string_view text, std::size_t count) {
  return text.size() == count && IsAllDigits(text);
}

// Tenths as "12.3", with a leading "0." below one.
std::string Tenths(int tenths) {
  return FormatInt(tenths / 10) + "." + FormatInt(tenths % 10);
}

// Hundredths as "0.12".
std::string Hundredths(int hundredths) {
  const int rest = hundredths % 100;
  return FormatInt(hundredths / 100) + "." + (rest < 10 ? "0" : "") + FormatInt(rest);
}

// value * numerator / denominator, rounded half up, for non-negative values.
long long ScaleRounded(long long value, long long numerator, long long denominator) {
  return (value * numerator * 2 + denominator) / (denominator * 2);
}

struct Miles {
  int whole = 0;
  int numerator = 0;
  int denominator = 1;
};

std::optional<Miles> ParseMiles(std::string_view text) {
  Miles miles;
  const std::size_t space = text.find(' ');
  std::string_view fraction = text;
  if (space != std::string_view::npos) {
    if (!IsWholeMiles(text.substr(0, space))) return std::nullopt;
    miles.whole = ToInt(text.substr(0, space));
    fraction = text.substr(space + 1);
  } else if (IsWholeMiles(text)) {
    miles.whole = ToInt(text);
    return miles;
  }
  if (!IsMilesFraction(fraction)) return std::nullopt;
  const std::size_t slash = fraction.find('/');
  miles.numerator = ToInt(fraction.substr(0, slash));
  miles.denominator = ToInt(fraction.substr(slash + 1));
  if (miles.denominator == 0) return std::nullopt;
  return miles;
}

std::string KilometresOf(const Miles& miles) {
  const long long numerator =
      static_cast<long long>(miles.whole) * miles.denominator + miles.numerator;
  // Tenths of a kilometre: miles * 1.609 * 10.
  const long long tenths =
      ScaleRounded(numerator, kMetresPerMileThousandths, miles.denominator * 100LL);
  if (tenths >= kKilometresShownWhole * 10) {
    return "約" +
           std::to_string(
               ScaleRounded(numerator, kMetresPerMileThousandths, miles.denominator * 1000LL)) +
           "km";
  }
  return "約" + Tenths(static_cast<int>(tenths)) + "km";
}

}  // namespace

std::optional<std::string> TenthsCelsius(std::string_view signAndTenths) {
  if (!IsDigits(signAndTenths, 4) || signAndTenths[0] > '1') return std::nullopt;
  const std::string sign = signAndTenths[0] == '1' ? "-" : "";
  return sign + Tenths(ToInt(signAndTenths.substr(1))) + std::string(kDegrees);
}

std::optional<double> TenthsCelsiusValue(std::string_view signAndTenths) {
  if (!IsDigits(signAndTenths, 4) || signAndTenths[0] > '1') return std::nullopt;
  const double value = ToInt(signAndTenths.substr(1)) / 10.0;
  return signAndTenths[0] == '1' ? -value : value;
}

std::optional<std::string> SeaLevelPressure(std::string_view ppp) {
  if (!IsDigits(ppp, 3)) return std::nullopt;
  const int tenths = ToInt(ppp);
  return Tenths((tenths < 500 ? 10000 : 9000) + tenths) + "hPa";
}

std::optional<std::string> InchesOfPrecipitation(std::string_view hundredths) {
  if (!IsDigits(hundredths, 4)) return std::nullopt;
  const int value = ToInt(hundredths);
  // 1 in = 25.4 mm: tenths of a millimetre are hundredths * 2.54.
  const long long millimetreTenths = ScaleRounded(value, 254, 100);
  return Hundredths(value) + "インチ(" + Tenths(static_cast<int>(millimetreTenths)) + "mm)";
}

std::optional<std::string> InchesOfSnow(std::string_view inches) {
  if (!IsDigits(inches, 3)) return std::nullopt;
  const int value = ToInt(inches);
  const long long centimetreTenths = ScaleRounded(value, 254, 10);
  return FormatInt(value) + "インチ(" + Tenths(static_cast<int>(centimetreTenths)) + "cm)";
}

std::optional<std::string> PressureTendency(std::string_view appp) {
  if (!IsDigits(appp, 4) || appp[0] > '8') return std::nullopt;
  const int character = appp[0] - '0';
  const std::string change = Tenths(ToInt(appp.substr(1))) + "hPa";
  if (character < 4) return "+" + change + "(上昇)";
  if (character == 4) return change + "(変化なし)";
  return "-" + change + "(下降)";
}

bool IsMiles(std::string_view miles) {
  return ParseMiles(miles).has_value();
}

std::optional<std::string> MilesWithKilometres(std::string_view miles, std::string_view qualifier) {
  const std::optional<Miles> parsed = ParseMiles(miles);
  if (!parsed) return std::nullopt;
  return std::string(miles) + "マイル" + std::string(qualifier) + "(" + KilometresOf(*parsed) + ")";
}

std::optional<double> MilesValue(std::string_view miles) {
  const std::optional<Miles> parsed = ParseMiles(miles);
  if (!parsed) return std::nullopt;
  return parsed->whole + static_cast<double>(parsed->numerator) / parsed->denominator;
}

bool IsWholeMiles(std::string_view group) {
  return !group.empty() && group.size() <= 2 && IsAllDigits(group);
}

bool IsMilesFraction(std::string_view group) {
  const std::size_t slash = group.find('/');
  if (slash == std::string_view::npos || slash == 0 || slash + 1 >= group.size()) return false;
  const std::string_view numerator = group.substr(0, slash);
  const std::string_view denominator = group.substr(slash + 1);
  return numerator.size() <= 2 && denominator.size() <= 2 && IsAllDigits(numerator) &&
         IsAllDigits(denominator) && denominator != "0" && denominator != "00";
}

}  // namespace aerolume

#include "cli/watch_options.hpp"

#include <charconv>
#include <cmath>

#include "cli/command.hpp"
#include "conditions/station_overview.hpp"

namespace aerolume::cli {

namespace {

// A whole number above zero, or nothing.
std::optional<long> PositiveWhole(const std::string& text) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value <= 0) return std::nullopt;
  return value;
}

// Minutes as a decimal number above zero ("10", "0.05"), so that tests may look often.
std::optional<double> PositiveMinutes(const std::string& text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
      value <= 0) {
    return std::nullopt;
  }
  return value;
}

std::optional<FlightCategory> CategoryNamed(const std::string& name) {
  for (FlightCategory category : {FlightCategory::Vfr, FlightCategory::Mvfr, FlightCategory::Ifr}) {
    if (name == CategoryName(category)) return category;
  }
  return std::nullopt;
}

// Reads one numeric limit; false after a value that is no whole number above zero.
bool ReadWhole(const Arguments& arguments, const std::string& option, std::optional<int>& limit) {
  const std::optional<std::string> text = arguments.Value(option);
  if (!text) return true;
  const std::optional<long> value = PositiveWhole(*text);
  if (!value || *value > 100000) return false;
  limit = static_cast<int>(*value);
  return true;
}

std::variant<WatchLimits, std::string> ReadLimits(const Arguments& arguments) {
  WatchLimits limits;
  if (const std::optional<std::string> name = arguments.Value("--category")) {
    const std::optional<FlightCategory> category = CategoryNamed(*name);
    if (!category) return std::string("--category needs VFR, MVFR or IFR");
    limits.worseThan = *category;
  }
  for (const auto& [option, limit] : {std::pair{"--ceiling", &limits.ceilingBelowFt},
                                      std::pair{"--visibility", &limits.visibilityBelowM},
                                      std::pair{"--crosswind", &limits.crosswindAboveKt},
                                      std::pair{"--gust", &limits.gustAboveKt}}) {
    if (!ReadWhole(arguments, option, *limit)) {
      return std::string(option) + " needs a whole number above zero";
    }
  }
  limits.thunder = arguments.Has("--thunder");
  limits.speci = arguments.Has("--speci");
  if (!limits.Any()) return std::string("no limit given");
  return limits;
}

}  // namespace

std::variant<WatchOptions, std::string> ReadWatchOptions(const Arguments& arguments) {
  if (arguments.operands.empty()) return std::string("no station given");
  auto limits = ReadLimits(arguments);
  if (const auto* message = std::get_if<std::string>(&limits)) return *message;
  WatchOptions options;
  const StationOverview catalogue;
  for (const std::string& operand : arguments.operands) {
    const std::string code = UpperCaseCode(operand);
    if (catalogue.Find(code) == nullptr) return "unknown station " + operand;
    options.watches.push_back({code, std::get<WatchLimits>(limits)});
  }
  const std::optional<std::string> interval = arguments.Value("--interval");
  if (interval && arguments.Has("--once"))
    return std::string("--once and --interval exclude each other");
  if (interval) {
    const std::optional<double> minutes = PositiveMinutes(*interval);
    if (!minutes || *minutes > 24 * 60) return std::string("--interval needs minutes above zero");
    options.interval = std::chrono::milliseconds(std::llround(*minutes * 60000));
  }
  if (const std::optional<std::string> checks = arguments.Value("--checks")) {
    options.checks = PositiveWhole(*checks);
    if (!options.checks) return std::string("--checks needs a whole number above zero");
    if (!interval) return std::string("--checks needs --interval");
  }
  return options;
}

}  // namespace aerolume::cli

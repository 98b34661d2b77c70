// What `aerolume-cli watch` is told: the stations, their limits and how often to look.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/arguments.hpp"
#include "conditions/watch_tracker.hpp"

namespace aerolume::cli {

struct WatchOptions {
  std::vector<Watch> watches;                         // one per station, all with the same limits
  std::optional<std::chrono::milliseconds> interval;  // nothing for --once
  std::optional<long> checks;                         // --checks: stop after this many
};

// The options, or the usage error's message.
std::variant<WatchOptions, std::string> ReadWatchOptions(const Arguments& arguments);

}  // namespace aerolume::cli

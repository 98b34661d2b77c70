// A station's reports of the last hours from the Data API: the history window and
// `aerolume-cli history` ask it alike.
#pragma once

#include <cstddef>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <variant>

#include "conditions/station_history.hpp"
#include "retrieval/report_download.hpp"

namespace aerolume {

// Asked as "{base}/metar?ids=RJTT&format=json&hours=24" (ApiMetarUrl).
inline constexpr int kDefaultHistoryHours = 24;
// As far back as the Data API keeps a station's observations.
inline constexpr int kMaxHistoryHours = 72;

// A station reporting every half hour, with a few SPECIs, sends about 1 KB an entry in
// the API's full shape: 8 KiB an hour leaves room for ten, 576 KiB for 72 hours. Never
// less than the cap of one station file.
std::size_t HistoryBodyCap(const DownloadLimits& limits, int hours);

// The answer's body as the station's history, or why it is none (the words of the Data
// API's other answers: "JSON syntax error at byte 1").
std::variant<StationHistory, std::string> StationHistoryFromApi(std::string_view code,
                                                                std::string_view json);

struct HistoryFetch {
  std::optional<StationHistory> history;
  std::string failure;  // why there is none: the transfer's cause, "HTTP 503", the JSON's fault
  bool stopped = false;
};

// One request with the limits of every other (User-Agent, time limits, no redirect from
// https to http), the body capped for `hours`; given up at once when `stop` is requested.
HistoryFetch DownloadStationHistory(const DownloadLimits& limits, std::string_view apiBase,
                                    std::string_view stationCode, int hours,
                                    const std::stop_token& stop);

}  // namespace aerolume

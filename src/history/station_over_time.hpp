// What the history window shows of a station, fetched together away from the window:
// its reports of the last 24 hours from the Data API, and its TAF from wherever the
// main window gets it.
#pragma once

#include <optional>
#include <stop_token>
#include <string>
#include <string_view>

#include "retrieval/history_download.hpp"
#include "retrieval/report_download.hpp"

namespace aerolume {

struct StationOverTime {
  HistoryFetch history;
  std::optional<TafValues> taf;  // none when the TAF could not be fetched or read
};

// Both at once; given up soon after `stop` is requested. The settings' fallback base
// is the Data API, which must not be empty.
StationOverTime FetchStationOverTime(const DownloadSettings& settings, std::string_view code,
                                     const std::stop_token& stop);

}  // namespace aerolume

// What hovering a report of the history shows: its decoded lines, as the main window
// shows them for the same report.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "conditions/station_history.hpp"

namespace aerolume {

std::vector<std::string> HistoryReportLines(std::string_view stationCode,
                                            const HistoryReport& report);

}  // namespace aerolume

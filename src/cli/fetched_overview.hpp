// The overview's latest METARs as the commands that download many stations get them:
// one Data API request, else the station files, with a note when the API failed.
#pragma once

#include <span>
#include <string>

#include "cli/command.hpp"
#include "conditions/station_overview.hpp"
#include "retrieval/report_download.hpp"

namespace aerolume::cli {

// Applies the answers for `codes` to `overview`; standard error says why the Data API
// was not used when it was asked and failed.
void FetchIntoOverview(const DownloadSettings& settings, std::span<const std::string> codes,
                       StationOverview& overview, CommandIo& io);

}  // namespace aerolume::cli

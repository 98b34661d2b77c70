// The overview's reports: every station's latest METAR in one request to the Data API.
#pragma once

#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "conditions/station_overview.hpp"
#include "retrieval/report_download.hpp"

namespace aerolume {

// One station's outcome: a station file, or why there is none.
struct OverviewAnswer {
  std::string code;
  std::optional<std::string> file;
  std::string failure;
};

// "{apiBase}/metar?ids=RJAA,RJAF,...&format=json": the latest report of each.
std::string ApiMetarBatchUrl(std::string_view apiBase, std::span<const std::string> codes);

// A request that fails as a whole (no answer, an error status, a body that is no array
// of reports) gives nothing and its cause, so that the caller may try the station files;
// otherwise every code gets its answer, a station the answer leaves out "NOT FOUND".
struct OverviewBatch {
  std::optional<std::vector<OverviewAnswer>> answers;
  std::string failure;
  bool stopped = false;
};
OverviewBatch DownloadOverviewFromApi(const DownloadLimits& limits, std::string_view apiBase,
                                      std::span<const std::string> codes,
                                      const std::stop_token& stop);

// Every answer into the overview: a file as its station's report, anything else as its
// failure; as a refresh, so that a station keeps a report it has through a failure.
void ApplyAnswers(StationOverview& overview, const std::vector<OverviewAnswer>& answers);

}  // namespace aerolume

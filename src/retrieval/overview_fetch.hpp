// Where the overview's reports come from: the Data API in one request when there is a
// second source, the weather server's station files when there is none or it fails.
#pragma once

#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

#include "retrieval/overview_files.hpp"

namespace aerolume {

enum class OverviewSource { DataApi, StationFiles };

struct OverviewFetch {
  std::vector<OverviewAnswer> answers;  // one per code, in the codes' order
  OverviewSource source = OverviewSource::StationFiles;
  std::string apiFailure;  // why the Data API gave nothing, when it was asked and failed
  bool stopped = false;
};

// Why a fetch failed as a whole, when no station's report came: the first station's
// failure (or the Data API's, with no station asked); nothing when any report came.
std::optional<std::string> WholeFetchFailure(const OverviewFetch& fetch);

OverviewFetch FetchOverview(const DownloadSettings& settings, std::span<const std::string> codes,
                            const std::stop_token& stop, const OverviewProgress& progress);

}  // namespace aerolume

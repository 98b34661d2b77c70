// The overview's reports from the weather server: every station's METAR file, at most
// six transfers at a time, each worker keeping its connection alive for the next file.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <stop_token>
#include <string>
#include <vector>

#include "retrieval/overview_download.hpp"

namespace aerolume {

inline constexpr std::size_t kMaxOverviewTransfers = 6;

// Called from the workers, one call at a time, after each finished station.
using OverviewProgress = std::function<void(std::size_t done, std::size_t total)>;

// An answer per code in the codes' order; a stop leaves the stations not yet fetched
// failed as stopped.
std::vector<OverviewAnswer> DownloadOverviewFiles(const DownloadSettings& settings,
                                                  std::span<const std::string> codes,
                                                  const std::stop_token& stop,
                                                  const OverviewProgress& progress);

}  // namespace aerolume

#include "retrieval/overview_fetch.hpp"

namespace aerolume {

std::optional<std::string> WholeFetchFailure(const OverviewFetch& fetch) {
  for (const OverviewAnswer& answer : fetch.answers) {
    if (answer.file) return std::nullopt;
  }
  if (!fetch.answers.empty()) return fetch.answers.front().failure;
  return fetch.apiFailure;
}

OverviewFetch FetchOverview(const DownloadSettings& settings, std::span<const std::string> codes,
                            const std::stop_token& stop, const OverviewProgress& progress) {
  OverviewFetch fetch;
  if (!settings.fallbackBase.empty()) {
    OverviewBatch batch =
        DownloadOverviewFromApi(settings.limits, settings.fallbackBase, codes, stop);
    if (batch.answers) {
      if (progress) progress(codes.size(), codes.size());
      fetch.answers = std::move(*batch.answers);
      fetch.source = OverviewSource::DataApi;
      return fetch;
    }
    fetch.stopped = batch.stopped;
    if (fetch.stopped) return fetch;
    fetch.apiFailure = std::move(batch.failure);
  }
  fetch.answers = DownloadOverviewFiles(settings, codes, stop, progress);
  fetch.stopped = stop.stop_requested();
  return fetch;
}

}  // namespace aerolume

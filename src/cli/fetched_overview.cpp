#include "cli/fetched_overview.hpp"

#include <ostream>
#include <stop_token>

#include "retrieval/overview_download.hpp"
#include "retrieval/overview_fetch.hpp"

namespace aerolume::cli {

void FetchIntoOverview(const DownloadSettings& settings, std::span<const std::string> codes,
                       StationOverview& overview, CommandIo& io) {
  const OverviewFetch fetch = FetchOverview(settings, codes, std::stop_token(), {});
  if (!fetch.apiFailure.empty()) {
    io.err << "Data API: " << fetch.apiFailure << "; station files used instead\n";
  }
  ApplyAnswers(overview, fetch.answers);
}

}  // namespace aerolume::cli

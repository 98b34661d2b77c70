#include "retrieval/history_download.hpp"

#include <algorithm>

#include "retrieval/curl_transfer.hpp"
#include "retrieval/data_api.hpp"

namespace aerolume {

namespace {

constexpr std::size_t kBodyBytesPerHour = 8 * 1024;

}  // namespace

std::size_t HistoryBodyCap(const DownloadLimits& limits, int hours) {
  return std::max(limits.maxBodyBytes, kBodyBytesPerHour * static_cast<std::size_t>(hours));
}

std::variant<StationHistory, std::string> StationHistoryFromApi(std::string_view code,
                                                                std::string_view json) {
  ApiObservations read = MetarObservationsFromApi(json);
  if (read.unreadable) return std::move(*read.unreadable);
  return BuildStationHistory(code, read.observations, std::move(read.skipped));
}

HistoryFetch DownloadStationHistory(const DownloadLimits& limits, std::string_view apiBase,
                                    std::string_view stationCode, int hours,
                                    const std::stop_token& stop) {
  DownloadLimits historyLimits = limits;
  historyLimits.maxBodyBytes = HistoryBodyCap(limits, hours);
  const std::optional<InternetHandle> api = OpenInternetHandle(historyLimits, apiBase);
  if (!api) return {std::nullopt, std::string(kPrepareFailedCause), false};
  const HttpAnswer answer = FetchUrl(*api, ApiMetarUrl(apiBase, stationCode, hours), stop);
  if (answer.stopped) return {std::nullopt, {}, true};
  if (!answer.complete || !answer.Successful()) {
    return {std::nullopt, answer.FailureText(), false};
  }
  auto read = StationHistoryFromApi(stationCode, answer.body);
  if (auto* why = std::get_if<std::string>(&read)) return {std::nullopt, std::move(*why), false};
  return {std::move(std::get<StationHistory>(read)), {}, false};
}

}  // namespace aerolume

#include "retrieval/overview_download.hpp"

#include "retrieval/curl_transfer.hpp"
#include "retrieval/data_api.hpp"

namespace aerolume {

namespace {

// 104 stations in the API's full shape come to about 80 KB, and the answer may hold up
// to 400 records: more than one station file's cap allows.
constexpr std::size_t kBatchBodyBytes = 1024 * 1024;

std::string_view WithoutTrailingSlash(std::string_view base) {
  while (base.ends_with('/')) base.remove_suffix(1);
  return base;
}

OverviewAnswer AnswerOf(const std::string& code, const ApiMetarBatch& batch) {
  const auto found = batch.stations.find(code);
  if (found == batch.stations.end() || found->second.outcome == ApiReport::Outcome::NotFound) {
    return {code, std::nullopt, "NOT FOUND"};
  }
  if (found->second.outcome == ApiReport::Outcome::Unreadable) {
    return {code, std::nullopt, found->second.text};
  }
  return {code, found->second.text, {}};
}

}  // namespace

std::string ApiMetarBatchUrl(std::string_view apiBase, std::span<const std::string> codes) {
  std::string url = std::string(WithoutTrailingSlash(apiBase)) + "/metar?ids=";
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (i > 0) url += ',';
    url += codes[i];
  }
  return url + "&format=json";
}

OverviewBatch DownloadOverviewFromApi(const DownloadLimits& limits, std::string_view apiBase,
                                      std::span<const std::string> codes,
                                      const std::stop_token& stop) {
  DownloadLimits batchLimits = limits;
  batchLimits.maxBodyBytes = std::max(limits.maxBodyBytes, kBatchBodyBytes);
  const std::optional<InternetHandle> api = OpenInternetHandle(batchLimits, apiBase);
  if (!api) return {std::nullopt, std::string(kPrepareFailedCause), false};
  const HttpAnswer answer = FetchUrl(*api, ApiMetarBatchUrl(apiBase, codes), stop);
  if (answer.stopped) return {std::nullopt, {}, true};
  if (!answer.complete || !answer.Successful()) {
    return {std::nullopt, answer.FailureText(), false};
  }
  const ApiMetarBatch batch = MetarFilesFromApi(answer.body);
  if (batch.unreadable) return {std::nullopt, *batch.unreadable, false};
  std::vector<OverviewAnswer> answers;
  answers.reserve(codes.size());
  for (const std::string& code : codes) answers.push_back(AnswerOf(code, batch));
  return {std::move(answers), {}, false};
}

void ApplyAnswers(StationOverview& overview, const std::vector<OverviewAnswer>& answers) {
  for (const OverviewAnswer& answer : answers) {
    if (answer.file) {
      overview.SetMetarFile(answer.code, *answer.file);
    } else {
      overview.SetFailure(answer.code, answer.failure);
    }
  }
}

}  // namespace aerolume

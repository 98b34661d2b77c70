#include "retrieval/overview_files.hpp"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include "retrieval/curl_transfer.hpp"
#include "retrieval/download_cause.hpp"
#include "retrieval/station_file.hpp"

namespace aerolume {

namespace {

constexpr std::string_view kStoppedCause = "中止";

// A 404 stays a status text, which the overview shows as NOT FOUND.
OverviewAnswer FileAnswer(const std::string& code, const HttpAnswer& answer) {
  if (!answer.opened) return {code, std::nullopt, answer.cause};
  if (answer.status == "404") return {code, std::string("404"), {}};
  if (!answer.Successful()) return {code, std::nullopt, StatusCause(answer.status)};
  if (!answer.complete) return {code, std::nullopt, answer.cause};
  return {code, NormalizeReportText(answer.body), {}};
}

// The workers share the list of codes; each takes the next one until none is left.
class FilePass {
 public:
  FilePass(const DownloadSettings& settings, std::span<const std::string> codes,
           const std::stop_token& stop, const OverviewProgress& progress)
      : m_settings(settings), m_codes(codes), m_stop(stop), m_progress(progress) {
    for (const std::string& code : codes) {
      m_answers.push_back({code, std::nullopt, std::string(kStoppedCause)});
    }
  }

  void RunWorker() {
    const std::optional<InternetHandle> server =
        OpenInternetHandle(m_settings.limits, m_settings.serverBase);
    for (std::size_t i = m_next++; i < m_codes.size() && !m_stop.stop_requested(); i = m_next++) {
      if (!server) {
        Finish(i, {m_codes[i], std::nullopt, std::string(kPrepareFailedCause)});
        continue;
      }
      const HttpAnswer answer =
          FetchUrl(*server, MetarUrl(m_settings.serverBase, m_codes[i]), m_stop);
      if (answer.stopped) return;
      Finish(i, FileAnswer(m_codes[i], answer));
    }
  }

  std::vector<OverviewAnswer> TakeAnswers() { return std::move(m_answers); }

 private:
  void Finish(std::size_t index, OverviewAnswer answer) {
    std::lock_guard lock(m_mutex);
    m_answers[index] = std::move(answer);
    ++m_done;
    if (m_progress) m_progress(m_done, m_codes.size());
  }

  const DownloadSettings& m_settings;
  std::span<const std::string> m_codes;
  const std::stop_token& m_stop;
  const OverviewProgress& m_progress;
  std::atomic<std::size_t> m_next = 0;
  std::mutex m_mutex;
  std::size_t m_done = 0;
  std::vector<OverviewAnswer> m_answers;
};

}  // namespace

std::vector<OverviewAnswer> DownloadOverviewFiles(const DownloadSettings& settings,
                                                  std::span<const std::string> codes,
                                                  const std::stop_token& stop,
                                                  const OverviewProgress& progress) {
  FilePass pass(settings, codes, stop, progress);
  {
    std::vector<std::jthread> workers;
    const std::size_t count = std::min(kMaxOverviewTransfers, codes.size());
    for (std::size_t i = 0; i < count; ++i) workers.emplace_back([&pass] { pass.RunWorker(); });
  }
  return pass.TakeAnswers();
}

}  // namespace aerolume

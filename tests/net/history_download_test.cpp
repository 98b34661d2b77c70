// A station's history from a Data API on 127.0.0.1: the request it makes, the answer
// read into the history, and each way the request fails as a whole.
#include "retrieval/history_download.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <thread>

#include "../api_answer_files.hpp"
#include "loopback_servers.hpp"

namespace aerolume {
namespace {

using namespace std::chrono_literals;
using testing_support::ApiAnswerFile;
using testing_support::HttpTestServer;
using testing_support::RawTestServer;

// The recorded day of history-RJCC.json padded to a little over `bytes`.
std::string AnswerOfSize(std::size_t bytes) {
  const std::string entry = ApiAnswerFile("history-RJCC.json");
  return entry.substr(0, entry.size() - 2) + ",{\"pad\":\"" + std::string(bytes, ' ') + "\"}]";
}

struct FetchCase {
  const char* name;
  int hours;
  int status;
  std::string body;  // "@file" for a file of tests/data/api
  std::size_t reports;
  const char* failure;  // what the fetch says when there is no history
};

void PrintTo(const FetchCase& c, std::ostream* out) {
  *out << c.name;
}

const FetchCase kFetchCases[] = {
    {"RecordedDay", 24, 200, "@history-RJCC.json", 6, ""},
    {"RecordedThreeDays", 72, 200, "@history-RJTY.json", 5, ""},
    // Three days of a busy station pass where one station file's 64 KiB would not.
    {"LargeAnswerForThreeDays", 72, 200, AnswerOfSize(400 * 1024), 6, ""},
    {"LargeAnswerOverADaysCap", 24, 200, AnswerOfSize(400 * 1024), 0,
     "応答が大きすぎます(192KiB超)"},
    {"ServerError", 24, 503, "", 0, "HTTP 503"},
};

class HistoryFetchTest : public testing::TestWithParam<FetchCase> {};

TEST_P(HistoryFetchTest, AsksOnceAndReadsTheAnswer) {
  const FetchCase& c = GetParam();
  std::mutex mutex;
  std::string query;
  HttpTestServer api([&](httplib::Server& routes) {
    routes.Get("/api/data/metar", [&](const httplib::Request& request, httplib::Response& reply) {
      {
        std::lock_guard lock(mutex);
        query = "ids=" + request.get_param_value("ids") +
                "&format=" + request.get_param_value("format") +
                "&hours=" + request.get_param_value("hours");
      }
      reply.status = c.status;
      reply.set_content(c.body.starts_with('@') ? ApiAnswerFile(c.body.substr(1)) : c.body,
                        "application/json");
    });
  });
  const HistoryFetch fetch =
      DownloadStationHistory(DownloadLimits{}, api.Url("/api/data/"), "RJCC", c.hours, {});

  const auto requests = api.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].userAgent, "Aerolume");
  {
    std::lock_guard lock(mutex);
    EXPECT_EQ(query, "ids=RJCC&format=json&hours=" + std::to_string(c.hours));
  }
  EXPECT_FALSE(fetch.stopped);
  if (c.reports == 0) {
    EXPECT_FALSE(fetch.history.has_value());
    EXPECT_TRUE(fetch.failure.starts_with(c.failure)) << fetch.failure;
    return;
  }
  ASSERT_TRUE(fetch.history.has_value()) << fetch.failure;
  EXPECT_EQ(fetch.history->reports.size(), c.reports);
}

INSTANTIATE_TEST_SUITE_P(Answers, HistoryFetchTest, testing::ValuesIn(kFetchCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HistoryBodyCapTest, GrowsWithTheHoursAndNeverShrinks) {
  EXPECT_EQ(HistoryBodyCap(DownloadLimits{}, 3), 64u * 1024);
  EXPECT_EQ(HistoryBodyCap(DownloadLimits{}, 24), 192u * 1024);
  EXPECT_EQ(HistoryBodyCap(DownloadLimits{}, 72), 576u * 1024);
}

TEST(HistoryFetchStopTest, StopEndsAStalledRequest) {
  RawTestServer server(
      [](int fd, const std::string&) { testing_support::HoldUntilClientCloses(fd); });
  testing_support::NoProxies noProxies;
  std::stop_source stop;
  std::thread stopper([&] {
    while (server.Requests().empty()) std::this_thread::sleep_for(1ms);
    stop.request_stop();
  });
  const HistoryFetch fetch =
      DownloadStationHistory(DownloadLimits{}, server.Url("/api"), "RJCC", 24, stop.get_token());
  stopper.join();
  EXPECT_TRUE(fetch.stopped);
  EXPECT_FALSE(fetch.history.has_value());
}

}  // namespace
}  // namespace aerolume

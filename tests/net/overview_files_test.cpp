// The station files path of the overview against a weather server on 127.0.0.1: real
// files for most, one station stalled, one 404 and one answering garbage; each fault
// costs its own station only, and no more than six transfers run at once.
#include "retrieval/overview_files.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>

#include "../api_answer_files.hpp"
#include "loopback_servers.hpp"

namespace aerolume {
namespace {

using testing_support::HttpTestServer;
using testing_support::TestDataFile;

// Real files of tests/data (sources in SOURCES.tsv), RJAA's standing in for stations
// without one of their own, and three faults: RJTT stalls, RJCC is 404, RJFF garbage.
const std::vector<std::string> kCodes = {"RJAA", "RJBB", "RJBD", "RJGG", "RJOA",
                                         "RJTT", "RJCC", "RJFF", "ROAH"};

class WeatherServer {
 public:
  WeatherServer()
      : m_server([this](httplib::Server& routes) {
          routes.Get(R"(/data/observations/metar/stations/(\w+)\.TXT)",
                     [this](const httplib::Request& request, httplib::Response& reply) {
                       Answer(request, reply);
                     });
        }) {}

  std::string Base() const { return m_server.Url("/data"); }
  int MostAtOnce() const { return m_mostAtOnce; }
  std::size_t Connections() const {
    std::lock_guard lock(m_mutex);
    return m_clientPorts.size();
  }

 private:
  void Answer(const httplib::Request& request, httplib::Response& reply) {
    const int running = ++m_running;
    m_mostAtOnce = std::max(m_mostAtOnce.load(), running);
    {
      std::lock_guard lock(m_mutex);
      m_clientPorts.insert(request.remote_port);
    }
    const std::string code = request.matches[1];
    if (code == "RJTT") {
      // Stalled well past the test's transfer limit.
      std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    } else if (code == "RJCC") {
      reply.status = 404;
      reply.set_content("Not Found", "text/html");
    } else if (code == "RJFF") {
      reply.set_content("<html><body>maintenance</body></html>\n", "text/html");
    } else {
      const std::string file = TestDataFile(code + "-metar-1.TXT");
      reply.set_content(file.empty() ? TestDataFile("RJAA-metar-1.TXT") : file, "text/plain");
    }
    --m_running;
  }

  mutable std::mutex m_mutex;
  std::set<int> m_clientPorts;
  std::atomic<int> m_running = 0;
  std::atomic<int> m_mostAtOnce = 0;
  HttpTestServer m_server;
};

TEST(OverviewFiles, EachFaultCostsOnlyItsStation) {
  testing_support::NoProxies noProxies;
  WeatherServer server;
  DownloadSettings settings;
  settings.serverBase = server.Base();
  settings.limits.totalTimeout = std::chrono::milliseconds(500);
  std::vector<std::size_t> progress;
  const auto answers = DownloadOverviewFiles(
      settings, kCodes, std::stop_token(),
      [&](std::size_t done, std::size_t total) { progress.push_back(done * 100 + total); });

  StationOverview overview;
  ApplyAnswers(overview, answers);
  for (const char* code : {"RJAA", "RJBB", "RJBD", "RJGG", "RJOA", "ROAH"}) {
    EXPECT_TRUE(overview.Find(code)->HasReport()) << code << ": " << overview.Find(code)->failure;
  }
  EXPECT_FALSE(overview.Find("RJTT")->HasReport());
  EXPECT_FALSE(overview.Find("RJTT")->failure.empty());
  EXPECT_EQ(overview.Find("RJCC")->failure, "NOT FOUND");
  EXPECT_FALSE(overview.Find("RJFF")->HasReport());
  EXPECT_FALSE(overview.Find("RJFF")->failure.empty());
  EXPECT_EQ(overview.Find("RJOO")->failure, "");  // not asked for

  ASSERT_EQ(progress.size(), kCodes.size());
  EXPECT_EQ(progress.back(), kCodes.size() * 100 + kCodes.size());
  EXPECT_LE(server.MostAtOnce(), 6);
  // Kept alive: nine files over no more connections than workers, the stalled one's
  // worker opening one more after its timeout.
  EXPECT_LE(server.Connections(), 7u);
}

TEST(OverviewFiles, AStopLeavesTheRestStopped) {
  testing_support::NoProxies noProxies;
  WeatherServer server;
  DownloadSettings settings;
  settings.serverBase = server.Base();
  std::stop_source stop;
  stop.request_stop();
  const auto answers = DownloadOverviewFiles(settings, kCodes, stop.get_token(), {});
  ASSERT_EQ(answers.size(), kCodes.size());
  for (const OverviewAnswer& answer : answers) {
    EXPECT_FALSE(answer.file.has_value());
    EXPECT_EQ(answer.failure, "中止");
  }
}

}  // namespace
}  // namespace aerolume

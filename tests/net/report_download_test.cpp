#include "retrieval/report_download.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>

#include "loopback_servers.hpp"

namespace aerolume {
namespace {

using namespace std::chrono_literals;
using testing_support::HttpTestServer;
using testing_support::RawTestServer;
using testing_support::SendAll;
using testing_support::StationFile;

constexpr const char* kMetarPath = "/pub/data/observations/metar/stations/RJTT.TXT";
constexpr const char* kTafPath = "/pub/data/forecasts/taf/stations/RJTT.TXT";
const std::string kMetarFile = StationFile("2012/05/06 12:00", "RJTT 061200Z 18010KT 9999");
const std::string kTafFile = StationFile(
    "2012/05/06 05:00", "TAF RJTT 060500Z 0606/0712 18010KT\n      TEMPO 0612/0615 SHRA");
const std::string kOpenUrlError(kOpenUrlFailedMessage);
const std::string kMetarReadError(kMetarReadFailedMessage);
const std::string kTafReadError(kTafReadFailedMessage);

struct Pass {
  int result = -1;
  std::string metar;
  std::string taf;
  std::vector<std::string> messages;  // the first line of each
  std::vector<std::string> causes;
  std::vector<DownloadFailure> failures;
};

Pass PassOf(DownloadResult download) {
  Pass pass{download.Succeeded() ? 1 : 0, download.metarText, download.tafText, {}, {}, {}};
  for (const DownloadFailure& failure : download.failures) {
    pass.messages.push_back(failure.message);
    pass.causes.push_back(failure.cause);
  }
  pass.failures = std::move(download.failures);
  return pass;
}

// For servers that stall: no test waits for the program's own 30 seconds.
DownloadLimits QuickLimits() {
  DownloadLimits limits;
  limits.connectTimeout = 1000ms;
  limits.totalTimeout = 400ms;
  return limits;
}

Pass RunPass(const std::string& serverBase, DownloadLimits limits = {}) {
  testing_support::NoProxies noProxies;
  return PassOf(DownloadStationFiles("RJTT", {serverBase, limits}));
}

void ServeStationFiles(httplib::Server& server) {
  server.Get(kMetarPath, [](const httplib::Request&, httplib::Response& response) {
    response.set_content(kMetarFile, "text/plain");
  });
  server.Get(kTafPath, [](const httplib::Request&, httplib::Response& response) {
    response.set_content(kTafFile, "text/plain");
  });
}

TEST(StationUrlTest, BaseThenTheServersPaths) {
  EXPECT_EQ(MetarUrl("http://HOST/pub/data", "RJTT"),
            "http://HOST/pub/data/observations/metar/stations/RJTT.TXT");
  EXPECT_EQ(TafUrl("http://HOST/pub/data/", "ROAH"),
            "http://HOST/pub/data/forecasts/taf/stations/ROAH.TXT");
  EXPECT_EQ(MetarUrl(kDefaultServerBase, "RJAA"),
            "https://tgftp.nws.noaa.gov/data/observations/metar/stations/RJAA.TXT");
}

TEST(DownloadReportsTest, FetchesMetarAndTafNormalised) {
  HttpTestServer server(ServeStationFiles);
  const Pass pass = RunPass(server.Url("/pub/data"));
  EXPECT_EQ(pass.result, 1);
  EXPECT_TRUE(pass.messages.empty());
  EXPECT_EQ(pass.metar, "2012/05/06 12:00 RJTT 061200Z 18010KT 9999");
  EXPECT_EQ(pass.taf, "2012/05/06 05:00 TAF RJTT 060500Z 0606/0712 18010KT TEMPO 0612/0615 SHRA");
  std::vector<std::string> paths;
  for (const auto& request : server.Requests()) paths.push_back(request.path);
  std::sort(paths.begin(), paths.end());
  EXPECT_EQ(paths, (std::vector<std::string>{kTafPath, kMetarPath}));  // in sorted order
}

// Each request is answered only once both have arrived, or after five seconds alone:
// the files are fetched at the same time, not one after the other.
TEST(DownloadReportsTest, BothFilesAreAskedForAtOnce) {
  std::mutex mutex;
  std::condition_variable arrival;
  int arrived = 0;
  std::vector<bool> sawBoth;
  RawTestServer server([&](int fd, const std::string& request) {
    std::unique_lock lock(mutex);
    ++arrived;
    arrival.notify_all();
    sawBoth.push_back(arrival.wait_for(lock, 5s, [&] { return arrived == 2; }));
    lock.unlock();
    const std::string& file = request.find("/metar/") != std::string::npos ? kMetarFile : kTafFile;
    SendAll(fd, "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(file.size()) +
                    "\r\nConnection: close\r\n\r\n" + file);
  });
  const Pass pass = RunPass(server.Url("/pub/data"));
  EXPECT_EQ(pass.result, 1);
  EXPECT_EQ(pass.metar, "2012/05/06 12:00 RJTT 061200Z 18010KT 9999");
  EXPECT_EQ(pass.taf.substr(0, 16), "2012/05/06 05:00");
  std::lock_guard lock(mutex);
  EXPECT_EQ(sawBoth, (std::vector<bool>{true, true}));
}

// A server that takes both requests and answers neither: both are given up at the
// first time limit, each while the other is still waiting, not one after the other.
TEST(DownloadReportsTest, StalledFilesShareOneTimeLimit) {
  std::mutex mutex;
  int arrived = 0;
  std::vector<int> arrivedWhenGivenUp;
  RawTestServer server([&](int fd, const std::string&) {
    {
      std::lock_guard lock(mutex);
      ++arrived;
    }
    testing_support::HoldUntilClientCloses(fd);
    std::lock_guard lock(mutex);
    arrivedWhenGivenUp.push_back(arrived);
  });
  const Pass pass = RunPass(server.Url("/pub/data"), QuickLimits());
  EXPECT_EQ(pass.causes, std::vector<std::string>(2, "応答がありません(タイムアウト)"));
  EXPECT_EQ(pass.messages, (std::vector<std::string>{kOpenUrlError, kOpenUrlError}))
      << "the METAR's message first";
  EXPECT_EQ(pass.failures[0].report, ReportKind::Metar);
  // The server notices each closed connection within moments.
  const auto givenUp = [&] {
    std::lock_guard lock(mutex);
    return arrivedWhenGivenUp.size();
  };
  while (givenUp() < 2) std::this_thread::sleep_for(1ms);
  std::lock_guard lock(mutex);
  EXPECT_EQ(arrivedWhenGivenUp, (std::vector<int>{2, 2}));
}

TEST(DownloadReportsTest, NamesItselfAndAsksPastEveryCache) {
  HttpTestServer server(ServeStationFiles);
  RunPass(server.Url("/pub/data"));
  for (const auto& request : server.Requests()) {
    EXPECT_EQ(request.userAgent, "Aerolume");
    EXPECT_EQ(request.cacheControl, "no-cache");
    EXPECT_EQ(request.pragma, "no-cache");
  }
}

TEST(DownloadReportsTest, StatusOtherThan2xxIsTheMetarText) {
  struct Case {
    int status;
    std::string body;
    std::string metar;
  };
  const Case cases[] = {
      {404, "<html>not here</html>", "404"},
      {500, "oops", "500"},
      {403, "", "403"},
      {304, "", "304"},
      {203, kMetarFile, "2012/05/06 12:00 RJTT 061200Z 18010KT 9999"},
      {404, std::string(200'000, 'x'), "404"},  // a long error page is not read to its end
  };
  for (const Case& c : cases) {
    HttpTestServer server([&](httplib::Server& routes) {
      routes.Get(kMetarPath, [&](const httplib::Request&, httplib::Response& response) {
        response.status = c.status;
        if (!c.body.empty()) response.set_content(c.body, "text/plain");
      });
      ServeStationFiles(routes);
    });
    const Pass pass = RunPass(server.Url("/pub/data"));
    EXPECT_EQ(pass.result, 1) << c.status;
    EXPECT_EQ(pass.metar, c.metar) << c.status;
    EXPECT_TRUE(pass.messages.empty()) << c.status;
    EXPECT_EQ(pass.taf.substr(0, 16), "2012/05/06 05:00") << "TAF still fetched after " << c.status;
  }
}

TEST(DownloadReportsTest, AnswerTooShortForATimeLineAndAReportIsAReadFailure) {
  struct Case {
    int status;
    std::string body;
    int result;
  };
  const Case cases[] = {
      {200, "", 0},
      {204, "", 0},
      {200, "2012/05/06 12:00", 0},    // 16 bytes
      {200, "2012/05/06 12:00\n", 1},  // 17: a time line and an empty report
  };
  for (const Case& c : cases) {
    HttpTestServer server([&](httplib::Server& routes) {
      routes.Get(".*", [&](const httplib::Request&, httplib::Response& response) {
        response.status = c.status;
        response.set_content(c.body, "text/plain");
      });
    });
    const Pass pass = RunPass(server.Url("/pub/data"));
    EXPECT_EQ(pass.result, c.result) << c.body.size();
    if (c.result == 1) continue;
    EXPECT_EQ(pass.messages, (std::vector<std::string>{kMetarReadError, kTafReadError}));
    EXPECT_EQ(pass.causes, std::vector<std::string>(2, "応答が短すぎます"));
    EXPECT_EQ(pass.failures[0].curlText,
              "HTTP " + std::to_string(c.status) + ", " + std::to_string(c.body.size()) + " bytes");
  }
}

TEST(DownloadReportsTest, BodiesUpToTheCapArriveWholeLargerOnesAreReadFailures) {
  const std::size_t cap = DownloadLimits{}.maxBodyBytes;
  ASSERT_EQ(cap, 64u * 1024u);
  struct Case {
    std::size_t bodyBytes;
    int result;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {cap, 1, {}},
      {cap + 1, 0, {kMetarReadError, kTafReadError}},
      {10 * cap, 0, {kMetarReadError, kTafReadError}},
  };
  for (const Case& c : cases) {
    const std::string body = std::string(c.bodyBytes - 1, 'A') + "\n";
    HttpTestServer server([&](httplib::Server& routes) {
      routes.Get(".*", [&](const httplib::Request&, httplib::Response& response) {
        response.set_content(body, "text/plain");
      });
    });
    const Pass pass = RunPass(server.Url("/pub/data"));
    EXPECT_EQ(pass.result, c.result) << c.bodyBytes;
    EXPECT_EQ(pass.messages, c.messages) << c.bodyBytes;
    EXPECT_EQ(pass.causes,
              std::vector<std::string>(c.messages.size(), "応答が大きすぎます(64KiB超)"))
        << c.bodyBytes;
    EXPECT_EQ(pass.metar.size(), c.result == 1 ? c.bodyBytes - 1 : 0u) << c.bodyBytes;
  }
}

TEST(DownloadReportsTest, NothingListeningFailsBothFilesToOpen) {
  const Pass pass =
      RunPass(testing_support::LoopbackUrl(testing_support::UnusedPort(), "/pub/data"));
  EXPECT_EQ(pass.result, 0);
  EXPECT_EQ(pass.messages, (std::vector<std::string>{kOpenUrlError, kOpenUrlError}));
  EXPECT_EQ(pass.causes, std::vector<std::string>(2, "接続が拒否されました"));
  EXPECT_EQ(pass.metar, "");
  EXPECT_EQ(pass.taf, "");
}

TEST(DownloadReportsTest, ServerThatNeverAnswersTimesOutAsUnopened) {
  RawTestServer server(
      [](int fd, const std::string&) { testing_support::HoldUntilClientCloses(fd); });
  const auto started = std::chrono::steady_clock::now();
  const Pass pass = RunPass(server.Url("/pub/data"), QuickLimits());
  EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);
  EXPECT_EQ(pass.result, 0);
  EXPECT_EQ(pass.messages, (std::vector<std::string>{kOpenUrlError, kOpenUrlError}));
  EXPECT_EQ(pass.causes, std::vector<std::string>(2, "応答がありません(タイムアウト)"));
  EXPECT_EQ(server.Requests().size(), 2u);
}

TEST(DownloadReportsTest, BodyCutShortIsAReadFailure) {
  struct Case {
    const char* name;
    std::function<void(int)> afterHead;
    std::string cause;
  };
  const Case cases[] = {
      {"connection closed", [](int) {}, "通信が途中で切れました"},
      {"server stalls", [](int fd) { testing_support::HoldUntilClientCloses(fd); },
       "応答がありません(タイムアウト)"},
  };
  for (const Case& c : cases) {
    RawTestServer server([&](int fd, const std::string&) {
      SendAll(fd,
              "HTTP/1.1 200 OK\r\nContent-Length: 200\r\nConnection: close\r\n\r\n" + kMetarFile);
      c.afterHead(fd);
    });
    const Pass pass = RunPass(server.Url("/pub/data"), QuickLimits());
    EXPECT_EQ(pass.result, 0) << c.name;
    EXPECT_EQ(pass.messages, (std::vector<std::string>{kMetarReadError, kTafReadError})) << c.name;
    EXPECT_EQ(pass.causes, std::vector<std::string>(2, c.cause)) << c.name;
    EXPECT_EQ(pass.metar, "") << c.name;
    EXPECT_EQ(pass.taf, "") << c.name;
  }
}

TEST(DownloadReportsTest, FailedMetarStillFetchesTheTaf) {
  RawTestServer server([](int fd, const std::string& request) {
    if (request.find("/metar/") != std::string::npos) return;  // closed before any answer
    SendAll(fd, "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(kTafFile.size()) +
                    "\r\nConnection: close\r\n\r\n" + kTafFile);
  });
  const Pass pass = RunPass(server.Url("/pub/data"));
  EXPECT_EQ(pass.result, 0);
  EXPECT_EQ(pass.messages, std::vector<std::string>{kOpenUrlError});
  EXPECT_EQ(pass.metar, "");
  EXPECT_EQ(pass.taf.substr(0, 16), "2012/05/06 05:00");
}

TEST(DownloadReportsTest, FollowsRedirects) {
  HttpTestServer server([](httplib::Server& routes) {
    ServeStationFiles(routes);
    routes.Get("/moved/(.*)", [](const httplib::Request& request, httplib::Response& response) {
      response.set_redirect("/pub/data/" + request.matches[1].str(), 301);
    });
  });
  const Pass pass = RunPass(server.Url("/moved"));
  EXPECT_EQ(pass.result, 1);
  EXPECT_TRUE(pass.messages.empty());
  EXPECT_EQ(pass.metar, "2012/05/06 12:00 RJTT 061200Z 18010KT 9999");
  EXPECT_EQ(server.Requests().size(), 4u);
}

TEST(DownloadReportsTest, RedirectLoopGivesUpAfterFiveRedirects) {
  HttpTestServer server([](httplib::Server& routes) {
    routes.Get(".*", [](const httplib::Request& request, httplib::Response& response) {
      response.set_redirect(request.path, 302);
    });
  });
  const Pass pass = RunPass(server.Url("/pub/data"));
  EXPECT_EQ(pass.result, 0);
  EXPECT_EQ(pass.messages, (std::vector<std::string>{kOpenUrlError, kOpenUrlError}));
  EXPECT_EQ(pass.causes, std::vector<std::string>(2, "リダイレクトが多すぎます"));
  EXPECT_EQ(pass.metar, "");
  EXPECT_EQ(server.Requests().size(), 12u);  // per file the request and five redirects
}

TEST(DownloadReportsTest, RedirectOutOfHttpIsRefused) {
  HttpTestServer server([](httplib::Server& routes) {
    routes.Get(".*", [](const httplib::Request&, httplib::Response& response) {
      response.set_redirect("file:///etc/hostname", 302);
    });
  });
  const Pass pass = RunPass(server.Url("/pub/data"));
  EXPECT_EQ(pass.result, 0);
  EXPECT_EQ(pass.messages, (std::vector<std::string>{kOpenUrlError, kOpenUrlError}));
  EXPECT_EQ(pass.causes, std::vector<std::string>(2, "この種類のアドレスには接続できません"));
  EXPECT_EQ(pass.metar, "");
}

TEST(DownloadReportsTest, TlsFailureIsUnopened) {
  HttpTestServer server(ServeStationFiles);
  const std::string httpsBase = "https://127.0.0.1:" + std::to_string(server.Port()) + "/pub/data";
  const Pass pass = RunPass(httpsBase);
  EXPECT_EQ(pass.result, 0);
  EXPECT_EQ(pass.messages, (std::vector<std::string>{kOpenUrlError, kOpenUrlError}));
  EXPECT_EQ(pass.causes, std::vector<std::string>(2, "暗号化通信(TLS)を始められません"));
}

TEST(DownloadReportsTest, CertificateNoAuthorityVouchesForIsUnopened) {
  const std::string tls = std::string(AEROLUME_TEST_DATA) + "/tls/";
  httplib::SSLServer server((tls + "untrusted-cert.pem").c_str(),
                            (tls + "untrusted-key.pem").c_str());
  ASSERT_TRUE(server.is_valid());
  ServeStationFiles(server);
  const int port = server.bind_to_any_port("127.0.0.1");
  std::thread thread([&] { server.listen_after_bind(); });
  while (!server.is_running()) std::this_thread::sleep_for(1ms);
  const Pass pass = RunPass("https://127.0.0.1:" + std::to_string(port) + "/pub/data");
  server.stop();
  thread.join();
  EXPECT_EQ(pass.messages, (std::vector<std::string>{kOpenUrlError, kOpenUrlError}));
  EXPECT_EQ(pass.causes, std::vector<std::string>(2, "サーバー証明書を検証できません"));
}

TEST(DownloadReportsTest, GoesThroughTheProxyOfTheEnvironment) {
  RawTestServer proxy([](int fd, const std::string&) {
    SendAll(fd, "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(kMetarFile.size()) +
                    "\r\nConnection: close\r\n\r\n" + kMetarFile);
  });
  testing_support::ScopedEnv noProxy("no_proxy", std::nullopt);
  testing_support::ScopedEnv noProxyUpper("NO_PROXY", std::nullopt);
  testing_support::ScopedEnv httpProxy("http_proxy", proxy.Url(""));
  const Pass pass =
      PassOf(DownloadStationFiles("RJTT", {"http://weather.invalid/pub/data", DownloadLimits{}}));
  EXPECT_EQ(pass.result, 1);
  EXPECT_TRUE(pass.messages.empty());
  EXPECT_EQ(pass.metar, "2012/05/06 12:00 RJTT 061200Z 18010KT 9999");
  const auto requests = proxy.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(std::count_if(requests.begin(), requests.end(),
                          [](const std::string& request) {
                            return request.starts_with(
                                "GET http://weather.invalid/pub/data/observations/metar/stations/"
                                "RJTT.TXT HTTP/1.1\r\n");
                          }),
            1)
      << requests[0];
}

TEST(DownloadReportsTest, ProxyThatIsDownIsNamedAsTheCause) {
  testing_support::ScopedEnv noProxy("no_proxy", std::nullopt);
  testing_support::ScopedEnv noProxyUpper("NO_PROXY", std::nullopt);
  testing_support::ScopedEnv httpProxy(
      "http_proxy", testing_support::LoopbackUrl(testing_support::UnusedPort(), ""));
  const Pass pass =
      PassOf(DownloadStationFiles("RJTT", {"http://weather.invalid/pub/data", DownloadLimits{}}));
  EXPECT_EQ(pass.messages, (std::vector<std::string>{kOpenUrlError, kOpenUrlError}));
  EXPECT_EQ(pass.causes, std::vector<std::string>(2, "プロキシに接続できません"));
}

TEST(DownloadReportsTest, FailureMessageNamesTheReportItsAddressAndTheCause) {
  const int port = testing_support::UnusedPort();
  const Pass pass = RunPass(testing_support::LoopbackUrl(port, "/pub/data"));
  ASSERT_EQ(pass.failures.size(), 2u);
  const std::string expectedCurlText =
      "Failed to connect to 127.0.0.1 port " + std::to_string(port);
  const DownloadFailure& taf = pass.failures[1];
  EXPECT_EQ(taf.report, ReportKind::Taf);
  EXPECT_EQ(taf.url, testing_support::LoopbackUrl(port, kTafPath));
  EXPECT_TRUE(taf.curlText.starts_with(expectedCurlText)) << taf.curlText;
  EXPECT_EQ(FailureMessageText(taf), "InternetOpenUrl(hInternet, ...) Error\nTAF: " + taf.url +
                                         "\n接続が拒否されました (" + taf.curlText + ")");
}

TEST(DownloadReportsTest, StopEndsAStalledPassAtOnceAndFetchesNothingMore) {
  RawTestServer server(
      [](int fd, const std::string&) { testing_support::HoldUntilClientCloses(fd); });
  testing_support::NoProxies noProxies;
  std::stop_source stop;
  std::thread stopper([&] {
    while (server.Requests().size() < 2) std::this_thread::sleep_for(1ms);
    stop.request_stop();
  });
  DownloadSettings settings{server.Url("/pub/data"), {}};
  settings.fallbackBase = server.Url("/api");
  const DownloadResult result = DownloadStationFiles("RJTT", settings, stop.get_token());
  stopper.join();
  EXPECT_TRUE(result.stopped);
  EXPECT_FALSE(result.Succeeded());
  EXPECT_TRUE(result.failures.empty());
  EXPECT_EQ(server.Requests().size(), 2u) << "the second source is never asked";
}

struct UnreadableCase {
  const char* name;
  std::string answer;   // every byte the server sends
  std::string message;  // the first line of the METAR's message
  std::string cause;
};

void PrintTo(const UnreadableCase& c, std::ostream* os) {
  *os << c.name;
}

class UnreadableAnswerTest : public testing::TestWithParam<UnreadableCase> {};

// Answers that are no HTTP, or a body that cannot be read as it came, say so.
TEST_P(UnreadableAnswerTest, CauseSaysWhatHappened) {
  const UnreadableCase& c = GetParam();
  RawTestServer server([&](int fd, const std::string& request) {
    if (request.find("/metar/") != std::string::npos) {
      SendAll(fd, c.answer);
      return;
    }
    SendAll(fd, "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(kTafFile.size()) +
                    "\r\nConnection: close\r\n\r\n" + kTafFile);
  });
  const Pass pass = RunPass(server.Url("/pub/data"));
  ASSERT_EQ(pass.failures.size(), 1u);
  EXPECT_EQ(pass.messages.front(), c.message);
  EXPECT_EQ(pass.causes.front(), c.cause) << pass.failures.front().curlText;
  EXPECT_EQ(pass.metar, "");
  EXPECT_EQ(pass.taf.substr(0, 16), "2012/05/06 05:00");
}

const std::string kUnreadableReply = "サーバーの応答を読み取れません";

INSTANTIATE_TEST_SUITE_P(
    Answers, UnreadableAnswerTest,
    testing::Values(
        UnreadableCase{"HTTP_0_9", kMetarFile, kOpenUrlError, kUnreadableReply},
        UnreadableCase{"status_code_not_a_number",
                       "HTTP/1.1 abc OK\r\nContent-Length: 3\r\n\r\nabc", kOpenUrlError,
                       kUnreadableReply},
        UnreadableCase{"unknown_version", "HTTP/9.9 200 OK\r\nContent-Length: 3\r\n\r\nabc",
                       kOpenUrlError, kUnreadableReply},
        UnreadableCase{"gzip_unasked",
                       "HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\nContent-Length: " +
                           std::to_string(kMetarFile.size()) + "\r\nConnection: close\r\n\r\n" +
                           kMetarFile,
                       kMetarReadError, "応答が求めていない形式で圧縮されています(gzip)"},
        UnreadableCase{"brotli_unasked_header_in_capitals",
                       "HTTP/1.1 200 OK\r\nCONTENT-ENCODING:  br \r\nContent-Length: " +
                           std::to_string(kMetarFile.size()) + "\r\nConnection: close\r\n\r\n" +
                           kMetarFile,
                       kMetarReadError, "応答が求めていない形式で圧縮されています(br)"}),
    [](const testing::TestParamInfo<UnreadableCase>& info) {
      return std::string(info.param.name);
    });

TEST(DownloadReportsTest, IdentityEncodingIsNoCompression) {
  RawTestServer server([](int fd, const std::string& request) {
    const std::string& file = request.find("/metar/") != std::string::npos ? kMetarFile : kTafFile;
    SendAll(fd, "HTTP/1.1 200 OK\r\nContent-Encoding: identity\r\nContent-Length: " +
                    std::to_string(file.size()) + "\r\nConnection: close\r\n\r\n" + file);
  });
  const Pass pass = RunPass(server.Url("/pub/data"));
  EXPECT_EQ(pass.result, 1);
  EXPECT_EQ(pass.metar, "2012/05/06 12:00 RJTT 061200Z 18010KT 9999");
}

TEST(CurlReportSourceTest, UsesTheServerBaseItWasGiven) {
  HttpTestServer server(ServeStationFiles);
  testing_support::NoProxies noProxies;
  CurlReportSource source;
  EXPECT_EQ(source.Settings().serverBase, kDefaultServerBase);
  source.SetServerBase(server.Url("/pub/data/"));
  EXPECT_TRUE(source.DownloadReports("RJTT", {}).Succeeded());
  EXPECT_EQ(server.Requests().size(), 2u);
}

}  // namespace
}  // namespace aerolume

#include "retrieval/report_download.hpp"

#include <gtest/gtest.h>

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

class MessageLog : public ReportView {
 public:
  void SetField(ReportField, const std::string&) override {}
  void ShowMessage(const std::string& text, MessageIcon icon) override {
    messages.push_back(text);
    EXPECT_EQ(icon, MessageIcon::Exclamation);
  }
  void ShowWind(const std::string&, const WindValues&) override {}

  std::vector<std::string> messages;
};

struct Pass {
  int result = -1;
  std::string metar;
  std::string taf;
  std::vector<std::string> messages;
};

// For servers that stall: no test waits for the program's own 30 seconds.
DownloadLimits QuickLimits() {
  DownloadLimits limits;
  limits.connectTimeout = 1000ms;
  limits.totalTimeout = 400ms;
  return limits;
}

Pass RunPass(const std::string& serverBase, DownloadLimits limits = {}) {
  testing_support::NoProxies noProxies;
  MessageLog view;
  Pass pass;
  pass.result = DownloadReports("RJTT", pass.metar, pass.taf, view, {serverBase, limits});
  pass.messages = view.messages;
  return pass;
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

TEST(DownloadReportsTest, FetchesMetarThenTafNormalised) {
  HttpTestServer server(ServeStationFiles);
  const Pass pass = RunPass(server.Url("/pub/data"));
  EXPECT_EQ(pass.result, 1);
  EXPECT_TRUE(pass.messages.empty());
  EXPECT_EQ(pass.metar, "2012/05/06 12:00 RJTT 061200Z 18010KT 9999");
  EXPECT_EQ(pass.taf, "2012/05/06 05:00 TAF RJTT 060500Z 0606/0712 18010KT TEMPO 0612/0615 SHRA");
  const auto requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].path, kMetarPath);
  EXPECT_EQ(requests[1].path, kTafPath);
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
      {204, "", ""},
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

TEST(DownloadReportsTest, EmptyBodyIsAnEmptyText) {
  HttpTestServer server([](httplib::Server& routes) {
    routes.Get(".*", [](const httplib::Request&, httplib::Response& response) {
      response.set_content("", "text/plain");
    });
  });
  const Pass pass = RunPass(server.Url("/pub/data"));
  EXPECT_EQ(pass.result, 1);
  EXPECT_EQ(pass.metar, "");
  EXPECT_EQ(pass.taf, "");
  EXPECT_TRUE(pass.messages.empty());
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
    EXPECT_EQ(pass.metar.size(), c.result == 1 ? c.bodyBytes - 1 : 0u) << c.bodyBytes;
  }
}

TEST(DownloadReportsTest, NothingListeningFailsBothFilesToOpen) {
  const Pass pass =
      RunPass(testing_support::LoopbackUrl(testing_support::UnusedPort(), "/pub/data"));
  EXPECT_EQ(pass.result, 0);
  EXPECT_EQ(pass.messages, (std::vector<std::string>{kOpenUrlError, kOpenUrlError}));
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
  EXPECT_EQ(server.Requests().size(), 2u);
}

TEST(DownloadReportsTest, BodyCutShortIsAReadFailure) {
  struct Case {
    const char* name;
    std::function<void(int)> afterHead;
  };
  const Case cases[] = {
      {"connection closed", [](int) {}},
      {"server stalls", [](int fd) { testing_support::HoldUntilClientCloses(fd); }},
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
  EXPECT_EQ(pass.metar, "");
}

TEST(DownloadReportsTest, TlsFailureIsUnopened) {
  HttpTestServer server(ServeStationFiles);
  const std::string httpsBase = "https://127.0.0.1:" + std::to_string(server.Port()) + "/pub/data";
  const Pass pass = RunPass(httpsBase);
  EXPECT_EQ(pass.result, 0);
  EXPECT_EQ(pass.messages, (std::vector<std::string>{kOpenUrlError, kOpenUrlError}));
}

TEST(DownloadReportsTest, GoesThroughTheProxyOfTheEnvironment) {
  RawTestServer proxy([](int fd, const std::string&) {
    SendAll(fd, "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(kMetarFile.size()) +
                    "\r\nConnection: close\r\n\r\n" + kMetarFile);
  });
  testing_support::ScopedEnv noProxy("no_proxy", std::nullopt);
  testing_support::ScopedEnv noProxyUpper("NO_PROXY", std::nullopt);
  testing_support::ScopedEnv httpProxy("http_proxy", proxy.Url(""));
  MessageLog view;
  std::string metar;
  std::string taf;
  const int result = DownloadReports("RJTT", metar, taf, view,
                                     {"http://weather.invalid/pub/data", DownloadLimits{}});
  EXPECT_EQ(result, 1);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(metar, "2012/05/06 12:00 RJTT 061200Z 18010KT 9999");
  const auto requests = proxy.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_TRUE(requests[0].starts_with(
      "GET http://weather.invalid/pub/data/observations/metar/stations/RJTT.TXT HTTP/1.1\r\n"))
      << requests[0];
}

TEST(CurlReportSourceTest, UsesTheServerBaseItWasGiven) {
  HttpTestServer server(ServeStationFiles);
  testing_support::NoProxies noProxies;
  CurlReportSource source;
  EXPECT_EQ(source.Settings().serverBase, kDefaultServerBase);
  source.SetServerBase(server.Url("/pub/data/"));
  MessageLog view;
  std::string metar;
  std::string taf;
  EXPECT_TRUE(source.DownloadReports("RJTT", metar, taf, view));
  EXPECT_EQ(server.Requests().size(), 2u);
}

}  // namespace
}  // namespace aerolume

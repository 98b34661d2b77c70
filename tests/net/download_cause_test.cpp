#include "retrieval/download_cause.hpp"

#include <gtest/gtest.h>

#include "loopback_servers.hpp"

namespace aerolume {
namespace {

using testing_support::ScopedEnv;

// The causes no loopback server can stage: a name lookup needs a resolver.
TEST(DownloadCauseTest, EachFailureHasItsJapaneseCause) {
  const testing_support::NoProxies noProxies;
  const std::pair<CURLcode, std::string> cases[] = {
      {CURLE_COULDNT_RESOLVE_HOST, "サーバーが見つかりません"},
      {CURLE_COULDNT_RESOLVE_PROXY, "プロキシに接続できません"},
      {CURLE_COULDNT_CONNECT, "接続が拒否されました"},
      {CURLE_PEER_FAILED_VERIFICATION, "サーバー証明書を検証できません"},
      {CURLE_OPERATION_TIMEDOUT, "応答がありません(タイムアウト)"},
      {CURLE_OUT_OF_MEMORY, "通信に失敗しました"},
  };
  for (const auto& [code, cause] : cases) {
    EXPECT_EQ(TransferCause(code, "https://tgftp.nws.noaa.gov/data"), cause) << code;
  }
  EXPECT_EQ(BodyTooLargeCause(64 * 1024), "応答が大きすぎます(64KiB超)");
  // libcurl's one code for an answer that is no HTTP and for a redirect elsewhere: the
  // address the transfer ended at tells them apart.
  EXPECT_EQ(TransferCause(CURLE_UNSUPPORTED_PROTOCOL, "HTTP://127.0.0.1/data"),
            "サーバーの応答を読み取れません");
  EXPECT_EQ(TransferCause(CURLE_UNSUPPORTED_PROTOCOL, "file:///etc/hostname"),
            "この種類のアドレスには接続できません");
  EXPECT_EQ(TransferCause(CURLE_WEIRD_SERVER_REPLY, "https://tgftp.nws.noaa.gov/data"),
            "サーバーの応答を読み取れません");
}

TEST(DownloadCauseTest, ProxyAppliesAsTheEnvironmentSays) {
  struct Case {
    const char* url;
    const char* httpProxy;
    const char* httpsProxy;
    const char* noProxy;
    bool applies;
  };
  const Case cases[] = {
      {"http://tgftp.nws.noaa.gov/data", nullptr, nullptr, nullptr, false},
      {"http://tgftp.nws.noaa.gov/data", "http://proxy:3128", nullptr, nullptr, true},
      {"https://tgftp.nws.noaa.gov/data", "http://proxy:3128", nullptr, nullptr, false},
      {"https://tgftp.nws.noaa.gov/data", nullptr, "http://proxy:3128", nullptr, true},
      {"https://tgftp.nws.noaa.gov/data", nullptr, "http://proxy:3128", "*", false},
      {"https://tgftp.nws.noaa.gov/data", nullptr, "http://proxy:3128", "localhost,.noaa.gov",
       false},
      {"https://TGFTP.NWS.NOAA.GOV:443/data", nullptr, "http://proxy:3128", "nws.noaa.gov", false},
      {"https://tgftp.nws.noaa.gov/data", nullptr, "http://proxy:3128", "noaa.gov.example", true},
      {"http://127.0.0.1:8765/data", "http://proxy:3128", nullptr, "127.0.0.1", false},
  };
  for (const Case& c : cases) {
    const testing_support::NoProxies noProxies;
    const ScopedEnv http("http_proxy",
                         c.httpProxy ? std::optional<std::string>(c.httpProxy) : std::nullopt);
    const ScopedEnv https("https_proxy",
                          c.httpsProxy ? std::optional<std::string>(c.httpsProxy) : std::nullopt);
    const ScopedEnv noProxy("no_proxy",
                            c.noProxy ? std::optional<std::string>(c.noProxy) : std::nullopt);
    const ScopedEnv noProxyUpper("NO_PROXY", std::nullopt);
    EXPECT_EQ(ProxyApplies(c.url), c.applies)
        << c.url << " http_proxy=" << (c.httpProxy ? c.httpProxy : "-")
        << " https_proxy=" << (c.httpsProxy ? c.httpsProxy : "-")
        << " no_proxy=" << (c.noProxy ? c.noProxy : "-");
  }
}

}  // namespace
}  // namespace aerolume

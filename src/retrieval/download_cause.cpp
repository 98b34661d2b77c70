#include "retrieval/download_cause.hpp"

#include <cctype>
#include <cstdlib>
#include <optional>

namespace aerolume {

namespace {

constexpr std::string_view kProxyCause = "プロキシに接続できません";

std::string Lowercase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

// The first of the names that is set; libcurl reads them in this order.
std::optional<std::string> FirstSet(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (auto value = Environment(name)) return value;
  }
  return std::nullopt;
}

std::string_view SchemeOf(std::string_view url) {
  const std::size_t colon = url.find("://");
  return colon == std::string_view::npos ? std::string_view() : url.substr(0, colon);
}

bool IsHttpScheme(std::string_view scheme) {
  const std::string lower = Lowercase(scheme);
  return lower == "http" || lower == "https";
}

// The host of an http(s) URL, without user, port or brackets.
std::string HostOf(std::string_view url) {
  std::string_view rest = url.substr(std::min(url.size(), SchemeOf(url).size() + 3));
  rest = rest.substr(0, rest.find_first_of("/?#"));
  if (const std::size_t at = rest.rfind('@'); at != std::string_view::npos) {
    rest.remove_prefix(at + 1);
  }
  if (rest.starts_with('[')) return Lowercase(rest.substr(1, rest.find(']') - 1));
  return Lowercase(rest.substr(0, rest.find(':')));
}

// no_proxy: "*", or names separated by commas, each matching the host itself or,
// with or without a leading dot, any host under it.
bool Excluded(const std::string& host, std::string_view noProxy) {
  while (!noProxy.empty()) {
    const std::size_t comma = noProxy.find(',');
    std::string_view name = noProxy.substr(0, comma);
    noProxy = comma == std::string_view::npos ? std::string_view() : noProxy.substr(comma + 1);
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    if (name == "*") return true;
    if (name.starts_with('.')) name.remove_prefix(1);
    if (name.empty()) continue;
    const std::string lower = Lowercase(name);
    if (host == lower || host.ends_with("." + lower)) return true;
  }
  return false;
}

}  // namespace

bool ProxyApplies(std::string_view url) {
  const std::string scheme = Lowercase(SchemeOf(url));
  // libcurl leaves HTTP_PROXY in capitals alone: web servers set it from a header.
  const std::optional<std::string> proxy =
      scheme == "https" ? FirstSet({"https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
                        : FirstSet({"http_proxy", "all_proxy", "ALL_PROXY"});
  if (!proxy) return false;
  const std::optional<std::string> noProxy = FirstSet({"no_proxy", "NO_PROXY"});
  return !noProxy || !Excluded(HostOf(url), *noProxy);
}

std::string BodyTooLargeCause(std::size_t maxBodyBytes) {
  return "応答が大きすぎます(" + std::to_string(maxBodyBytes / 1024) + "KiB超)";
}

std::string UnaskedCompressionCause(std::string_view contentEncoding) {
  return "応答が求めていない形式で圧縮されています(" + std::string(contentEncoding) + ")";
}

std::string TransferCause(CURLcode result, std::string_view url) {
  switch (result) {
    case CURLE_COULDNT_CONNECT:
      return ProxyApplies(url) ? std::string(kProxyCause) : "接続が拒否されました";
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_PROXY:
      return std::string(kProxyCause);
    case CURLE_COULDNT_RESOLVE_HOST:
      return "サーバーが見つかりません";
    case CURLE_OPERATION_TIMEDOUT:
      return "応答がありません(タイムアウト)";
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
      return "サーバー証明書を検証できません";
    case CURLE_SSL_CONNECT_ERROR:
      return "暗号化通信(TLS)を始められません";
    case CURLE_TOO_MANY_REDIRECTS:
      return "リダイレクトが多すぎます";
    case CURLE_UNSUPPORTED_PROTOCOL:
      // libcurl says the same of a redirect to another scheme and of an http answer
      // that is not HTTP (HTTP/0.9, a malformed status line): the address tells.
      return IsHttpScheme(SchemeOf(url)) ? std::string(kUnreadableReplyCause)
                                         : "この種類のアドレスには接続できません";
    case CURLE_WEIRD_SERVER_REPLY:
      return std::string(kUnreadableReplyCause);
    case CURLE_FILESIZE_EXCEEDED:
      return "応答が大きすぎます";
    case CURLE_GOT_NOTHING:
      return "応答がないまま接続が切れました";
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
      return "通信が途中で切れました";
    default:
      return "通信に失敗しました";
  }
}

}  // namespace aerolume

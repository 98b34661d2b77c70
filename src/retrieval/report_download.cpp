#include "retrieval/report_download.hpp"

#include <curl/curl.h>

#include <cctype>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include "retrieval/station_file.hpp"

namespace aerolume {

namespace {

constexpr const char* kUserAgent = "Aerolume";
constexpr std::string_view kMetarPath = "/observations/metar/stations/";
constexpr std::string_view kTafPath = "/forecasts/taf/stations/";

struct EasyDeleter {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct HeaderListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using HeaderList = std::unique_ptr<curl_slist, HeaderListDeleter>;

// What one pass holds open: the easy handle and the headers it sends.
struct InternetHandle {
  EasyHandle easy;
  HeaderList headers;
};

std::string_view TrimBase(std::string_view base) {
  while (!base.empty() && base.back() == '/') base.remove_suffix(1);
  return base;
}

bool IsHttpsUrl(std::string_view url) {
  constexpr std::string_view kScheme = "https:";
  if (url.size() < kScheme.size()) return false;
  for (std::size_t i = 0; i < kScheme.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(url[i])) != kScheme[i]) return false;
  }
  return true;
}

// What came back for one file. Redirects and interim (1xx) answers are steps on the
// way: until a final answer's status line has arrived, nothing has been opened.
struct Transfer {
  std::size_t maxBodyBytes = 0;
  std::string status;     // the status code of the latest status line, "200"
  bool answered = false;  // the status line of the final answer has arrived
  std::string body;

  bool Successful() const { return !status.empty() && status.front() == '2'; }
};

std::string StatusCodeOf(std::string_view statusLine) {
  const std::size_t space = statusLine.find(' ');
  if (space == std::string_view::npos) return {};
  std::string_view rest = statusLine.substr(space + 1);
  const std::size_t end = rest.find_first_not_of("0123456789");
  return std::string(rest.substr(0, end));
}

std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user) {
  auto& transfer = *static_cast<Transfer*>(user);
  const std::string_view line(data, size * count);
  if (line.starts_with("HTTP/")) {
    transfer.status = StatusCodeOf(line);
    transfer.answered = true;
  } else if (line == "\r\n" || line == "\n") {
    // The end of a redirect's or an interim answer's headers: another answer follows.
    const bool interim = !transfer.status.empty() && transfer.status.front() == '1';
    const bool redirect = !transfer.status.empty() && transfer.status.front() == '3';
    if (interim || redirect) transfer.answered = false;
  }
  return size * count;
}

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
  auto& transfer = *static_cast<Transfer*>(user);
  const std::size_t length = size * count;
  // Bodies of error and redirect answers are never shown.
  if (!transfer.Successful()) return length;
  if (transfer.body.size() + length > transfer.maxBodyBytes) return 0;  // aborts the transfer
  transfer.body.append(data, length);
  return length;
}

void InitialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Options shared by both transfers of a pass; false when one is not supported.
bool Configure(CURL* easy, curl_slist* headers, const DownloadLimits& limits,
               std::string_view serverBase) {
  // An https server must never be left for plain http on a redirect.
  const char* redirectProtocols = IsHttpsUrl(serverBase) ? "https" : "http,https";
  // Proxies come from http_proxy, https_proxy and no_proxy, which libcurl reads itself.
  return curl_easy_setopt(easy, CURLOPT_USERAGENT, kUserAgent) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, redirectProtocols) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_MAXREDIRS, limits.maxRedirects) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS,
                          static_cast<long>(limits.connectTimeout.count())) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS,
                          static_cast<long>(limits.totalTimeout.count())) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L) == CURLE_OK &&
         // A proxy's CONNECT answer is not the server's answer.
         curl_easy_setopt(easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, OnHeader) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, OnBody) == CURLE_OK;
}

std::optional<InternetHandle> OpenInternetHandle(const DownloadSettings& settings) {
  InitialiseCurlOnce();
  InternetHandle handle{EasyHandle(curl_easy_init()), nullptr};
  if (!handle.easy) return std::nullopt;
  // No cache on the way may answer for the server.
  curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
  handle.headers.reset(headers);
  if (headers == nullptr) return std::nullopt;
  if (curl_slist_append(headers, "Pragma: no-cache") == nullptr) return std::nullopt;
  if (!Configure(handle.easy.get(), headers, settings.limits, settings.serverBase)) {
    return std::nullopt;
  }
  return handle;
}

// One file into its text. A failure is shown at once and gives false.
bool FetchReport(CURL* easy, const std::string& url, const DownloadLimits& limits,
                 std::string_view readFailedMessage, std::string& text, ReportView& view) {
  Transfer transfer;
  transfer.maxBodyBytes = limits.maxBodyBytes;
  curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, &transfer);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
  const CURLcode result = curl_easy_perform(easy);
  // A redirect that is not followed, for want of a Location, is the final answer.
  const bool finished = result == CURLE_OK && !transfer.status.empty();
  if (!transfer.answered && !finished) {
    view.ShowMessage(std::string(kOpenUrlFailedMessage), MessageIcon::Exclamation);
    return false;
  }
  if (!transfer.Successful()) {
    text = transfer.status;
    return true;
  }
  if (result != CURLE_OK) {
    view.ShowMessage(std::string(readFailedMessage), MessageIcon::Exclamation);
    return false;
  }
  text = NormalizeReportText(transfer.body);
  return true;
}

}  // namespace

bool IsServerBaseUrl(std::string_view url) {
  return url.starts_with("http://") || url.starts_with("https://");
}

std::string MetarUrl(std::string_view serverBase, std::string_view stationCode) {
  return std::string(TrimBase(serverBase)).append(kMetarPath).append(stationCode).append(".TXT");
}

std::string TafUrl(std::string_view serverBase, std::string_view stationCode) {
  return std::string(TrimBase(serverBase)).append(kTafPath).append(stationCode).append(".TXT");
}

int DownloadReports(const std::string& stationCode, std::string& metarText, std::string& tafText,
                    ReportView& view, const DownloadSettings& settings) {
  const std::optional<InternetHandle> internet = OpenInternetHandle(settings);
  if (!internet) {
    view.ShowMessage(std::string(kOpenFailedMessage), MessageIcon::Exclamation);
    return 0;
  }
  CURL* easy = internet->easy.get();
  const bool metarOk = FetchReport(easy, MetarUrl(settings.serverBase, stationCode),
                                   settings.limits, kMetarReadFailedMessage, metarText, view);
  const bool tafOk = FetchReport(easy, TafUrl(settings.serverBase, stationCode), settings.limits,
                                 kTafReadFailedMessage, tafText, view);
  return metarOk && tafOk ? 1 : 0;
}

void CurlReportSource::SetServerBase(std::string serverBase) {
  m_settings.serverBase = std::move(serverBase);
}

bool CurlReportSource::DownloadReports(const std::string& stationCode, std::string& metarText,
                                       std::string& tafText, ReportView& view) {
  return aerolume::DownloadReports(stationCode, metarText, tafText, view, m_settings) == 1;
}

}  // namespace aerolume

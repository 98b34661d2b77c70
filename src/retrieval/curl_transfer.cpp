#include "retrieval/curl_transfer.hpp"

#include <cctype>
#include <mutex>

#include "retrieval/download_cause.hpp"

namespace aerolume {

namespace {

constexpr const char* kUserAgent = "Aerolume";

bool IsHttpsUrl(std::string_view url) {
  constexpr std::string_view kScheme = "https:";
  if (url.size() < kScheme.size()) return false;
  for (std::size_t i = 0; i < kScheme.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(url[i])) != kScheme[i]) return false;
  }
  return true;
}

// What came back for one address while it comes. Redirects and interim (1xx) answers
// are steps on the way: until a final answer's status line has arrived, nothing has
// been opened.
struct Transfer {
  std::size_t maxBodyBytes = 0;
  const std::stop_token* stop = nullptr;
  std::string status;     // the status code of the latest status line, "200"
  bool answered = false;  // the status line of the final answer has arrived
  std::string body;
  // Body bytes of the latest answer, kept or not: no answer is read past the cap.
  std::size_t answerBytes = 0;
  bool tooLarge = false;

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
    transfer.answerBytes = 0;
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
  transfer.answerBytes += length;
  if (transfer.answerBytes > transfer.maxBodyBytes) {
    transfer.tooLarge = true;
    return 0;  // aborts the transfer
  }
  // Bodies of error and redirect answers are never shown.
  if (transfer.Successful()) transfer.body.append(data, length);
  return length;
}

// Called by libcurl while a transfer runs; a non-zero answer aborts it.
int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto& transfer = *static_cast<const Transfer*>(user);
  return transfer.stop->stop_requested() ? 1 : 0;
}

void InitialiseCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Options shared by every transfer of a handle; false when one is not supported.
bool Configure(CURL* easy, curl_slist* headers, const DownloadLimits& limits,
               std::string_view base) {
  // An https server must never be left for plain http on a redirect.
  const char* redirectProtocols = IsHttpsUrl(base) ? "https" : "http,https";
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
         curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, OnBody) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, OnProgress) == CURLE_OK &&
         curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L) == CURLE_OK;
}

// Runs one transfer to its end, or until `stop` is requested, which wakes the wait.
CURLcode Perform(CURL* easy, CURLM* multi, const std::stop_token& stop) {
  if (curl_multi_add_handle(multi, easy) != CURLM_OK) return CURLE_FAILED_INIT;
  const std::stop_callback wake(stop, [multi] { curl_multi_wakeup(multi); });
  CURLcode result = CURLE_ABORTED_BY_CALLBACK;
  bool done = false;
  while (!done && !stop.stop_requested()) {
    int running = 0;
    if (curl_multi_perform(multi, &running) != CURLM_OK) {
      result = CURLE_FAILED_INIT;
      break;
    }
    int queued = 0;
    while (const CURLMsg* message = curl_multi_info_read(multi, &queued)) {
      if (message->msg != CURLMSG_DONE) continue;
      result = message->data.result;
      done = true;
    }
    if (!done && running != 0) curl_multi_poll(multi, nullptr, 0, 1000, nullptr);
    done = done || running == 0;
  }
  curl_multi_remove_handle(multi, easy);
  return result;
}

}  // namespace

std::optional<InternetHandle> OpenInternetHandle(const DownloadLimits& limits,
                                                 std::string_view base) {
  InitialiseCurlOnce();
  InternetHandle handle{decltype(InternetHandle::easy)(curl_easy_init()), nullptr,
                        decltype(InternetHandle::multi)(curl_multi_init()), limits};
  if (!handle.easy || !handle.multi) return std::nullopt;
  // A stopped pass must not wait for a name lookup still running.
  curl_easy_setopt(handle.easy.get(), CURLOPT_QUICK_EXIT, 1L);
  // No cache on the way may answer for the server.
  curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
  handle.headers.reset(headers);
  if (headers == nullptr) return std::nullopt;
  if (curl_slist_append(headers, "Pragma: no-cache") == nullptr) return std::nullopt;
  if (!Configure(handle.easy.get(), headers, limits, base)) return std::nullopt;
  return handle;
}

HttpAnswer FetchUrl(const InternetHandle& internet, const std::string& url,
                    const std::stop_token& stop) {
  CURL* easy = internet.easy.get();
  Transfer transfer;
  transfer.maxBodyBytes = internet.limits.maxBodyBytes;
  transfer.stop = &stop;
  char errorText[CURL_ERROR_SIZE] = "";
  curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, &transfer);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorText);
  const CURLcode result = Perform(easy, internet.multi.get(), stop);
  curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, nullptr);

  HttpAnswer answer;
  answer.stopped = stop.stop_requested();
  // A redirect that is not followed, for want of a Location, is the final answer.
  answer.opened = transfer.answered || (result == CURLE_OK && !transfer.status.empty());
  answer.complete = answer.opened && result == CURLE_OK;
  answer.status = std::move(transfer.status);
  answer.body = std::move(transfer.body);
  if (result != CURLE_OK) {
    answer.cause = transfer.tooLarge ? BodyTooLargeCause(internet.limits.maxBodyBytes)
                                     : TransferCause(result, url);
    answer.curlText = *errorText != '\0' ? errorText : curl_easy_strerror(result);
  }
  return answer;
}

}  // namespace aerolume

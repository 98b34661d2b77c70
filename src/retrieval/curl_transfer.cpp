#include "retrieval/curl_transfer.hpp"

#include <cctype>
#include <mutex>

#include "retrieval/download_cause.hpp"
#include "retrieval/transfer_record.hpp"

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

// A transfer's record, and the stop request its progress callback watches.
struct Transfer {
  TransferRecord record;
  const std::stop_token* stop = nullptr;
};

std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user) {
  RecordHeaderLine(static_cast<Transfer*>(user)->record, std::string_view(data, size * count));
  return size * count;
}

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
  const std::size_t length = size * count;
  // Anything but the length aborts the transfer.
  return RecordBodyChunk(static_cast<Transfer*>(user)->record, std::string_view(data, length))
             ? length
             : 0;
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
  transfer.record.maxBodyBytes = internet.limits.maxBodyBytes;
  transfer.stop = &stop;
  char errorText[CURL_ERROR_SIZE] = "";
  curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, &transfer);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorText);
  const CURLcode result = Perform(easy, internet.multi.get(), stop);
  curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, nullptr);
  // Where the transfer ended, redirects followed: the address a failure is about.
  const char* lastUrl = nullptr;
  if (curl_easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &lastUrl) != CURLE_OK || !lastUrl) {
    lastUrl = url.c_str();
  }

  HttpAnswer answer = AnswerOf(std::move(transfer.record), result, lastUrl,
                               *errorText != '\0' ? errorText : curl_easy_strerror(result));
  answer.stopped = stop.stop_requested();
  return answer;
}

HttpAnswer AnswerOf(TransferRecord record, CURLcode result, std::string_view url,
                    std::string curlText) {
  HttpAnswer answer;
  // A redirect that is not followed, for want of a Location, is the final answer.
  answer.opened = record.answered || (result == CURLE_OK && !record.status.empty());
  answer.complete = answer.opened && result == CURLE_OK;
  answer.status = std::move(record.status);
  answer.body = std::move(record.body);
  if (result != CURLE_OK) {
    answer.cause =
        record.tooLarge ? BodyTooLargeCause(record.maxBodyBytes) : TransferCause(result, url);
    answer.curlText = std::move(curlText);
  } else if (answer.Successful() && !record.contentEncoding.empty()) {
    // The body arrived, but as compressed bytes that are no text to show.
    answer.complete = false;
    answer.cause = UnaskedCompressionCause(record.contentEncoding);
    answer.curlText = "Content-Encoding: " + record.contentEncoding;
  }
  return answer;
}

}  // namespace aerolume

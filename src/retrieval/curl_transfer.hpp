// One HTTP GET on libcurl, bounded by the download limits and given up at once when
// a stop is requested: what the weather server and the Data API are both asked with.
#pragma once

#include <curl/curl.h>

#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>

#include "retrieval/report_download.hpp"

namespace aerolume {

struct EasyDeleter {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct MultiDeleter {
  void operator()(CURLM* handle) const { curl_multi_cleanup(handle); }
};
struct HeaderListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// What a pass holds open for one address: the easy handle, the headers it sends, and
// the multi handle that runs its transfers so that a stop request can wake it.
struct InternetHandle {
  std::unique_ptr<CURL, EasyDeleter> easy;
  std::unique_ptr<curl_slist, HeaderListDeleter> headers;
  std::unique_ptr<CURLM, MultiDeleter> multi;
  DownloadLimits limits;
};

// A handle for requests under `base`: an https base is never left for plain http on
// a redirect. Nothing when libcurl cannot set one up.
std::optional<InternetHandle> OpenInternetHandle(const DownloadLimits& limits,
                                                 std::string_view base);

// What came back for one address.
struct HttpAnswer {
  bool stopped = false;
  bool opened = false;    // a final answer arrived: its status line, at least
  bool complete = false;  // and all of its body, within the cap and not compressed
  std::string status;     // the final answer's status code, "200"
  std::string body;       // a 2xx answer's body; other bodies are never kept
  std::string cause;      // why the transfer failed, in Japanese, when it did
  std::string curlText;   // the HTTP library's own words for it

  bool Successful() const { return !status.empty() && status.front() == '2'; }
  // Why a request failed as a whole: the transfer's cause, else the status ("HTTP 503").
  std::string FailureText() const { return cause.empty() ? "HTTP " + status : cause; }
};

HttpAnswer FetchUrl(const InternetHandle& internet, const std::string& url,
                    const std::stop_token& stop);

struct TransferRecord;
// What a finished transfer amounts to, from what it received, how libcurl ended it
// (`curlText` is libcurl's own word for a failure) and `url`, where it ended.
HttpAnswer AnswerOf(TransferRecord record, CURLcode result, std::string_view url,
                    std::string curlText);

}  // namespace aerolume

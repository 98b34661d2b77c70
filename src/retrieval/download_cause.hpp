// Why a transfer failed, said in Japanese for the message box; the HTTP library's
// own words go beside it.
#pragma once

#include <curl/curl.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "retrieval/status_cause.hpp"

namespace aerolume {

inline constexpr std::string_view kBodyTooShortCause = "応答が短すぎます";
// An answer that is not what the second source sends: not JSON, or not its shape.
inline constexpr std::string_view kUnreadableAnswerCause = "応答を読み取れません";
// An answer that is not HTTP at all: no status line, a malformed one, or HTTP/0.9.
inline constexpr std::string_view kUnreadableReplyCause = "サーバーの応答を読み取れません";

// The cause of a failed transfer whose last address was `url` (after redirects); a
// failed connection is put on the proxy when the environment sends `url` through one.
std::string TransferCause(CURLcode result, std::string_view url);

// "応答が大きすぎます(64KiB超)" for a cap of 64 KiB.
std::string BodyTooLargeCause(std::size_t maxBodyBytes);

// "応答が求めていない形式で圧縮されています(gzip)": a body the server compressed
// though no compression was asked for, which cannot be read as it came.
std::string UnaskedCompressionCause(std::string_view contentEncoding);

// Whether libcurl sends a request for `url` through a proxy of the environment
// (http_proxy, https_proxy, all_proxy, with no_proxy's exceptions), as it decides it.
bool ProxyApplies(std::string_view url);

}  // namespace aerolume

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

// The cause of a failed transfer of `url`; a failed connection is put on the proxy
// when the environment sends `url` through one.
std::string TransferCause(CURLcode result, std::string_view url);

// "応答が大きすぎます(64KiB超)" for a cap of 64 KiB.
std::string BodyTooLargeCause(std::size_t maxBodyBytes);

// Whether libcurl sends a request for `url` through a proxy of the environment
// (http_proxy, https_proxy, all_proxy, with no_proxy's exceptions), as it decides it.
bool ProxyApplies(std::string_view url);

}  // namespace aerolume

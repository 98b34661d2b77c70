// What an HTTP status that brought no report means, in Japanese: the message boxes
// say it, and so do the time field's tooltip and the window title when the status
// itself is all that is shown.
#pragma once

#include <string>
#include <string_view>

namespace aerolume {

// The cause of an answer whose status ("503") means no report came with it.
std::string StatusCause(std::string_view status);

// The cause with the status beside it, as the message boxes write it:
// "サーバーがエラーを返しました (HTTP 503)".
std::string StatusCauseText(std::string_view status);

}  // namespace aerolume

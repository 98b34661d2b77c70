// --server, --fallback and --no-fallback, which every command that downloads reads alike.
#pragma once

#include <string>
#include <variant>

#include "cli/arguments.hpp"
#include "retrieval/report_download.hpp"

namespace aerolume::cli {

// The settings, or the usage error's message.
std::variant<DownloadSettings, std::string> ReadDownloadOptions(const Arguments& arguments);

}  // namespace aerolume::cli

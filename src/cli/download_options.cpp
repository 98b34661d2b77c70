#include "cli/download_options.hpp"

#include <optional>

namespace aerolume::cli {

std::variant<DownloadSettings, std::string> ReadDownloadOptions(const Arguments& arguments) {
  const std::optional<std::string> server = arguments.Value("--server");
  DownloadSettings settings;
  settings.serverBase = server.value_or(std::string(kDefaultServerBase));
  if (!IsServerBaseUrl(settings.serverBase)) {
    return std::string("--server needs an http:// or https:// URL");
  }
  const std::optional<std::string> fallback = arguments.Value("--fallback");
  if (fallback && !IsServerBaseUrl(*fallback)) {
    return std::string("--fallback needs an http:// or https:// URL");
  }
  settings.fallbackBase =
      ChooseFallbackBase(server.has_value(), fallback, arguments.Has("--no-fallback"));
  return settings;
}

}  // namespace aerolume::cli

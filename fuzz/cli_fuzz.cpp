// Any command line and standard input for aerolume-cli, in memory: words separated by
// NUL bytes up to the first 0x01 byte, standard input after it. `fetch` is only ever
// sent to a port on 127.0.0.1 that refuses at once, never to a server of the input's
// choosing.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.hpp"

namespace {

std::vector<std::string> WordsOf(std::string_view text) {
  std::vector<std::string> words;
  while (!text.empty()) {
    const std::size_t end = text.find('\0');
    words.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return words;
}

// fetch without the input's servers, and with one that answers nothing at once.
void KeepFetchLocal(std::vector<std::string>& words) {
  if (words.empty() || words.front() != "fetch") return;
  std::vector<std::string> kept{"fetch", "--server", "http://127.0.0.1:9", "--no-fallback"};
  for (std::size_t i = 1; i < words.size(); ++i) {
    if (words[i] == "--server" || words[i] == "--fallback") {
      ++i;
      continue;
    }
    kept.push_back(words[i]);
  }
  // One station is enough to reach every line of the output.
  if (kept.size() > 6) kept.resize(6);
  words = kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = bytes.find('\x01');
  std::vector<std::string> words = WordsOf(bytes.substr(0, split));
  KeepFetchLocal(words);
  // A file operand could name any file or device; only standard input is read.
  for (std::string& word : words) {
    if (word.starts_with('/') || word.starts_with('.')) word = "-";
  }
  std::istringstream in(split == std::string_view::npos ? std::string()
                                                        : std::string(bytes.substr(split + 1)));
  std::ostringstream out;
  std::ostringstream err;
  aerolume::cli::RunCli(words, in, out, err);
  return 0;
}

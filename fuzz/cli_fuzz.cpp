// Any command line and standard input for aerolume-cli, in memory: words separated by
// NUL bytes up to the first 0x01 byte, standard input after it. `fetch`, `taf-hours`
// and `history` are only ever sent to a port on 127.0.0.1 that refuses at once, never
// to a server of the input's choosing. Whatever the input, the exit status is 0, 1 or
// 2, JSON output parses, and no character that acts on a terminal reaches standard
// output or standard error.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.hpp"
#include "cli/command.hpp"
#include "translators/shown_text.hpp"

namespace {

void Fail(const char* what, const std::string& output) {
  std::fprintf(stderr, "cli_fuzz: %s\n%s\n", what, output.c_str());
  std::abort();
}

// How the command line asks for its output, read as the command reads it.
struct OutputForm {
  bool json = false;
  bool cp932 = false;
};

OutputForm FormOf(const std::vector<std::string>& words) {
  using namespace aerolume::cli;
  const std::array commands{&StationsCommand(), &DecodeCommand(), &GroupsCommand(), &FetchCommand(),
                            &CoverageCommand()};
  if (words.empty()) return {};
  for (const Command* command : commands) {
    if (words.front() != command->name) continue;
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    for (const std::string& word : rest) {
      if (word == "--") break;
      if (word == "--help" || word == "-h") return {};
    }
    const ParseResult parsed = ParseArguments(rest, command->options);
    return {parsed.arguments.Has("--json"), parsed.arguments.Value("--encoding") == "cp932"};
  }
  return {};
}

// UTF-8 text: every character valid and none that acts on the display. Code page 932
// text: no control byte but LF (its bytes 0x80-0x9F lead double-byte characters).
bool SafeForTheTerminal(const std::string& text, bool cp932) {
  for (std::size_t at = 0; at < text.size();) {
    if (cp932) {
      const auto byte = static_cast<unsigned char>(text[at++]);
      if ((byte < 0x20 && byte != '\n') || byte == 0x7F) return false;
      continue;
    }
    const aerolume::Utf8Character character = aerolume::ReadUtf8Character(text, at);
    if (!character.valid || aerolume::ActsOnTheDisplay(character.codePoint)) return false;
    at += character.length;
  }
  return true;
}

// One JSON value, or JSON Lines: one value on each line.
bool ParsesAsJson(const std::string& output) {
  if (nlohmann::json::accept(output)) return true;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    if (!nlohmann::json::accept(line)) return false;
  }
  return true;
}

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

// fetch, taf-hours and history without the input's servers, and with one that answers
// nothing at once: the weather server for the first two, the Data API for history.
void KeepFetchLocal(std::vector<std::string>& words) {
  if (words.empty()) return;
  const std::string command = words.front();
  if (command != "fetch" && command != "taf-hours" && command != "history") return;
  std::vector<std::string> kept =
      command == "history"
          ? std::vector<std::string>{command, "--fallback", "http://127.0.0.1:9"}
          : std::vector<std::string>{command, "--server", "http://127.0.0.1:9", "--no-fallback"};
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
  const int status = aerolume::cli::RunCli(words, in, out, err);
  if (status < 0 || status > 2) Fail("exit status not 0, 1 or 2", std::to_string(status));
  const OutputForm form = FormOf(words);
  // A usage error prints nothing on standard output.
  if (form.json && status != 2 && !ParsesAsJson(out.str())) Fail("JSON does not parse", out.str());
  // JSON is UTF-8 whatever the encoding; standard error follows the encoding.
  if (!SafeForTheTerminal(out.str(), form.cp932 && !form.json)) {
    Fail("control character on standard output", out.str());
  }
  if (!SafeForTheTerminal(err.str(), form.cp932)) {
    Fail("control character on standard error", err.str());
  }
  return 0;
}

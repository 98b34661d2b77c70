#include "cli/command.hpp"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string_view>

#include "cli/encoding.hpp"
#include "stations/station_catalogue.hpp"
#include "translators/shown_text.hpp"

namespace aerolume::cli {

std::string TerminalText(const Arguments& arguments, std::string_view text) {
  // U+FFFD has no code page 932 form, so ToCp932 writes it as "?".
  std::string shown = ReplaceUnsafeCharacters(text);
  return arguments.Value("--encoding") == "cp932" ? ToCp932(shown) : shown;
}

void PrintText(const Arguments& arguments, CommandIo& io, const std::string& text) {
  io.out << TerminalText(arguments, text);
}

void PrintError(const Arguments& arguments, CommandIo& io, const std::string& message) {
  io.err << TerminalText(arguments, message) << '\n';
}

namespace {

// The library escapes the controls below 0x20 itself; the others that act on a
// terminal (DEL, C1, the bidirectional controls) are escaped here. Only strings can
// hold them, and the dump is UTF-8 throughout.
std::string EscapeDisplayControls(const std::string& json) {
  std::string escaped;
  escaped.reserve(json.size());
  for (std::size_t at = 0; at < json.size();) {
    const Utf8Character character = ReadUtf8Character(json, at);
    if (character.valid && character.codePoint >= 0x7F && ActsOnTheDisplay(character.codePoint)) {
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(character.codePoint));
      escaped += code;
    } else {
      escaped.append(json, at, character.length);
    }
    at += character.length;
  }
  return escaped;
}

}  // namespace

void PrintJson(CommandIo& io, const nlohmann::json& value) {
  io.out << EscapeDisplayControls(
                value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace))
         << '\n';
}

void PrintJsonLine(CommandIo& io, const nlohmann::json& value) {
  io.out << EscapeDisplayControls(
                value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace))
         << '\n';
}

namespace {

void PrintUsageLines(const Command& command, std::ostream& stream) {
  for (const char* usage : command.usages) stream << "usage: aerolume-cli " << usage << '\n';
}

}  // namespace

int UsageError(CommandIo& io, const Command& command, const std::string& message) {
  // The message may quote any word of the command line.
  io.err << "aerolume-cli " << command.name << ": " << ReplaceUnsafeCharacters(message) << '\n';
  PrintUsageLines(command, io.err);
  return 2;
}

void PrintCommandHelp(const Command& command, std::ostream& out) {
  PrintUsageLines(command, out);
  out << '\n' << command.summary << "\n\noptions:\n";
  std::size_t width = std::string_view("-h, --help").size();
  for (const OptionHelp& help : command.optionHelp) {
    width = std::max(width, std::string_view(help.option).size());
  }
  const auto line = [&](std::string_view option, std::string_view text) {
    out << "  " << option << std::string(width - option.size() + 2, ' ') << text << '\n';
  };
  for (const OptionHelp& help : command.optionHelp) line(help.option, help.text);
  line("-h, --help", "show this help");
}

std::string UpperCaseCode(std::string code) {
  for (char& c : code) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return code;
}

StationOperand OneStationOperand(const Arguments& arguments) {
  if (arguments.operands.size() != 1) return {{}, "give one STATION"};
  std::string code = UpperCaseCode(arguments.operands.front());
  if (!IsCatalogueStation(code)) return {{}, "unknown station " + arguments.operands.front()};
  return {std::move(code), {}};
}

}  // namespace aerolume::cli

#include "cli/command.hpp"

#include <algorithm>
#include <ostream>
#include <string_view>

#include "cli/encoding.hpp"

namespace aerolume::cli {

void PrintText(const Arguments& arguments, CommandIo& io, const std::string& text) {
  // U+FFFD has no code page 932 form, so ToCp932 writes it as "?".
  const std::string shown = ReplaceControlCharacters(text);
  if (arguments.Value("--encoding") == "cp932") {
    io.out << ToCp932(shown);
  } else {
    io.out << shown;
  }
}

void PrintJson(CommandIo& io, const nlohmann::json& value) {
  io.out << value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

void PrintJsonLine(CommandIo& io, const nlohmann::json& value) {
  io.out << value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

namespace {

void PrintUsageLines(const Command& command, std::ostream& stream) {
  for (const char* usage : command.usages) stream << "usage: aerolume-cli " << usage << '\n';
}

}  // namespace

int UsageError(CommandIo& io, const Command& command, const std::string& message) {
  io.err << "aerolume-cli " << command.name << ": " << message << '\n';
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

std::string ToTerminalLines(const std::string& decoded) {
  std::string text;
  text.reserve(decoded.size());
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    if (decoded[i] == '\r' && i + 1 < decoded.size() && decoded[i + 1] == '\n') continue;
    text += decoded[i];
  }
  return text;
}

}  // namespace aerolume::cli

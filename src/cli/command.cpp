#include "cli/command.hpp"

#include <ostream>

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

int UsageError(CommandIo& io, const Command& command, const std::string& message) {
  io.err << "aerolume-cli " << command.name << ": " << message << '\n'
         << "usage: aerolume-cli " << command.usage << '\n';
  return 2;
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

// What every subcommand of aerolume-cli receives, and how it prints.
#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/arguments.hpp"

namespace aerolume::cli {

struct CommandIo {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

struct Command {
  const char* name;
  const char* usage;  // the line after "aerolume-cli "
  OptionNames options;
  int (*run)(const Arguments& arguments, CommandIo& io);
};

// Text for the terminal: UTF-8, or code page 932 with --encoding cp932. Control
// bytes from reports and files are shown as U+FFFD ("?" in code page 932).
void PrintText(const Arguments& arguments, CommandIo& io, const std::string& text);
// JSON is always UTF-8; bytes that are not UTF-8 are replaced, never fatal.
void PrintJson(CommandIo& io, const nlohmann::json& value);
// A one-line message and the command's usage on standard error; returns kExitUsage.
int UsageError(CommandIo& io, const Command& command, const std::string& message);
// Decoded text with its CR LF line ends as the terminal wants them (LF).
std::string ToTerminalLines(const std::string& decoded);

const Command& StationsCommand();
const Command& DecodeCommand();
const Command& GroupsCommand();
const Command& FetchCommand();
const Command& CoverageCommand();

}  // namespace aerolume::cli

// What every subcommand of aerolume-cli receives, and how it prints.
#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.hpp"

namespace aerolume::cli {

struct CommandIo {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

// One line of a subcommand's help: the option as it is written, and what it does.
struct OptionHelp {
  const char* option;
  const char* text;
};

struct Command {
  const char* name;
  std::vector<const char*> usages;  // each the line after "aerolume-cli "
  const char* summary;              // what the subcommand does, one sentence
  std::vector<OptionHelp> optionHelp;
  OptionNames options;
  int (*run)(const Arguments& arguments, CommandIo& io);
};

// "usage: aerolume-cli ...", the summary and one line per option, -h included.
void PrintCommandHelp(const Command& command, std::ostream& out);

// Text as the terminal gets it: UTF-8, or code page 932 with --encoding cp932.
// Control characters (C0 but LF, DEL, C1), bidirectional controls and bytes that are
// not UTF-8, from reports, files and servers, are shown as U+FFFD ("?" in code page
// 932), so that no text can act on the terminal.
std::string TerminalText(const Arguments& arguments, std::string_view text);
// TerminalText on standard output.
void PrintText(const Arguments& arguments, CommandIo& io, const std::string& text);
// A message line on standard error, as TerminalText writes it.
void PrintError(const Arguments& arguments, CommandIo& io, const std::string& message);
// JSON is always UTF-8; bytes that are not UTF-8 are replaced, never fatal. Every
// control character is escaped (C1 and DEL too), and so are the bidirectional
// controls.
void PrintJson(CommandIo& io, const nlohmann::json& value);
// One compact JSON object on a line of its own (JSON Lines).
void PrintJsonLine(CommandIo& io, const nlohmann::json& value);
// A one-line message and the command's usage on standard error; returns kExitUsage.
int UsageError(CommandIo& io, const Command& command, const std::string& message);
// Station codes are read without regard to case: "rjtt" is RJTT.
std::string UpperCaseCode(std::string code);
// The one STATION of a command that takes one, in upper case; or the usage error's message
// when there is none, more than one, or a code the catalogue does not hold.
struct StationOperand {
  std::string code;
  std::string error;
};
StationOperand OneStationOperand(const Arguments& arguments);

// The help line of --encoding, which every command that prints text has.
inline constexpr OptionHelp kEncodingHelp{
    "--encoding utf-8|cp932", "write the text in UTF-8 (default) or Shift-JIS (code page 932)"};
inline constexpr OptionHelp kJsonHelp{"--json", "print JSON instead of text"};
// The help lines of the options that choose where reports are downloaded from.
inline constexpr OptionHelp kServerHelp{
    "--server URL", "the weather server's base URL (default: https://tgftp.nws.noaa.gov/data)"};
inline constexpr OptionHelp kFallbackHelp{
    "--fallback URL",
    "the Data API asked for a report the server fails to give (default: "
    "https://aviationweather.gov/api/data; none when --server is given)"};
inline constexpr OptionHelp kNoFallbackHelp{
    "--no-fallback", "ask only the weather server, whatever --fallback says"};

const Command& StationsCommand();
const Command& DecodeCommand();
const Command& GroupsCommand();
const Command& FetchCommand();
const Command& CoverageCommand();
const Command& OverviewCommand();
const Command& HistoryCommand();
const Command& TafHoursCommand();

}  // namespace aerolume::cli

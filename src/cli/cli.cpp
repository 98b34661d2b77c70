#include "cli/cli.hpp"

#include <array>
#include <ostream>

#include "cli/command.hpp"
#include "translators/shown_text.hpp"

namespace aerolume::cli {

namespace {

constexpr const char* kVersion = "2.0.0.4";

std::array<const Command*, 8> Commands() {
  return {&StationsCommand(), &DecodeCommand(),  &GroupsCommand(),   &FetchCommand(),
          &OverviewCommand(), &HistoryCommand(), &TafHoursCommand(), &CoverageCommand()};
}

const Command* FindCommand(const std::string& name) {
  for (const Command* command : Commands()) {
    if (name == command->name) return command;
  }
  return nullptr;
}

void PrintUsage(std::ostream& stream) {
  stream << "Aerolume: METAR and TAF of Japanese airfields in Japanese.\n\nusage:\n";
  for (const Command* command : Commands()) {
    for (const char* usage : command->usages) stream << "  aerolume-cli " << usage << '\n';
  }
  stream << "  aerolume-cli help [COMMAND] | --help | --version\n\n"
            "Exit status: 0 when every report asked for was shown, 1 when any was not, 2 for a\n"
            "usage error. \"aerolume-cli help COMMAND\" describes a command's options.\n";
}

bool IsHelpWord(const std::string& word) {
  return word == "--help" || word == "-h";
}

// "help" alone, or "help COMMAND".
int RunHelp(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1) {
    PrintUsage(out);
    return kExitOk;
  }
  const Command* command = args.size() == 2 ? FindCommand(args[1]) : nullptr;
  if (command == nullptr) {
    err << "aerolume-cli help: no command "
        << ReplaceUnsafeCharacters(args.size() > 1 ? args[1] : "") << '\n';
    PrintUsage(err);
    return kExitUsage;
  }
  PrintCommandHelp(*command, out);
  return kExitOk;
}

bool KnownEncoding(const Arguments& arguments) {
  const std::optional<std::string> encoding = arguments.Value("--encoding");
  return !encoding || *encoding == "utf-8" || *encoding == "cp932";
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  if (args.empty()) {
    err << "aerolume-cli: no command given\n";
    PrintUsage(err);
    return kExitUsage;
  }
  if (IsHelpWord(args.front())) {
    PrintUsage(out);
    return kExitOk;
  }
  if (args.front() == "help") return RunHelp(args, out, err);
  if (args.front() == "--version") {
    out << "aerolume-cli " << kVersion << '\n';
    return kExitOk;
  }
  const Command* command = FindCommand(args.front());
  if (command == nullptr) {
    err << "aerolume-cli: unknown command " << ReplaceUnsafeCharacters(args.front()) << '\n';
    PrintUsage(err);
    return kExitUsage;
  }
  CommandIo io{in, out, err};
  const std::vector<std::string> words(args.begin() + 1, args.end());
  for (const std::string& word : words) {
    if (word == "--") break;
    if (IsHelpWord(word)) {
      PrintCommandHelp(*command, out);
      return kExitOk;
    }
  }
  const ParseResult parsed = ParseArguments(words, command->options);
  if (!parsed.error.empty()) return UsageError(io, *command, parsed.error);
  if (!KnownEncoding(parsed.arguments)) {
    return UsageError(io, *command, "unknown encoding " + *parsed.arguments.Value("--encoding"));
  }
  return command->run(parsed.arguments, io);
}

}  // namespace aerolume::cli

#include "cli/cli.hpp"

#include <array>
#include <ostream>

#include "cli/command.hpp"

namespace aerolume::cli {

namespace {

constexpr const char* kVersion = "2.0.0.4";

std::array<const Command*, 5> Commands() {
  return {&StationsCommand(), &DecodeCommand(), &GroupsCommand(), &FetchCommand(),
          &CoverageCommand()};
}

void PrintUsage(std::ostream& stream) {
  stream << "Aerolume: METAR and TAF of Japanese airfields in Japanese.\n\nusage:\n";
  for (const Command* command : Commands()) stream << "  aerolume-cli " << command->usage << '\n';
  stream << "  aerolume-cli --help | --version\n";
}

const Command* FindCommand(const std::string& name) {
  for (const Command* command : Commands()) {
    if (name == command->name) return command;
  }
  return nullptr;
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
  if (args.front() == "--help" || args.front() == "-h" || args.front() == "help") {
    PrintUsage(out);
    return kExitOk;
  }
  if (args.front() == "--version") {
    out << "aerolume-cli " << kVersion << '\n';
    return kExitOk;
  }
  const Command* command = FindCommand(args.front());
  if (command == nullptr) {
    err << "aerolume-cli: unknown command " << args.front() << '\n';
    PrintUsage(err);
    return kExitUsage;
  }
  CommandIo io{in, out, err};
  const std::vector<std::string> words(args.begin() + 1, args.end());
  for (const std::string& word : words) {
    if (word == "--") break;
    if (word == "--help") {
      out << "usage: aerolume-cli " << command->usage << '\n';
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

// aerolume-cli stations: the catalogue, one entry per line.
#include <string>

#include "cli/cli.hpp"
#include "cli/command.hpp"
#include "stations/station_catalogue.hpp"

namespace aerolume::cli {

namespace {

int RunStations(const Arguments& arguments, CommandIo& io) {
  if (!arguments.operands.empty()) {
    return UsageError(io, StationsCommand(), "unexpected operand " + arguments.operands.front());
  }
  if (arguments.Has("--json")) {
    nlohmann::json list = nlohmann::json::array();
    for (std::string_view entry : StationCatalogue()) {
      list.push_back({{"code", StationCode(entry)}, {"name", StationName(entry)}});
    }
    PrintJson(io, list);
    return kExitOk;
  }
  std::string text;
  for (std::string_view entry : StationCatalogue()) {
    text.append(entry);
    text += '\n';
  }
  PrintText(arguments, io, text);
  return kExitOk;
}

}  // namespace

const Command& StationsCommand() {
  static const Command command{"stations",
                               {"stations [--json] [--encoding utf-8|cp932]"},
                               "Lists the 104 stations: code and Japanese name.",
                               {kJsonHelp, kEncodingHelp},
                               {{"--json"}, {"--encoding"}},
                               RunStations};
  return command;
}

}  // namespace aerolume::cli

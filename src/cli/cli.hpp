// aerolume-cli: the decoder, the station list and the download for terminals and scripts.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace aerolume::cli {

enum ExitCode { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// `args` are the words after the program name.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace aerolume::cli

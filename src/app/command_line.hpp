// The desktop program's options, read before anything needs a display, so that
// --help, --version and a wrong option work over ssh and in scripts too.
#pragma once

#include <optional>
#include <string>

namespace aerolume {

inline constexpr const char* kProgramVersion = "2.0.0.4";

struct StartOptions {
  // Set when the program ends here: 0 after help or version, 2 after a usage error.
  std::optional<int> exitCode;
  std::string serverBase;
  std::string fallbackBase;    // empty: no second source
  bool openMap = false;        // --map: the map of all of Japan opens with the main window
  std::string historyStation;  // --history: the station whose history window opens at start
};

// Prints help, the version or the usage error itself (naming the program, not its
// path).
StartOptions ReadCommandLine(int argc, char** argv);

}  // namespace aerolume

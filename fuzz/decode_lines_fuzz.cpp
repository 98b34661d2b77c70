// Any file of report lines through `aerolume-cli decode --lines`, as text and as JSON
// Lines: the source field, the line's own time line, the day-time group and the decoder.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string lines(reinterpret_cast<const char*>(data), size);
  for (const std::vector<std::string>& words :
       {std::vector<std::string>{"decode", "--lines"},
        std::vector<std::string>{"decode", "--lines", "--json", "--time-line",
                                 "2012/05/31 23:00"}}) {
    std::istringstream in(lines);
    std::ostringstream out;
    std::ostringstream err;
    aerolume::cli::RunCli(words, in, out, err);
  }
  return 0;
}

// The shared corpus's report lines as station files, as `decode --lines` reads them,
// each with one fixed time line so that the same lines always decode the same way:
// the input of the corpus golden test and of the decoder benchmarks.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "cli/decode_lines.hpp"

namespace aerolume::testing_support {

inline constexpr const char* kCorpusFiles[] = {"japan-metar.txt", "japan-taf.txt", "world.txt"};
inline constexpr const char* kCorpusTimeLine = "2026/12/01 00:00";

// Every report line of the corpus files in `corpusDir`, in file and line order.
inline std::vector<cli::LineStationFile> CorpusStationFiles(const std::string& corpusDir) {
  std::vector<cli::LineStationFile> files;
  for (const char* name : kCorpusFiles) {
    std::ifstream corpus(corpusDir + "/" + name, std::ios::binary);
    for (std::string line; std::getline(corpus, line);) {
      auto file = cli::StationFileOfLine(line, false, std::string(kCorpusTimeLine),
                                         std::chrono::sys_seconds{});
      if (file) files.push_back(std::move(*file));
    }
  }
  return files;
}

}  // namespace aerolume::testing_support

// The Data API's answers the tests serve and read: real reports in the API's JSON
// shape, in tests/data/api (their sources are in tests/data/SOURCES.tsv).
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace aerolume::testing_support {

inline std::string ApiAnswerFile(const std::string& name) {
  std::ifstream file(std::string(AEROLUME_TEST_DATA) + "/api/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

}  // namespace aerolume::testing_support

// The Data API's answers the tests serve and read: real reports in the API's JSON
// shape, in tests/data/api (their sources are in tests/data/SOURCES.tsv).
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace aerolume::testing_support {

// A file of tests/data; empty when there is none.
inline std::string TestDataFile(const std::string& name) {
  std::ifstream file(std::string(AEROLUME_TEST_DATA) + "/" + name, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

inline std::string ApiAnswerFile(const std::string& name) {
  return TestDataFile("api/" + name);
}

}  // namespace aerolume::testing_support

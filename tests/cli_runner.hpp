// Runs aerolume-cli in-process, as a user would call it, and reads what it printed.
#pragma once

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"

namespace aerolume::testing_support {

struct CliRun {
  int exitCode = 0;
  std::string out;
  std::string err;

  nlohmann::json Json() const { return nlohmann::json::parse(out); }
};

inline CliRun RunCliWords(const std::vector<std::string>& words, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  CliRun run;
  run.exitCode = cli::RunCli(words, in, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

// `aerolume-cli groups --json [--taf --time-line LINE] -- GROUPS...`
inline nlohmann::json DecodeGroupsJson(const std::vector<std::string>& groups, bool taf = false,
                                       const std::string& timeLine = "2012/05/06 05:00") {
  std::vector<std::string> words{"groups", "--json", "--time-line", timeLine};
  if (taf) words.push_back("--taf");
  words.push_back("--");
  words.insert(words.end(), groups.begin(), groups.end());
  return RunCliWords(words).Json();
}

inline std::vector<std::string> SplitWords(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

}  // namespace aerolume::testing_support

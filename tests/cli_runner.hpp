// Runs aerolume-cli in-process, as a user would call it, and reads what it printed.
#pragma once

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "cli/report_json.hpp"
#include "decoder/decode_report.hpp"

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

// The object `aerolume-cli groups --json` prints, made straight from the decoder, so
// that the decoder can be given time lines the command refuses (it must survive them)
// and an empty group list.
inline nlohmann::json DecodeGroupsJson(const std::vector<std::string>& groups, bool taf = false,
                                       const std::string& timeLine = "2012/05/06 05:00") {
  ReportState state;
  state.m_timeLine = timeLine;
  const std::vector<std::string> lines = DecodeReportLines(state, !taf, groups);
  return {{"decoded", JoinDecodedLines(lines)},
          {"lines", lines},
          {"wind", cli::WindJson(state.Wind())},
          {"past_observation", state.m_pastObservation}};
}

inline std::vector<std::string> SplitWords(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

// The lines of the groups written in one text, separated by spaces.
inline std::vector<std::string> DecodeGroupsLines(const std::string& groups, bool taf,
                                                  const std::string& timeLine) {
  return DecodeGroupsJson(SplitWords(groups), taf, timeLine)["lines"]
      .get<std::vector<std::string>>();
}

}  // namespace aerolume::testing_support

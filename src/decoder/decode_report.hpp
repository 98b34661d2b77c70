// Turns the groups of one METAR or TAF into Japanese text, one line per step.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "decoder/report_state.hpp"
#include "translators/text.hpp"

namespace aerolume {

// One decoding step: the groups it read (a rule may swallow the groups after the
// first) and the line it gave.
struct DecodedStep {
  int firstGroup = 0;
  int lastGroup = 0;
  std::string text;
};

std::vector<DecodedStep> DecodeReportSteps(ReportState& state, bool isMetar,
                                           const GroupList& groups);

// The decoded text in one buffer: every line followed by CR LF, as DecodeReport gives
// it, and where each line ends, so that the lines are there without a string apiece.
struct DecodedText {
  std::string text;
  std::vector<std::size_t> lineEnds;  // just past each line, before its CR LF

  std::vector<std::string> Lines() const;
};

// The lines of a decoded text, each without its CR LF.
std::vector<std::string> DecodedLines(std::string_view text,
                                      const std::vector<std::size_t>& lineEnds);

void DecodeReportText(ReportState& state, bool isMetar, const GroupViews& groups,
                      DecodedText& decoded);
void DecodeReportText(ReportState& state, bool isMetar, const GroupList& groups,
                      DecodedText& decoded);

// One entry per step, in report order; an entry may be empty or hold CR LF itself.
std::vector<std::string> DecodeReportLines(ReportState& state, bool isMetar,
                                           const GroupList& groups);

// The lines joined, each followed by CR LF. From a METAR the observed wind is left
// in the state's wind values.
std::string DecodeReport(ReportState& state, bool isMetar, const GroupList& groups);

std::string JoinDecodedLines(const std::vector<std::string>& lines);

}  // namespace aerolume

// Turns the groups of one METAR or TAF into Japanese text, one line per step.
#pragma once

#include <string>
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

// One entry per step, in report order; an entry may be empty or hold CR LF itself.
std::vector<std::string> DecodeReportLines(ReportState& state, bool isMetar,
                                           const GroupList& groups);

// The lines joined, each followed by CR LF. From a METAR the observed wind is left
// in the state's wind values.
std::string DecodeReport(ReportState& state, bool isMetar, const GroupList& groups);

std::string JoinDecodedLines(const std::vector<std::string>& lines);

}  // namespace aerolume

// Report groups decoded as the program decodes them, for the values they leave.
#pragma once

#include <string>

#include "../cli_runner.hpp"
#include "decoder/decode_report.hpp"

namespace aerolume::testing_support {

inline ReportState DecodedValues(const std::string& groups, bool isMetar,
                                 const std::string& timeLine = "2026/12/01 05:00") {
  ReportState state;
  state.m_timeLine = timeLine;
  DecodedText text;
  DecodeReportText(state, isMetar, SplitWords(groups), text);
  return state;
}

}  // namespace aerolume::testing_support

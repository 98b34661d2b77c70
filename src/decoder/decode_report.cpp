#include "decoder/decode_report.hpp"

#include "decoder/decode_context.hpp"
#include "decoder/rule_table.hpp"

namespace aerolume {

namespace {

void DecodeStep(DecodeContext& context) {
  for (const GroupRule& rule : RuleTable()) {
    if (rule.test(context)) {
      rule.apply(context);
      return;
    }
  }
}

}  // namespace

std::vector<DecodedStep> DecodeReportSteps(ReportState& state, bool isMetar,
                                           const GroupList& groups) {
  std::vector<DecodedStep> steps;
  DecodeContext context{state, groups, isMetar, 0, {}, false};
  const int count = static_cast<int>(groups.size());
  for (context.index = 0; context.index < count; ++context.index) {
    const int first = context.index;
    context.stepText.clear();
    DecodeStep(context);
    steps.push_back({first, context.index, std::move(context.stepText)});
  }
  return steps;
}

std::vector<std::string> DecodeReportLines(ReportState& state, bool isMetar,
                                           const GroupList& groups) {
  std::vector<std::string> lines;
  for (DecodedStep& step : DecodeReportSteps(state, isMetar, groups)) {
    lines.push_back(std::move(step.text));
  }
  return lines;
}

std::string JoinDecodedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::string DecodeReport(ReportState& state, bool isMetar, const GroupList& groups) {
  return JoinDecodedLines(DecodeReportLines(state, isMetar, groups));
}

}  // namespace aerolume

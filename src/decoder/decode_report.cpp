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

std::vector<std::string> DecodeReportLines(ReportState& state, bool isMetar,
                                           const GroupList& groups) {
  std::vector<std::string> lines;
  DecodeContext context{state, groups, isMetar, 0, {}};
  const int count = static_cast<int>(groups.size());
  for (context.index = 0; context.index < count; ++context.index) {
    context.stepText.clear();
    DecodeStep(context);
    lines.push_back(std::move(context.stepText));
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

#include "decoder/decode_report.hpp"

#include "decoder/decode_context.hpp"
#include "decoder/rule_table.hpp"
#include "decoder/value_recording.hpp"

namespace aerolume {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Walks the report step by step; `onStep(first, last, text)` sees each step's line,
// which the next step overwrites.
GroupViews ViewsOf(const GroupList& groups) {
  return GroupViews(groups.begin(), groups.end());
}

template <typename OnStep>
void ForEachStep(ReportState& state, bool isMetar, const GroupViews& groups, OnStep onStep) {
  ClearValues(state, isMetar);
  DecodeContext context{state, groups, isMetar, 0, {}, false, {}, {}, -1, {}};
  // Room for the longest usual line at once: the steps' lines then never grow it.
  constexpr std::size_t kLongLine = 128;
  context.stepText.reserve(kLongLine);
  const int count = static_cast<int>(groups.size());
  for (context.index = 0; context.index < count; ++context.index) {
    const int first = context.index;
    context.stepText.clear();
    DecodeGroup(context);
    onStep(first, context.index, context.stepText);
  }
}

}  // namespace

std::vector<DecodedStep> DecodeReportSteps(ReportState& state, bool isMetar,
                                           const GroupList& groups) {
  std::vector<DecodedStep> steps;
  ForEachStep(state, isMetar, ViewsOf(groups), [&](int first, int last, const std::string& text) {
    steps.push_back({first, last, text});
  });
  return steps;
}

std::vector<std::string> DecodedText::Lines() const {
  return DecodedLines(text, lineEnds);
}

std::vector<std::string> DecodedLines(std::string_view text,
                                      const std::vector<std::size_t>& lineEnds) {
  std::vector<std::string> lines;
  lines.reserve(lineEnds.size());
  std::size_t start = 0;
  for (std::size_t end : lineEnds) {
    lines.emplace_back(text.substr(start, end - start));
    start = end + kLineEnd.size();
  }
  return lines;
}

void DecodeReportText(ReportState& state, bool isMetar, const GroupViews& groups,
                      DecodedText& decoded) {
  decoded.text.clear();
  decoded.lineEnds.clear();
  decoded.lineEnds.reserve(groups.size());
  // A line is a few Japanese words: room for about that many bytes a group saves
  // growing the text a step at a time.
  constexpr std::size_t kBytesPerLine = 32;
  decoded.text.reserve(groups.size() * kBytesPerLine);
  ForEachStep(state, isMetar, groups, [&](int, int, const std::string& text) {
    decoded.text.append(text);
    decoded.lineEnds.push_back(decoded.text.size());
    decoded.text.push_back('\r');
    decoded.text.push_back('\n');
  });
}

void DecodeReportText(ReportState& state, bool isMetar, const GroupList& groups,
                      DecodedText& decoded) {
  DecodeReportText(state, isMetar, ViewsOf(groups), decoded);
}

std::vector<std::string> DecodeReportLines(ReportState& state, bool isMetar,
                                           const GroupList& groups) {
  DecodedText decoded;
  DecodeReportText(state, isMetar, groups, decoded);
  return decoded.Lines();
}

std::string JoinDecodedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) Append(text, {line, kLineEnd});
  return text;
}

std::string DecodeReport(ReportState& state, bool isMetar, const GroupList& groups) {
  DecodedText decoded;
  DecodeReportText(state, isMetar, groups, decoded);
  return std::move(decoded.text);
}

}  // namespace aerolume

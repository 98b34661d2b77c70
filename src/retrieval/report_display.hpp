// The display steps: one normalised station file (or status text) into the time,
// raw and decoded fields of its report.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "decoder/report_state.hpp"
#include "retrieval/report_view.hpp"

namespace aerolume {

enum class ReportKind { Metar, Taf };

// What one report's three fields show, plus what the decoder produced line by line.
struct ShownReport {
  std::string time;
  // Why the time field holds a status instead of a time, in Japanese; else empty.
  std::string cause;
  std::string raw;
  std::string decoded;
  std::vector<std::size_t> lineEnds;  // where each decoded line ends, before its CR LF

  // The decoded lines, each without its CR LF.
  std::vector<std::string> Lines() const;
  // The message for a time line that cannot be read; the fields then stay empty.
  std::optional<std::string> error;
  // A METAR decoded: its flight category is judged from the state's values when it is
  // shown, not by every decoding.
  bool metarDecoded = false;
};

// Status texts ("404") fill the time field, and its cause, only. A file sets m_timeLine, then the
// time, raw text and decoded text; a METAR first clears m_pastObservation and
// leaves its observed wind and its values in the state.
ShownReport ComposeReport(ReportState& state, ReportKind kind, const std::string& text);

std::string UnreadableTimeMessage(const std::string& timeLine);

// Sets all three fields of the report, the empty ones included, as a change in place
// needs, and a decoded METAR's flight category from the values `state` holds.
void SetReportFields(ReportView& view, ReportKind kind, const ShownReport& shown,
                     const ReportState& state);

// A normalised text that shows a report: a file whose issue time can be read, not a
// status text such as "404".
bool IsShownText(const std::string& text);

void ShowMetar(ReportState& state, ReportView& view, std::string text);
void ShowTaf(ReportState& state, ReportView& view, std::string text);

}  // namespace aerolume

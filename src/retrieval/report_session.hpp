// The selection cycle: everything that happens when the user picks a station,
// over a view (the dialog, or a terminal) and a source of station files.
#pragma once

#include <string>

#include "decoder/report_state.hpp"
#include "retrieval/report_view.hpp"

namespace aerolume {

// Fetches the METAR and TAF station files of one station, normalised into one
// line each (or an HTTP status text such as "404"). Failures are shown through
// the view at once, one message each; returns false when any call failed.
class ReportSource {
 public:
  virtual ~ReportSource() = default;
  virtual bool DownloadReports(const std::string& stationCode, std::string& metarText,
                               std::string& tafText, ReportView& view) = 0;
};

class ReportSession {
 public:
  ReportSession(ReportView& view, ReportSource& source);

  // Runs the cycle for a station code; choosing the station already shown does nothing,
  // and neither does an empty code (no selection). After a failed download the code is
  // forgotten, so that choosing the same station again fetches again.
  void Select(const std::string& stationCode);
  // Runs the cycle again for the station shown (nothing when none is shown).
  void Refresh();

  const ReportState& State() const { return m_state; }

 private:
  void RunCycle();

  ReportView& m_view;
  ReportSource& m_source;
  ReportState m_state;
};

}  // namespace aerolume

// The selection cycle: everything that happens when the user picks a station,
// over a view (the dialog, or a terminal) and a source of station files.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "decoder/report_state.hpp"
#include "retrieval/fetch_runner.hpp"
#include "retrieval/report_source.hpp"
#include "retrieval/report_view.hpp"

namespace aerolume {

class ReportSession {
 public:
  using Clock = std::function<std::chrono::system_clock::time_point()>;

  ReportSession(ReportView& view, ReportSource& source, FetchRunner& runner,
                Clock clock = std::chrono::system_clock::now);
  ~ReportSession();
  ReportSession(const ReportSession&) = delete;
  ReportSession& operator=(const ReportSession&) = delete;

  // Runs the cycle for a station code: the fields are emptied, the wind values
  // cleared, both files fetched, failures shown, then the METAR, the TAF and the wind.
  // Choosing the station already shown (or being fetched) does nothing, and neither
  // does an empty code (no selection); another station stops the download running.
  // After a failed download the code is forgotten, so that choosing the same station
  // again fetches again.
  void Select(const std::string& stationCode);
  // Runs the cycle again for the station shown, its reports staying in the fields
  // until the new ones arrive; nothing when none is shown or while the user's own
  // download runs. A background refresh running is stopped for it.
  void Refresh();
  // Fetches the station shown again without emptying anything first: a success
  // changes the fields and the wind in place, a failure keeps them and shows no
  // message, only in the station status. A report older than the one shown never
  // replaces it. Nothing while a download runs; while a cycle's message is open, it
  // waits for that cycle to end.
  void RefreshInBackground();

  bool Downloading() const { return m_downloading; }
  const ReportState& State() const { return m_state; }
  const StationStatus& Status() const { return m_status; }

 private:
  // The two texts shown (normalised files or status texts) and where they came from.
  struct ShownTexts {
    std::string metar;
    std::string taf;
    ReportOrigin metarOrigin = ReportOrigin::Primary;
    ReportOrigin tafOrigin = ReportOrigin::Primary;
  };
  // A new station's cycle empties the fields first, a refresh when its answer comes,
  // and a background refresh changes them in place.
  enum class FetchKind { NewCycle, Refresh, Background };

  void StartCycle();
  void ClearShownReport();
  void StartDownload(FetchKind kind);
  void FinishCycle(DownloadResult result);
  void ShowCycleResult(const DownloadResult& result);
  void FinishBackgroundRefresh(DownloadResult result);
  bool ApplyRefreshedReports(const DownloadResult& result);
  void NoteShownReports(const ShownTexts& shown);
  void NoteFailedDownload(const DownloadResult& result);
  void ClearFailedDownload();
  void ShowStatus();

  ReportView& m_view;
  ReportSource& m_source;
  FetchRunner& m_runner;
  Clock m_clock;
  ReportState m_state;
  StationStatus m_status;
  bool m_downloading = false;
  bool m_downloadingInBackground = false;
  // Counts the cycles begun, so that one whose message box was open while the user
  // chose another station stops showing.
  unsigned m_cycle = 0;
  // A cycle is showing what it fetched, message boxes included: a refresh asked for
  // meanwhile waits for it to end, so that the cycle is never cut short.
  bool m_showingCycle = false;
  bool m_refreshWaiting = false;
  ShownTexts m_shown;
};

}  // namespace aerolume

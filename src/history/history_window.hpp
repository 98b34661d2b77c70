// The window of one station over time: its last 24 hours as strips and its TAF as a
// timeline. It fetches when it opens and at most once every ten minutes after, away
// from the user-interface thread, and stops a running fetch when it closes.
#pragma once

#include <QWidget>
#include <functional>
#include <stop_token>
#include <string>
#include <thread>

#include "history/station_over_time.hpp"

class QLabel;

namespace aerolume {

class HistoryStrips;
class TafTimeline;

class HistoryWindow : public QWidget {
  Q_OBJECT

 public:
  using Fetch = std::function<StationOverTime(const std::stop_token&)>;
  using Clock = std::function<UtcMinutes()>;

  // Without a fetch there is no Data API to ask, and the window says so.
  HistoryWindow(std::string code, Fetch fetch, QWidget* parent = nullptr);
  ~HistoryWindow() override;

  // The TAF the main window shows, until the window's own fetch brings one.
  void SetTaf(const TafValues& taf);
  // The time the axes and the ten minutes go by; the system's clock unless set.
  void SetClock(Clock clock);
  // Fetches unless a fetch runs or the last began less than ten minutes ago.
  void FetchIfDue();

  const std::string& Code() const { return m_code; }
  bool Fetching() const { return m_fetching; }
  QString Status() const;
  HistoryStrips* Strips() const { return m_strips; }
  TafTimeline* Timeline() const { return m_timeline; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  void OnFetched(StationOverTime result);
  void ShowAt(UtcMinutes now);

  std::string m_code;
  Fetch m_fetch;
  Clock m_clock;
  QLabel* m_status = nullptr;
  HistoryStrips* m_strips = nullptr;
  TafTimeline* m_timeline = nullptr;
  StationHistory m_history;
  TafValues m_taf;
  std::optional<UtcMinutes> m_lastFetch;
  bool m_fetching = false;
  int m_timerId = 0;
  // Last, so that it stops and is joined before anything it reports to goes.
  std::jthread m_worker;
};

// The window for `code` over `settings`' Data API, with the main window's TAF when it
// has one; deleted when closed.
HistoryWindow* OpenHistoryWindow(QWidget* parent, const DownloadSettings& settings,
                                 const std::string& code, const TafValues* taf);

}  // namespace aerolume

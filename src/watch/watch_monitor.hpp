// The desktop's watching: every ten minutes, and whenever a watched station's report is
// fetched anyway, the watched stations' latest METARs go through the watch tracker, and
// each piece of news goes to the notification sink. The deciding is the tracker's; this
// only fetches off the UI thread and delivers.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "conditions/station_overview.hpp"
#include "conditions/watch_tracker.hpp"
#include "retrieval/overview_download.hpp"
#include "watch/notification_sink.hpp"

namespace aerolume {

// The latest METARs of the codes, one answer each; runs on a thread of its own.
using WatchFetch = std::function<std::vector<OverviewAnswer>(const std::vector<std::string>& codes,
                                                             const std::stop_token& stop)>;

class WatchMonitor : public QObject {
  Q_OBJECT

 public:
  static constexpr std::chrono::minutes kCheckInterval{10};

  WatchMonitor(NotificationSink& sink, WatchFetch fetch, QObject* parent = nullptr);
  ~WatchMonitor() override;

  // A station taken off the list is forgotten; one kept keeps what it was told.
  void SetWatches(std::vector<Watch> watches);
  const std::vector<Watch>& Watches() const { return m_watches; }
  const Watch* Find(const std::string& code) const;

  // Starts a check unless one runs; the timer starts one every ten minutes.
  void CheckNow();
  // A METAR station file of a station that the main window fetched: checked at once when
  // the station is watched.
  void ReportFetched(const std::string& code, const std::string& file);
  // The answers of a check at `now`, told to the sink.
  void ApplyAnswers(const std::vector<OverviewAnswer>& answers, UtcMinutes now);

  // For the tray icon's tooltip and, without a notification service, the window title:
  // "監視 2局: 限度超過 RJAA", "監視 2局: 限度内", and the last news.
  QString StateText() const;
  QString LastNews() const { return m_lastNews; }
  bool NotificationsAvailable() const { return m_sink.Available(); }

 signals:
  void StateChanged();

 private:
  void Tell(const WatchEvent& event);

  NotificationSink& m_sink;
  WatchFetch m_fetch;
  std::vector<Watch> m_watches;
  StationOverview m_overview;
  WatchTracker m_tracker;
  QTimer m_timer;
  QString m_lastNews;
  bool m_checking = false;
  std::jthread m_fetchThread;  // last, so that it is stopped and joined first
};

}  // namespace aerolume

// The watch on the desktop: the stored list, the monitor, the tray icon and the edit
// dialog, for the main window to reach through a few calls.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>

#include "watch/watch_monitor.hpp"
#include "watch/watch_store.hpp"

class QSystemTrayIcon;
class QWidget;

namespace aerolume {

class WatchController : public QObject {
  Q_OBJECT

 public:
  WatchController(WatchStore store, NotificationSink& sink, WatchFetch fetch,
                  QObject* parent = nullptr);
  ~WatchController() override;

  // Why the stored list was read as empty; empty when it was read.
  const QString& LoadProblem() const { return m_loadProblem; }

  // Adds or edits the watch of the shown station in the small dialog, and stores the list.
  void EditWatch(const std::string& code, QWidget* parent);
  // A METAR station file that the main window fetched.
  void ReportFetched(const std::string& code, const std::string& file);

  // What the window title adds where no notification service shows the news; else empty.
  QString TitleSuffix() const;
  // Whether closing the main window leaves the program watching in the tray.
  bool StaysInTray() const;
  // Runs until the user opens the main window again (true) or quits (false) from the tray.
  bool WaitInTray();

  WatchMonitor& Monitor() { return m_monitor; }
  const WatchSettings& Settings() const { return m_settings; }

 signals:
  void StateChanged();

 private:
  void Store();
  void UpdateTray();

  WatchStore m_store;
  WatchSettings m_settings;
  QString m_loadProblem;
  WatchMonitor m_monitor;
  std::unique_ptr<QSystemTrayIcon> m_tray;
};

}  // namespace aerolume

#include "watch/watch_controller.hpp"

#include <QApplication>
#include <QEventLoop>
#include <QMenu>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <algorithm>

#include "watch/watch_edit_dlg.hpp"

namespace aerolume {

WatchController::WatchController(WatchStore store, NotificationSink& sink, WatchFetch fetch,
                                 QObject* parent)
    : QObject(parent), m_store(std::move(store)), m_monitor(sink, std::move(fetch)) {
  LoadedWatchSettings loaded = m_store.Load();
  m_settings = std::move(loaded.settings);
  m_loadProblem = std::move(loaded.problem);
  connect(&m_monitor, &WatchMonitor::StateChanged, this, [this] {
    UpdateTray();
    emit StateChanged();
  });
  m_monitor.SetWatches(m_settings.watches);
  m_monitor.CheckNow();
}

WatchController::~WatchController() = default;

void WatchController::EditWatch(const std::string& code, QWidget* parent) {
  StationOverview catalogue;
  const OverviewStation* station = catalogue.Find(code);
  if (station == nullptr) return;
  const Watch* existing = m_monitor.Find(code);
  WatchLimits limits;
  if (existing != nullptr) {
    limits = existing->limits;
  } else {
    limits.worseThan = FlightCategory::Vfr;  // a new watch starts with the commonest question
  }
  WatchEditDlg dialog(QString::fromStdString(StationTitle(*station)), limits, m_settings.keepInTray,
                      parent);
  if (dialog.exec() != QDialog::Accepted) return;
  m_settings.keepInTray = dialog.KeepInTray();
  std::vector<Watch>& watches = m_settings.watches;
  std::erase_if(watches, [&](const Watch& watch) { return watch.code == code; });
  const std::optional<WatchLimits> edited = dialog.Limits();
  if (edited && edited->Any()) watches.push_back({code, *edited});
  m_monitor.SetWatches(watches);
  Store();
  m_monitor.CheckNow();
}

void WatchController::ReportFetched(const std::string& code, const std::string& file) {
  m_monitor.ReportFetched(code, file);
}

void WatchController::Store() {
  QString problem;
  if (!m_store.Save(m_settings, &problem)) {
    QMessageBox::warning(nullptr, QCoreApplication::applicationName(), problem);
  }
}

QString WatchController::TitleSuffix() const {
  if (m_monitor.Watches().empty() || m_monitor.NotificationsAvailable()) return {};
  QString suffix = m_monitor.StateText();
  if (!m_monitor.LastNews().isEmpty()) suffix += QStringLiteral(" / ") + m_monitor.LastNews();
  return suffix;
}

bool WatchController::StaysInTray() const {
  return m_settings.keepInTray && !m_monitor.Watches().empty() && m_tray && m_tray->isVisible();
}

bool WatchController::WaitInTray() {
  QEventLoop loop;
  QMenu menu;
  menu.addAction(QStringLiteral("開く(&O)"), &loop, [&loop] { loop.exit(1); });
  menu.addAction(QStringLiteral("終了(&X)"), &loop, [&loop] { loop.exit(0); });
  m_tray->setContextMenu(&menu);
  const auto activated = connect(m_tray.get(), &QSystemTrayIcon::activated, &loop,
                                 [&loop](QSystemTrayIcon::ActivationReason reason) {
                                   if (reason == QSystemTrayIcon::Trigger) loop.exit(1);
                                 });
  const bool reopen = loop.exec() == 1;
  disconnect(activated);
  m_tray->setContextMenu(nullptr);
  return reopen;
}

// The tray icon is there while something is watched, its tooltip the watch's state.
void WatchController::UpdateTray() {
  const bool wanted = !m_monitor.Watches().empty() && QSystemTrayIcon::isSystemTrayAvailable();
  if (!wanted) {
    m_tray.reset();
    return;
  }
  if (!m_tray) {
    m_tray = std::make_unique<QSystemTrayIcon>(QApplication::windowIcon());
    m_tray->show();
  }
  QString tip = m_monitor.StateText();
  if (!m_monitor.LastNews().isEmpty()) tip += QLatin1Char('\n') + m_monitor.LastNews();
  m_tray->setToolTip(tip);
}

}  // namespace aerolume

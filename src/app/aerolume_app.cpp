#include "app/aerolume_app.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "app/aerolume_dlg.hpp"
#include "history/history_window.hpp"
#include "retrieval/overview_fetch.hpp"
#include "retrieval/report_download.hpp"
#include "watch/notification_sink.hpp"
#include "watch/watch_controller.hpp"
#include "wind/message_sink.hpp"

namespace {

// The watched stations' reports as the overview fetches them: one Data API request,
// else the station files.
aerolume::WatchFetch OverviewFetchFor(aerolume::DownloadSettings settings) {
  return [settings](const std::vector<std::string>& codes, const std::stop_token& stop) {
    return aerolume::FetchOverview(settings, codes, stop, {}).answers;
  };
}

}  // namespace

CAerolumeApp::CAerolumeApp(std::string serverBase, std::string fallbackBase, bool openMap,
                           std::string historyStation)
    : m_serverBase(std::move(serverBase)),
      m_fallbackBase(std::move(fallbackBase)),
      m_openMap(openMap),
      m_historyStation(std::move(historyStation)) {}

bool CAerolumeApp::InitInstance() {
  aerolume::MessageBoxSink messages;
  aerolume::CurlReportSource source;
  source.SetServerBase(m_serverBase);
  source.SetFallbackBase(m_fallbackBase);
  aerolume::DesktopNotificationSink notifications;
  aerolume::WatchController watch(aerolume::WatchStore(aerolume::WatchStore::DefaultPath()),
                                  notifications, OverviewFetchFor(source.Settings()));
  CAerolumeDlg dialog(source, messages);
  messages.SetParent(&dialog);
  dialog.SetDownloadSettings(source.Settings());
  dialog.AttachWatch(&watch);
  if (!watch.LoadProblem().isEmpty()) {
    messages.ShowMessage(watch.LoadProblem(), QMessageBox::Warning);
  }
  // Once the dialog is up, so that the map stands beside it and the history over it.
  if (m_openMap) QTimer::singleShot(0, &dialog, &CAerolumeDlg::OnMap);
  if (!m_historyStation.empty()) {
    QTimer::singleShot(0, &dialog, [&dialog, &source, this] {
      aerolume::OpenHistoryWindow(&dialog, source.Settings(), m_historyStation, nullptr);
    });
  }
  // Closing the window while watching leaves the program in the tray when the user chose so.
  QApplication::setQuitOnLastWindowClosed(false);
  do {
    dialog.exec();
  } while (watch.StaysInTray() && watch.WaitInTray());
  return false;
}

#include "app/aerolume_app.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "app/aerolume_dlg.hpp"
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

CAerolumeApp::CAerolumeApp(std::string serverBase, std::string fallbackBase, bool openMap)
    : m_serverBase(std::move(serverBase)),
      m_fallbackBase(std::move(fallbackBase)),
      m_openMap(openMap) {}

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
  dialog.SetMapSettings(source.Settings());
  dialog.AttachWatch(&watch);
  if (!watch.LoadProblem().isEmpty()) {
    messages.ShowMessage(watch.LoadProblem(), QMessageBox::Warning);
  }
  // Once the dialog is up, so that the map stands beside it, not under it.
  if (m_openMap) QTimer::singleShot(0, &dialog, &CAerolumeDlg::OnMap);
  // Closing the window while watching leaves the program in the tray when the user chose so.
  QApplication::setQuitOnLastWindowClosed(false);
  do {
    dialog.exec();
  } while (watch.StaysInTray() && watch.WaitInTray());
  return false;
}

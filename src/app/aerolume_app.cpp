#include "app/aerolume_app.hpp"

#include <QTimer>

#include "app/aerolume_dlg.hpp"
#include "history/history_window.hpp"
#include "retrieval/report_download.hpp"
#include "wind/message_sink.hpp"

CAerolumeApp::CAerolumeApp(std::string serverBase, std::string fallbackBase,
                           std::string historyStation)
    : m_serverBase(std::move(serverBase)),
      m_fallbackBase(std::move(fallbackBase)),
      m_historyStation(std::move(historyStation)) {}

bool CAerolumeApp::InitInstance() {
  aerolume::MessageBoxSink messages;
  aerolume::CurlReportSource source;
  source.SetServerBase(m_serverBase);
  source.SetFallbackBase(m_fallbackBase);
  CAerolumeDlg dialog(source, messages);
  messages.SetParent(&dialog);
  dialog.SetHistorySettings(source.Settings());
  if (!m_historyStation.empty()) {
    // Once the dialog is up, so that the history window opens over it.
    QTimer::singleShot(0, &dialog, [&dialog, &source, this] {
      aerolume::OpenHistoryWindow(&dialog, source.Settings(), m_historyStation, nullptr);
    });
  }
  dialog.exec();
  return false;
}

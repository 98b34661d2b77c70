#include "app/aerolume_app.hpp"

#include <QTimer>

#include "app/aerolume_dlg.hpp"
#include "retrieval/report_download.hpp"
#include "wind/message_sink.hpp"

CAerolumeApp::CAerolumeApp(std::string serverBase, std::string fallbackBase, bool openMap)
    : m_serverBase(std::move(serverBase)),
      m_fallbackBase(std::move(fallbackBase)),
      m_openMap(openMap) {}

bool CAerolumeApp::InitInstance() {
  aerolume::MessageBoxSink messages;
  aerolume::CurlReportSource source;
  source.SetServerBase(m_serverBase);
  source.SetFallbackBase(m_fallbackBase);
  CAerolumeDlg dialog(source, messages);
  messages.SetParent(&dialog);
  dialog.SetMapSettings(source.Settings());
  // Once the dialog is up, so that the map stands beside it, not under it.
  if (m_openMap) QTimer::singleShot(0, &dialog, &CAerolumeDlg::OnMap);
  dialog.exec();
  return false;
}

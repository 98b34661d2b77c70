#include "app/aerolume_app.hpp"

#include "app/aerolume_dlg.hpp"
#include "retrieval/report_download.hpp"
#include "wind/message_sink.hpp"

CAerolumeApp::CAerolumeApp(std::string serverBase, std::string fallbackBase)
    : m_serverBase(std::move(serverBase)), m_fallbackBase(std::move(fallbackBase)) {}

bool CAerolumeApp::InitInstance() {
  aerolume::MessageBoxSink messages;
  aerolume::CurlReportSource source;
  source.SetServerBase(m_serverBase);
  source.SetFallbackBase(m_fallbackBase);
  CAerolumeDlg dialog(source, messages);
  messages.SetParent(&dialog);
  dialog.exec();
  return false;
}

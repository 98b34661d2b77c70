// The main window: the station list, the METAR and TAF fields and the wind display.
// It is the view of the report session; the session does all the work.
#pragma once

#include <QDialog>
#include <QIcon>
#include <QPointer>
#include <string>

#include "app/dialog_units.hpp"
#include "retrieval/fetch_runner.hpp"
#include "retrieval/report_download.hpp"
#include "retrieval/report_session.hpp"
#include "retrieval/report_view.hpp"

class QAction;
class QLabel;
class QLineEdit;
class QTimer;
class QPlainTextEdit;
class QStyle;
class CWindWnd;

namespace aerolume {
class CategoryBadge;
class OverviewWindow;
class MessageSink;
class StationComboBox;
class WatchController;
}  // namespace aerolume

class CAerolumeDlg : public QDialog, public aerolume::ReportView {
  Q_OBJECT

 public:
  CAerolumeDlg(aerolume::ReportSource& source, aerolume::MessageSink& messages,
               QWidget* parent = nullptr);
  ~CAerolumeDlg() override;

  // The view of the report session.
  void SetField(aerolume::ReportField field, const std::string& text) override;
  // The cause goes into the field's tooltip.
  void SetFieldCause(aerolume::ReportField field, const std::string& cause) override;
  void ShowMessage(const std::string& text, aerolume::MessageIcon icon) override;
  void ShowWind(const std::string& stationCode, const aerolume::WindValues& wind) override;
  void ShowCategory(const aerolume::CategoryJudgement& judgement) override;
  void ShowBusy(bool busy) override;
  void ShowStationStatus(const aerolume::StationStatus& status) override;

  // The selection cycle, run when the station list's drop-down closes.
  void OnCbnCloseupStation();
  // Fetches the shown station again.
  void OnRefresh();
  // The About box, from the context menu or F1.
  void OnAbout();
  // Every ten minutes after the last download: the shown station again, quietly.
  void OnRefreshTimer();
  // Where the map and the history window fetch from: the servers the dialog's own
  // reports come from.
  void SetDownloadSettings(aerolume::DownloadSettings settings) {
    m_downloadSettings = std::move(settings);
  }
  // The map of all of Japan (Ctrl+M, the context menu, --map); a station picked there is
  // chosen here as if from the list.
  void OnMap();
  aerolume::OverviewWindow* MapWindow() const;

  // The watch: Ctrl+W and the context menu edit the shown station's, each METAR shown is
  // checked, and the title carries the news where no notification service does.
  void AttachWatch(aerolume::WatchController* watch);
  void OnWatch();

  // The shown station's last 24 hours and its TAF in a window of their own (Ctrl+H, the
  // context menu), from the Data API of the download settings.
  void OnHistory();

  const aerolume::ReportSession& Session() const { return m_session; }
  const aerolume::DialogBaseUnits& BaseUnits() const { return m_baseUnits; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void OnInitDialog();
  void CreateControls();
  void FillStationList();
  void CreateWindWindow();
  // The map rings the watched stations; again whenever the watch list changes.
  void MarkWatchedOnMap();
  void CreateRunwayWindLine(const QRect& windWindow);
  QWidget* FieldWidget(aerolume::ReportField field) const;
  void UpdateTitle();

  aerolume::MessageSink& m_messages;
  QIcon m_hIcon;
  aerolume::DialogBaseUnits m_baseUnits;
  CWindWnd* m_wndWind = nullptr;
  // Under the wind display: what the wind does on the runway it favours.
  QLabel* m_lblRunwayWind = nullptr;
  aerolume::StationComboBox* m_cmbStation = nullptr;
  QPlainTextEdit* m_edtMetarRaw = nullptr;
  QPlainTextEdit* m_edtMetarDecoded = nullptr;
  QLineEdit* m_edtMetarTime = nullptr;
  aerolume::CategoryBadge* m_categoryBadge = nullptr;  // inside the METAR's time field
  QPlainTextEdit* m_edtTafRaw = nullptr;
  QPlainTextEdit* m_edtTafDecoded = nullptr;
  QLineEdit* m_edtTafTime = nullptr;
  // The multi-line fields' frames, which show the focus as the line edits' do.
  QStyle* m_fieldFrameStyle = nullptr;
  QTimer* m_refreshTimer = nullptr;
  QTimer* m_titleTimer = nullptr;
  aerolume::StationStatus m_status;
  QAction* m_mapAction = nullptr;
  aerolume::DownloadSettings m_downloadSettings;   // for the map and the history window
  QPointer<aerolume::OverviewWindow> m_mapWindow;  // gone once the user closes it
  bool m_busy = false;
  aerolume::WatchController* m_watch = nullptr;
  QAction* m_historyAction = nullptr;
  // Declared before the session, which uses it, so that it is destroyed after it.
  aerolume::ThreadFetchRunner m_runner;
  aerolume::ReportSession m_session;
};

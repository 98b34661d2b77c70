#include "app/aerolume_dlg.hpp"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTimer>
#include <chrono>
#include <set>

#include "app/about_dlg.hpp"
#include "app/app_font.hpp"
#include "app/app_icon.hpp"
#include "app/category_badge.hpp"
#include "app/dialog_template.hpp"
#include "app/field_frame_style.hpp"
#include "app/phrase_lines.hpp"
#include "app/station_combo_box.hpp"
#include "history/history_window.hpp"
#include "overview/overview_map.hpp"
#include "overview/overview_window.hpp"
#include "retrieval/station_status.hpp"
#include "stations/runway_wind.hpp"
#include "stations/station_catalogue.hpp"
#include "stations/station_runways.hpp"
#include "translators/shown_text.hpp"
#include "watch/watch_controller.hpp"
#include "wind/message_sink.hpp"
#include "wind/wind_wnd.hpp"

using aerolume::MainDialogControl;
using aerolume::MainDialogControls;
using aerolume::MapDialogRect;
using aerolume::ReportField;

namespace {

constexpr int kDialogFontPoints = 10;

// The report texts end their lines in CR LF; the fields want plain line breaks. A
// report's controls show as U+FFFD: a direction override would turn the text around.
QString ToFieldText(const std::string& text) {
  return QString::fromStdString(aerolume::ReplaceUnsafeCharacters(aerolume::ToLfLineEnds(text)));
}

constexpr int kRunwayWindFontPoints = 9;
constexpr std::chrono::minutes kRefreshInterval{10};
// The title's age is in whole minutes.
constexpr std::chrono::minutes kTitleInterval{1};

QPlainTextEdit* MakeMultiLineField(QWidget* parent, QStyle* frameStyle) {
  auto* field = new QPlainTextEdit(parent);
  field->setStyle(frameStyle);
  field->setReadOnly(true);
  field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  field->setTabChangesFocus(true);
  return field;
}

QLineEdit* MakeSingleLineField(QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setReadOnly(true);
  return field;
}

}  // namespace

CAerolumeDlg::CAerolumeDlg(aerolume::ReportSource& source, aerolume::MessageSink& messages,
                           QWidget* parent)
    : QDialog(parent),
      m_messages(messages),
      m_hIcon(aerolume::AppIcon()),
      // Downloads run on threads of their own; their results come back through the
      // event loop, to this dialog's thread.
      m_runner([this](std::function<void()> task) {
        QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
      }),
      m_session(*this, source, m_runner) {
  setWindowTitle(QStringLiteral("Aerolume"));
  setFont(aerolume::JapaneseGothic(kDialogFontPoints));
  m_baseUnits = aerolume::BaseUnitsOf(font());
  setFixedSize(aerolume::MapDialogSize(aerolume::kMainDialogSize, m_baseUnits));
  CreateControls();
  OnInitDialog();
}

CAerolumeDlg::~CAerolumeDlg() {
  ShowBusy(false);
}

void CAerolumeDlg::CreateControls() {
  m_fieldFrameStyle = new aerolume::FieldFrameStyle;
  m_fieldFrameStyle->setParent(this);
  // Created in tab order, so the focus chain is the layout's.
  for (const aerolume::ControlTemplate& control : MainDialogControls()) {
    const QRect rect = MapDialogRect(control.rect, m_baseUnits);
    QWidget* widget = nullptr;
    switch (control.id) {
      case aerolume::kStationList:
        widget = m_cmbStation = new aerolume::StationComboBox(this);
        break;
      case aerolume::kMetarRaw:
        widget = m_edtMetarRaw = MakeMultiLineField(this, m_fieldFrameStyle);
        break;
      case aerolume::kMetarDecoded:
        widget = m_edtMetarDecoded = MakeMultiLineField(this, m_fieldFrameStyle);
        break;
      case aerolume::kMetarTime:
        widget = m_edtMetarTime = MakeSingleLineField(this);
        break;
      case aerolume::kTafRaw:
        widget = m_edtTafRaw = MakeMultiLineField(this, m_fieldFrameStyle);
        break;
      case aerolume::kTafDecoded:
        widget = m_edtTafDecoded = MakeMultiLineField(this, m_fieldFrameStyle);
        break;
      case aerolume::kTafTime:
        widget = m_edtTafTime = MakeSingleLineField(this);
        break;
      case aerolume::kWindPlaceholder:
        continue;  // the wind window takes its place
      default:
        widget = new QLabel(QString::fromUtf8(control.text), this);
        break;
    }
    widget->setObjectName(control.id == aerolume::kCaption
                              ? QStringLiteral("caption%1").arg(QString::fromUtf8(control.text))
                              : QStringLiteral("control%1").arg(control.id));
    if (control.id == aerolume::kStationList) {
      // The template's height includes the drop-down; the closed box is one line.
      widget->setGeometry(rect.x(), rect.y(), rect.width(), widget->sizeHint().height());
    } else {
      widget->setGeometry(rect);
    }
  }
  m_categoryBadge = new aerolume::CategoryBadge(m_edtMetarTime);
  m_historyAction = new QAction(QStringLiteral("24時間の推移(&H)..."), this);
  m_historyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  addAction(m_historyAction);
  connect(m_historyAction, &QAction::triggered, this, &CAerolumeDlg::OnHistory);
  connect(m_cmbStation, &aerolume::StationComboBox::closeUp, this,
          &CAerolumeDlg::OnCbnCloseupStation);
  connect(m_cmbStation, &aerolume::StationComboBox::chosenByKeyboard, this,
          &CAerolumeDlg::OnCbnCloseupStation);
}

void CAerolumeDlg::OnInitDialog() {
  setWindowIcon(m_hIcon);
  FillStationList();
  CreateWindWindow();
  m_refreshTimer = new QTimer(this);
  m_refreshTimer->setInterval(kRefreshInterval);
  connect(m_refreshTimer, &QTimer::timeout, this, &CAerolumeDlg::OnRefreshTimer);
  m_titleTimer = new QTimer(this);
  m_titleTimer->setInterval(kTitleInterval);
  connect(m_titleTimer, &QTimer::timeout, this, &CAerolumeDlg::UpdateTitle);
  m_mapAction = new QAction(QStringLiteral("日本全国の地図(&M)"), this);
  m_mapAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
  addAction(m_mapAction);
  connect(m_mapAction, &QAction::triggered, this, &CAerolumeDlg::OnMap);
  m_cmbStation->setFocus();
}

void CAerolumeDlg::FillStationList() {
  for (std::string_view entry : aerolume::StationCatalogue()) {
    m_cmbStation->addItem(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
  }
  m_cmbStation->model()->sort(0);
  m_cmbStation->setCurrentIndex(-1);
}

void CAerolumeDlg::CreateWindWindow() {
  // A square over the placeholder: the smaller of its sides.
  const QRect placeholder =
      MapDialogRect(MainDialogControl(aerolume::kWindPlaceholder).rect, m_baseUnits);
  const int side = std::min(placeholder.width(), placeholder.height());
  m_wndWind = new CWindWnd(m_messages, this);
  m_wndWind->setObjectName(QStringLiteral("control1005"));
  m_wndWind->setGeometry(placeholder.x(), placeholder.y(), side, side);
  m_wndWind->m_size = side;
  CreateRunwayWindLine(m_wndWind->geometry());
}

// The strip between the wind display and the RAW caption, inside the dialog as it
// has always been: a smaller font, and a second line when the first is full. Its
// height ends above the RAW caption, so a line beyond what fits is cut off there.
void CAerolumeDlg::CreateRunwayWindLine(const QRect& windWindow) {
  const QRect placeholder =
      MapDialogRect(MainDialogControl(aerolume::kWindPlaceholder).rect, m_baseUnits);
  const auto controls = MainDialogControls();
  const auto rawCaption = std::find_if(controls.begin(), controls.end(), [](const auto& control) {
    return control.id == aerolume::kCaption && std::string_view(control.text) == "RAW";
  });
  const int rawCaptionTop = MapDialogRect(rawCaption->rect, m_baseUnits).top();
  m_lblRunwayWind = new QLabel(this);
  m_lblRunwayWind->setObjectName(QStringLiteral("runwayWind"));
  m_lblRunwayWind->setFont(aerolume::JapaneseGothic(kRunwayWindFontPoints));
  m_lblRunwayWind->setTextFormat(Qt::PlainText);
  // Broken between phrases by the dialog itself (ShowWind), never inside a word.
  m_lblRunwayWind->setWordWrap(false);
  m_lblRunwayWind->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_lblRunwayWind->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_lblRunwayWind->setGeometry(placeholder.left(), windWindow.bottom() + 2, placeholder.width(),
                               rawCaptionTop - windWindow.bottom() - 3);
}

QWidget* CAerolumeDlg::FieldWidget(ReportField field) const {
  switch (field) {
    case ReportField::MetarRaw:
      return m_edtMetarRaw;
    case ReportField::MetarDecoded:
      return m_edtMetarDecoded;
    case ReportField::MetarTime:
      return m_edtMetarTime;
    case ReportField::TafRaw:
      return m_edtTafRaw;
    case ReportField::TafDecoded:
      return m_edtTafDecoded;
    case ReportField::TafTime:
      return m_edtTafTime;
  }
  return nullptr;
}

// A field whose text stays the same is left alone: a refresh must not take away
// the user's scroll position or selection.
void CAerolumeDlg::SetField(ReportField field, const std::string& text) {
  QWidget* widget = FieldWidget(field);
  if (field == ReportField::MetarTime && text.empty()) m_categoryBadge->hide();
  const QString fieldText = ToFieldText(text);
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    if (line->text() == fieldText) return;
    line->setToolTip({});  // the cause of the text it had
    line->setText(fieldText);
    line->setCursorPosition(0);
  } else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(widget)) {
    if (multiLine->toPlainText() == fieldText) return;
    multiLine->setPlainText(fieldText);
  }
}

void CAerolumeDlg::SetFieldCause(ReportField field, const std::string& cause) {
  FieldWidget(field)->setToolTip(QString::fromStdString(cause));
}

void CAerolumeDlg::ShowMessage(const std::string& text, aerolume::MessageIcon icon) {
  // Messages quote a server's bytes (a time line, its error text).
  m_messages.ShowMessage(
      QString::fromStdString(aerolume::ReplaceUnsafeCharacters(text)),
      icon == aerolume::MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Warning);
}

void CAerolumeDlg::ShowWind(const std::string& stationCode, const aerolume::WindValues& wind) {
  const std::vector<aerolume::RunwayEndWind> runways =
      aerolume::RunwayWinds(aerolume::StationRunways(stationCode), wind);
  m_wndWind->SetWind(stationCode, wind.m_windDirection, wind.m_windSpeed, wind.m_windVarFrom,
                     wind.m_windVarTo, wind.m_windGust);
  m_wndWind->SetRunwayWinds(runways);
  m_wndWind->RestartAnimation();
  const QString line = QString::fromStdString(aerolume::RunwayWindLine(runways, wind));
  m_lblRunwayWind->setText(aerolume::BreakBetweenPhrases(line, m_lblRunwayWind->fontMetrics(),
                                                         m_lblRunwayWind->contentsRect().width()));
  m_lblRunwayWind->setToolTip(m_wndWind->toolTip());
}

void CAerolumeDlg::ShowCategory(const aerolume::CategoryJudgement& judgement) {
  m_categoryBadge->ShowCategory(judgement);
  // Only a METAR has a category: the report just shown, as its station file read.
  if (m_watch != nullptr) {
    const aerolume::ReportState& state = m_session.State();
    m_watch->ReportFetched(
        state.m_stationCode,
        state.m_timeLine + '\n' + m_edtMetarRaw->toPlainText().toStdString() + '\n');
  }
}

// The busy cursor and the title say a download runs; the window still answers
// meanwhile.
void CAerolumeDlg::ShowBusy(bool busy) {
  if (busy == m_busy) return;
  m_busy = busy;
  if (busy) {
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
  } else {
    QGuiApplication::restoreOverrideCursor();
  }
  UpdateTitle();
}

void CAerolumeDlg::ShowStationStatus(const aerolume::StationStatus& status) {
  m_status = status;
  UpdateTitle();
  if (status.stationCode.empty()) {
    m_refreshTimer->stop();
    m_titleTimer->stop();
  } else {
    m_refreshTimer->start();
    if (!m_titleTimer->isActive()) m_titleTimer->start();
  }
}

void CAerolumeDlg::UpdateTitle() {
  const auto now =
      std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::system_clock::now());
  QString title = QString::fromStdString(aerolume::WindowTitle(m_status, now, m_busy));
  if (m_watch != nullptr && !m_watch->TitleSuffix().isEmpty()) {
    title += QStringLiteral(" - ") + m_watch->TitleSuffix();
  }
  setWindowTitle(title);
}

void CAerolumeDlg::AttachWatch(aerolume::WatchController* watch) {
  m_watch = watch;
  // A shortcut, so that the station list, which has the focus and reads typed keys,
  // does not take it.
  auto* watchKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
  connect(watchKey, &QShortcut::activated, this, &CAerolumeDlg::OnWatch);
  connect(watch, &aerolume::WatchController::StateChanged, this, &CAerolumeDlg::UpdateTitle);
  connect(watch, &aerolume::WatchController::StateChanged, this, &CAerolumeDlg::MarkWatchedOnMap);
  UpdateTitle();
}

void CAerolumeDlg::MarkWatchedOnMap() {
  if (m_mapWindow == nullptr || m_watch == nullptr) return;
  std::set<std::string> codes;
  for (const aerolume::Watch& watch : m_watch->Monitor().Watches()) codes.insert(watch.code);
  m_mapWindow->Map()->SetWatchedStations(std::move(codes));
}

void CAerolumeDlg::OnWatch() {
  if (m_watch == nullptr || m_session.State().m_stationCode.empty()) return;
  m_watch->EditWatch(m_session.State().m_stationCode, this);
}

void CAerolumeDlg::OnRefreshTimer() {
  m_session.RefreshInBackground();
}

void CAerolumeDlg::OnCbnCloseupStation() {
  const int selected = m_cmbStation->currentIndex();
  if (selected < 0) return;
  const std::string code = m_cmbStation->itemText(selected).left(4).toStdString();
  m_session.Select(code);
}

// After a failed download no station is shown, and F5 tries the list's one again.
void CAerolumeDlg::OnRefresh() {
  if (m_session.State().m_stationCode.empty()) {
    OnCbnCloseupStation();
  } else {
    m_session.Refresh();
  }
}

void CAerolumeDlg::OnAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CAerolumeDlg::OnMap() {
  if (m_mapWindow == nullptr) {
    m_mapWindow = new aerolume::OverviewWindow(m_downloadSettings, this);
    connect(m_mapWindow, &aerolume::OverviewWindow::stationPicked, this,
            [this](const QString& code) {
              const int index = m_cmbStation->findText(code, Qt::MatchStartsWith);
              if (index < 0) return;
              m_cmbStation->setCurrentIndex(index);
              OnCbnCloseupStation();
            });
    MarkWatchedOnMap();
  }
  m_mapWindow->show();
  m_mapWindow->raise();
  m_mapWindow->activateWindow();
}

aerolume::OverviewWindow* CAerolumeDlg::MapWindow() const {
  return m_mapWindow;
}

// The station shown, or the one the list shows while none is.
void CAerolumeDlg::OnHistory() {
  const aerolume::ReportState& state = m_session.State();
  std::string code = state.m_stationCode;
  if (code.empty()) code = m_cmbStation->currentText().left(4).toStdString();
  if (code.empty()) return;
  aerolume::OpenHistoryWindow(this, m_downloadSettings, code,
                              code == state.m_stationCode ? &state.m_tafValues : nullptr);
}

void CAerolumeDlg::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_F1:
      OnAbout();
      return;
    case Qt::Key_F5:
      OnRefresh();
      return;
    default:
      break;
  }
  QDialog::keyPressEvent(event);
}

void CAerolumeDlg::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  if (m_watch != nullptr) {
    QAction* watch = menu.addAction(QStringLiteral("この空港を監視(&W)...\tCtrl+W"), this,
                                    &CAerolumeDlg::OnWatch);
    watch->setEnabled(!m_session.State().m_stationCode.empty());
  }
  menu.addAction(m_historyAction);
  menu.addAction(m_mapAction);
  menu.addAction(QStringLiteral("バージョン情報 Aerolume(&A)..."), this, &CAerolumeDlg::OnAbout);
  menu.exec(event->globalPos());
}

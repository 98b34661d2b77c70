// The main dialog as a user drives it, offscreen, with a recorder instead of
// message boxes.
#include "app/aerolume_dlg.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#include "../net/loopback_servers.hpp"
#include "app/about_dlg.hpp"
#include "app/category_badge.hpp"
#include "app/dialog_template.hpp"
#include "app/station_combo_box.hpp"
#include "history/history_window.hpp"
#include "history/taf_timeline.hpp"
#include "overview/overview_window.hpp"
#include "retrieval/report_download.hpp"
#include "watch/watch_controller.hpp"
#include "watch/watch_edit_dlg.hpp"
#include "wind/message_sink.hpp"
#include "wind/wind_wnd.hpp"

namespace aerolume {
namespace {

class RecordingSink : public MessageSink {
 public:
  void ShowMessage(const QString& text, QMessageBox::Icon icon) override {
    messages.push_back(text);
    icons.push_back(icon);
  }
  QStringList messages;
  std::vector<QMessageBox::Icon> icons;
};

// Hands out fixed station files, or fails, and counts the downloads. Called on the
// download's thread; the test reads it once the result has come back.
class FakeSource : public ReportSource {
 public:
  DownloadResult DownloadReports(const std::string& code, std::stop_token) override {
    // A slow server: the answer waits until the test lets it go.
    while (hold) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    codes.push_back(code);
    if (fail) {
      return {"",
              "",
              {{ReportKind::Metar, "InternetOpenUrl(hInternet, ...) Error", "url", "", ""},
               {ReportKind::Taf, "InternetOpenUrl(hInternet, ...) Error", "url", "", ""}}};
    }
    return {metarText, tafText, {}};
  }
  std::atomic<bool> hold = false;
  bool fail = false;
  std::string metarText = "2012/05/06 12:00 RJTT 061200Z 27015KT 240V300 9999 FEW030 Q1012";
  std::string tafText = "2012/05/06 05:00 TAF RJTT 060500Z 0606/0712 18010KT";
  std::vector<std::string> codes;
};

template <typename Widget>
Widget* Control(const QWidget& dialog, int id) {
  return dialog.findChild<Widget*>(QStringLiteral("control%1").arg(id));
}

QString FieldText(const QWidget& dialog, int id) {
  if (auto* line = Control<QLineEdit>(dialog, id)) return line->text();
  return Control<QPlainTextEdit>(dialog, id)->toPlainText();
}

constexpr int kFieldIds[] = {kMetarRaw, kMetarDecoded, kMetarTime, kTafRaw, kTafDecoded, kTafTime};

// Until the download running has come back and been shown.
void WaitForDownload(const CAerolumeDlg& dialog) {
  EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.Session().Downloading(); }, 10'000));
}

// The user opens the list, picks an entry (or none) and the list closes.
void PickStation(const QWidget& dialog, int index) {
  auto* list = Control<StationComboBox>(dialog, kStationList);
  list->showPopup();
  if (index >= 0) list->setCurrentIndex(index);
  list->hidePopup();
  QCoreApplication::processEvents();
}

// A pick, and its download to the end.
void ChooseStation(const CAerolumeDlg& dialog, int index) {
  PickStation(dialog, index);
  WaitForDownload(dialog);
}

int IndexOf(const QWidget& dialog, const QString& code) {
  auto* list = Control<StationComboBox>(dialog, kStationList);
  for (int i = 0; i < list->count(); ++i) {
    if (list->itemText(i).startsWith(code)) return i;
  }
  return -1;
}

TEST(DialogUnitsTest, MapsLikeTheDialogManager) {
  const DialogBaseUnits units{6, 13};
  EXPECT_EQ(MapDialogRect(QRect(7, 7, 114, 147), units), QRect(11, 11, 171, 239));
  EXPECT_EQ(MapDialogRect(QRect(300, 38, 137, 148), units), QRect(450, 62, 206, 241));
  EXPECT_EQ(MapDialogSize(kMainDialogSize, units), QSize(669, 530));
  EXPECT_EQ(ScaleDialogUnits(5, 6, 4), 8);  // 7.5 rounds away from zero
  EXPECT_EQ(ScaleDialogUnits(-5, 6, 4), -8);
}

class DialogTest : public testing::Test {
 protected:
  RecordingSink sink;
  FakeSource source;
  CAerolumeDlg dialog{source, sink};
};

TEST_F(DialogTest, EveryControlStandsWhereTheLayoutPutsIt) {
  const DialogBaseUnits units = dialog.BaseUnits();
  EXPECT_EQ(units, BaseUnitsOf(dialog.font()));
  EXPECT_EQ(dialog.size(), MapDialogSize(kMainDialogSize, units));
  EXPECT_EQ(dialog.windowTitle(), "Aerolume");
  for (const ControlTemplate& control : MainDialogControls()) {
    const QRect expected = MapDialogRect(control.rect, units);
    if (control.id == kStationList) {
      EXPECT_EQ(Control<QWidget>(dialog, kStationList)->pos(), expected.topLeft());
    } else if (control.id == kCaption) {
      const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
      const auto found = std::find_if(labels.begin(), labels.end(),
                                      [&](QLabel* label) { return label->text() == control.text; });
      ASSERT_NE(found, labels.end()) << control.text;
      EXPECT_EQ((*found)->geometry(), expected) << control.text;
    } else if (control.id == kWindPlaceholder) {
      const int side = std::min(expected.width(), expected.height());
      EXPECT_EQ(dialog.findChild<CWindWnd*>()->geometry(),
                QRect(expected.topLeft(), QSize(side, side)));
      EXPECT_EQ(dialog.findChild<CWindWnd*>()->m_size, side);
    } else {
      EXPECT_EQ(Control<QWidget>(dialog, control.id)->geometry(), expected) << control.id;
    }
  }
}

TEST_F(DialogTest, StationListHoldsTheCatalogueWithNothingChosen) {
  auto* list = Control<StationComboBox>(dialog, kStationList);
  ASSERT_EQ(list->count(), 104);
  EXPECT_EQ(list->itemText(0), "RJAA 成田国際空港");
  EXPECT_EQ(list->itemText(103), "ROTM MCAS普天間");
  EXPECT_EQ(list->currentIndex(), -1);
  EXPECT_FALSE(list->isEditable());
}

// The dialog shown and active, as a keyboard user meets it.
void ShowActive(QWidget& dialog) {
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

TEST_F(DialogTest, TabGoesFromTheListThroughEachReportsTimeRawAndDecodedText) {
  ShowActive(dialog);
  Control<QWidget>(dialog, kStationList)->setFocus();
  QStringList visited;
  for (int i = 0; i < 7; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(visited, QStringList({"control1003", "control1001", "control1002", "control1012",
                                  "control1010", "control1011", "control1000"}));
}

// The top edge of a control, where a focus frame shows.
QImage TopEdge(QWidget& widget) {
  return widget.grab().toImage().copy(0, 0, widget.width(), 2);
}

TEST_F(DialogTest, EveryFocusableControlShowsAFocusFrame) {
  ShowActive(dialog);
  for (int id :
       {kStationList, kMetarTime, kMetarRaw, kMetarDecoded, kTafTime, kTafRaw, kTafDecoded}) {
    auto* control = Control<QWidget>(dialog, id);
    // Focus moved by the keyboard: the list shows it only then.
    Control<QWidget>(dialog, id == kTafTime ? kMetarTime : kTafTime)
        ->setFocus(Qt::ShortcutFocusReason);
    const QImage without = TopEdge(*control);
    control->setFocus(Qt::ShortcutFocusReason);
    ASSERT_TRUE(control->hasFocus()) << id;
    EXPECT_NE(TopEdge(*control), without) << id;
  }
}

TEST_F(DialogTest, CloseUpWithoutAChoiceDoesNothing) {
  ChooseStation(dialog, -1);
  EXPECT_TRUE(source.codes.empty());
}

TEST_F(DialogTest, ChoosingAStationFillsTheFieldsAndTheWindDisplay) {
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  ASSERT_EQ(source.codes, std::vector<std::string>{"RJTT"});
  EXPECT_EQ(FieldText(dialog, kMetarTime), "2012/05/06 21:00");
  EXPECT_EQ(FieldText(dialog, kMetarRaw), "RJTT 061200Z 27015KT 240V300 9999 FEW030 Q1012");
  EXPECT_EQ(FieldText(dialog, kMetarDecoded),
            "270方向 15KTの風\n方向240～300で変化\n視程 10km以上\n3000フィートFEWの雲\n"
            "気圧 1012hPa\n");
  EXPECT_EQ(FieldText(dialog, kTafTime), "2012/05/06 14:00");
  EXPECT_EQ(FieldText(dialog, kTafDecoded), "6日15時～7日21時の予報\n180方向 10KTの風\n");
  const CWindWnd* wind = dialog.findChild<CWindWnd*>();
  EXPECT_EQ(wind->Station(), "RJTT");
  EXPECT_EQ(wind->Animation().Angle(), 270);
  EXPECT_EQ(wind->Animation().Speed(), 15);
  EXPECT_EQ(wind->Animation().CurrentMotion(), WindAnimation::Motion::Swing);
  EXPECT_TRUE(sink.messages.isEmpty());
}

TEST_F(DialogTest, TheStationShownAgainFetchesNothingButF5Does) {
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  EXPECT_EQ(source.codes.size(), 1u);
  QTest::keyClick(&dialog, Qt::Key_F5);
  WaitForDownload(dialog);
  EXPECT_EQ(source.codes.size(), 2u);
  ChooseStation(dialog, IndexOf(dialog, "RJAA"));
  EXPECT_EQ(source.codes.back(), "RJAA");
}

// Keys on the closed station list, and the stations they fetch.
struct ListKeysCase {
  const char* name;
  const char* shownFirst;  // the entry current before the keys; nullptr for none
  std::vector<int> keys;   // Qt::Key values, pressed one after another without a pause
  std::vector<std::string> fetched;
};

void PrintTo(const ListKeysCase& c, std::ostream* out) {
  *out << c.name;
}

const ListKeysCase kListKeysCases[] = {
    {"TypedCode", nullptr, {Qt::Key_R, Qt::Key_J, Qt::Key_T, Qt::Key_T}, {"RJTT"}},
    {"TypedCodeThenEnter",
     nullptr,
     {Qt::Key_R, Qt::Key_J, Qt::Key_O, Qt::Key_O, Qt::Key_Return},
     {"RJOO"}},
    {"EnterOnTheShownEntry", "RJCC", {Qt::Key_Return}, {"RJCC"}},
    {"KeypadEnter", "RJCC", {Qt::Key_Enter}, {"RJCC"}},
    {"ArrowsMoveAndRest", "RJAA", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, {"RJAF"}},
    {"EnterWithNothingShown", nullptr, {Qt::Key_Return}, {}},
};

class ListKeysTest : public DialogTest, public testing::WithParamInterface<ListKeysCase> {};

TEST_P(ListKeysTest, FetchTheListsStationOnceAndKeepTheDialogOpen) {
  const ListKeysCase& c = GetParam();
  ShowActive(dialog);
  auto* list = Control<StationComboBox>(dialog, kStationList);
  if (c.shownFirst != nullptr) list->setCurrentIndex(IndexOf(dialog, c.shownFirst));
  list->setFocus();
  for (int key : c.keys) QTest::keyClick(list, static_cast<Qt::Key>(key));
  // Past the typing pause, with room for a second fetch that must not come.
  QTest::qWait(static_cast<int>(3 * StationComboBox::kTypingPause.count()));
  WaitForDownload(dialog);
  EXPECT_EQ(source.codes, c.fetched);
  if (!c.fetched.empty()) {
    EXPECT_EQ(FieldText(dialog, kMetarTime), "2012/05/06 21:00");
  }
  EXPECT_EQ(list->currentText().left(4).toStdString(),
            c.fetched.empty() ? std::string() : c.fetched.front())
      << "the list shows the station fetched";
  EXPECT_TRUE(dialog.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Keyboard, ListKeysTest, testing::ValuesIn(kListKeysCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, F5AfterAFailedDownloadFetchesTheListsStationAgain) {
  source.fail = true;
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  ASSERT_EQ(sink.messages.size(), 2) << "one box per file";
  source.fail = false;
  QTest::keyClick(&dialog, Qt::Key_F5);
  WaitForDownload(dialog);
  EXPECT_EQ(source.codes, std::vector<std::string>({"RJTT", "RJTT"}));
  EXPECT_EQ(FieldText(dialog, kMetarTime), "2012/05/06 21:00");
}

TEST_F(DialogTest, UnreadableIssueTimeShowsAStopMessage) {
  source.metarText = "ABCD";
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  ASSERT_EQ(sink.messages, QStringList{"時刻を読み取れません: ABCD"});
  EXPECT_EQ(sink.icons.front(), QMessageBox::Critical);
  EXPECT_EQ(FieldText(dialog, kMetarTime), "");
  EXPECT_EQ(FieldText(dialog, kTafTime), "2012/05/06 14:00");
}

TEST_F(DialogTest, EscapeClosesTheDialogAndEnterNever) {
  ShowActive(dialog);
  for (int id : {kStationList, kMetarTime, kMetarDecoded, kTafRaw}) {
    QTest::keyClick(Control<QWidget>(dialog, id), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << id;
  }
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// Checks the About box that is open, then closes it with its OK button.
void CheckAndCloseAboutBox(bool& seen) {
  auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
  ASSERT_NE(about, nullptr);
  seen = true;
  EXPECT_EQ(about->windowTitle(), "バージョン情報 Aerolume");
  const auto* title = about->findChild<QLabel*>("aboutTitle");
  EXPECT_EQ(title->text(), "Aerolume Version 2.0.0.4") << "the build's version, as --version says";
  EXPECT_LE(title->sizeHint().width(), title->width());
  EXPECT_LT(title->geometry().right(), about->width() - 8) << "clear of the box's edge";
  EXPECT_TRUE(about->findChild<QLabel*>("aboutNotice")->text().contains("OurAirports"));
  about->findChild<QPushButton*>("aboutOk")->click();
}

TEST_F(DialogTest, AboutOpensFromF1) {
  bool seen = false;
  QTimer::singleShot(0, [&] { CheckAndCloseAboutBox(seen); });
  QTest::keyClick(&dialog, Qt::Key_F1);
  EXPECT_TRUE(seen);
}

TEST_F(DialogTest, AboutOpensFromTheContextMenu) {
  dialog.show();
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    const auto about = std::ranges::find(actions, QStringLiteral("バージョン情報 Aerolume(&A)..."),
                                         &QAction::text);
    ASSERT_NE(about, actions.end());
    EXPECT_EQ(about, actions.end() - 1) << "About comes last";
    QTimer::singleShot(0, [&] { CheckAndCloseAboutBox(seen); });
    (*about)->trigger();
    menu->close();
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), dialog.mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(&dialog, &event);
  EXPECT_TRUE(seen);
}

// The map of Japan opens from Ctrl+M and from the context menu, once; a station picked
// there is chosen in the list and fetched as if chosen there.
TEST_F(DialogTest, MapOpensFromCtrlMAndTheContextMenuAndPicksAStation) {
  testing_support::HttpTestServer server([](httplib::Server& routes) {
    routes.Get(R"(/.*)",
               [](const httplib::Request&, httplib::Response& response) { response.status = 404; });
  });
  DownloadSettings settings;
  settings.serverBase = server.Url("/data");
  dialog.SetDownloadSettings(settings);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  QTest::keyClick(&dialog, Qt::Key_M, Qt::ControlModifier);
  QPointer<OverviewWindow> map = dialog.MapWindow();
  ASSERT_NE(map, nullptr);
  EXPECT_TRUE(map->isVisible());
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    const auto entry =
        std::ranges::find(actions, QStringLiteral("日本全国の地図(&M)"), &QAction::text);
    ASSERT_NE(entry, actions.end());
    (*entry)->trigger();
    menu->close();
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), dialog.mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(&dialog, &event);
  EXPECT_EQ(dialog.MapWindow(), map.data()) << "the window open is raised, not opened again";

  emit map->stationPicked(QStringLiteral("RJTT"));
  WaitForDownload(dialog);
  EXPECT_EQ(source.codes, std::vector<std::string>{"RJTT"});
  EXPECT_TRUE(Control<StationComboBox>(dialog, kStationList)->currentText().startsWith("RJTT"));
  map->close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return map.isNull(); }, 10'000));
}

class RecordingNotifications : public NotificationSink {
 public:
  bool Available() const override { return true; }
  void Notify(const QString& title, const QString& body) override { shown << title + " | " + body; }
  QStringList shown;
};

// The window with a watch whose list lives in a folder of the test's own.
struct WatchingDialogTest : DialogTest {
  WatchingDialogTest() {
    source.metarText =
        // japan-metar.txt:41
        "2026/08/11 10:30\nRJAA 111030Z 26011G22KT 230V300 3000 SHRA BR FEW005 BKN008 22/21 "
        "Q0989";
    dialog.AttachWatch(&watch);
  }
  QTemporaryDir folder;
  RecordingNotifications notifications;
  WatchController watch{WatchStore(folder.filePath("watches.ini")), notifications,
                        [](const std::vector<std::string>&, const std::stop_token&) {
                          return std::vector<OverviewAnswer>{};
                        }};
};

TEST_F(WatchingDialogTest, CtrlWAddsTheShownStationsWatchAndItsReportIsCheckedAtOnce) {
  ChooseStation(dialog, IndexOf(dialog, "RJAA"));
  EXPECT_TRUE(notifications.shown.isEmpty());  // not watched yet
  QTimer::singleShot(0, [] {
    auto* edit = qobject_cast<WatchEditDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->windowTitle(), "監視: RJAA 成田国際空港");
    edit->accept();  // as offered: alert when worse than VFR
  });
  // Pressed where the focus is: on the station list, which reads typed keys itself.
  ShowActive(dialog);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
  ASSERT_EQ(watch.Monitor().Watches().size(), 1u);
  EXPECT_EQ(watch.Monitor().Watches()[0].code, "RJAA");

  // F5 fetches the report again: the station now watched, it is checked at once (and,
  // checked today, found old as well).
  QTest::keyClick(&dialog, Qt::Key_F5);
  WaitForDownload(dialog);
  EXPECT_EQ(notifications.shown,
            (QStringList{"RJAA 成田国際空港 | IFR (雲底 800フィート、視程 3000m)",
                         "RJAA 成田国際空港 | 報告途絶 (最終 111030Z)"}));
}

TEST_F(WatchingDialogTest, TheContextMenuOffersTheWatchOnceAStationIsShown) {
  const auto menuEntries = [&] {
    QStringList entries;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      for (QAction* action : menu->actions()) {
        entries << action->text() + (action->isEnabled() ? "" : " (disabled)");
      }
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            dialog.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&dialog, &event);
    return entries;
  };
  dialog.show();
  EXPECT_EQ(menuEntries(),
            (QStringList{"この空港を監視(&W)...\tCtrl+W (disabled)", "24時間の推移(&H)...",
                         "日本全国の地図(&M)", "バージョン情報 Aerolume(&A)..."}));
  ChooseStation(dialog, IndexOf(dialog, "RJAA"));
  EXPECT_EQ(menuEntries(), (QStringList{"この空港を監視(&W)...\tCtrl+W", "24時間の推移(&H)...",
                                        "日本全国の地図(&M)", "バージョン情報 Aerolume(&A)..."}));
}

// Without a Data API the window opens all the same and says why it shows no history;
// the TAF is the one the dialog shows.
TEST_F(DialogTest, CtrlHOpensTheShownStationsHistory) {
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  const QList<QAction*> actions = dialog.actions();
  const auto action =
      std::ranges::find(actions, QKeySequence(Qt::CTRL | Qt::Key_H), &QAction::shortcut);
  ASSERT_NE(action, actions.end());
  (*action)->trigger();
  auto* history = dialog.findChild<HistoryWindow*>();
  ASSERT_NE(history, nullptr);
  EXPECT_EQ(history->Code(), "RJTT");
  EXPECT_FALSE(history->Fetching());
  EXPECT_TRUE(history->Status().contains(QStringLiteral("Data API")));
  EXPECT_EQ(history->Timeline()->Hours().size(), 30u);  // 0606/0712
  history->close();
}

// RJTT's TAF as the server keeps it; each test adds what it does with the METAR.
void ServeTheTaf(httplib::Server& routes) {
  routes.Get("/data/forecasts/taf/stations/RJTT.TXT",
             [](const httplib::Request&, httplib::Response& response) {
               response.set_content(testing_support::StationFile(
                                        "2012/05/06 05:00", "TAF RJTT 060500Z 0606/0712 18010KT"),
                                    "text/plain");
             });
}

// The dialog reading from a server on 127.0.0.1, with no second source.
struct LoopbackDialog {
  explicit LoopbackDialog(int port) {
    source.SetServerBase(testing_support::LoopbackUrl(port, "/data"));
  }
  RecordingSink sink;
  CurlReportSource source;
  CAerolumeDlg dialog{source, sink};
};

// The whole road: the dialog, the download over HTTP and the decoder.
TEST(DialogDownloadTest, MissingMetarShowsNotFoundAndTheTaf) {
  testing_support::HttpTestServer server(ServeTheTaf);
  LoopbackDialog window(server.Port());
  const CAerolumeDlg& dialog = window.dialog;
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  EXPECT_TRUE(window.sink.messages.isEmpty());
  EXPECT_EQ(FieldText(dialog, kMetarTime), "NOT FOUND");
  EXPECT_EQ(FieldText(dialog, kMetarRaw), "");
  EXPECT_EQ(FieldText(dialog, kTafTime), "2012/05/06 14:00");
  EXPECT_EQ(dialog.findChild<CWindWnd*>()->Station(), "RJTT");
}

// No second source: the status stays in the time field, and its cause is told.
TEST(DialogDownloadTest, ServerErrorWithoutFallbackExplainsItsStatus) {
  testing_support::HttpTestServer server([](httplib::Server& routes) {
    routes.Get("/data/observations/metar/stations/RJTT.TXT",
               [](const httplib::Request&, httplib::Response& response) { response.status = 503; });
    ServeTheTaf(routes);
  });
  LoopbackDialog window(server.Port());
  const CAerolumeDlg& dialog = window.dialog;
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  EXPECT_TRUE(window.sink.messages.isEmpty());
  EXPECT_EQ(FieldText(dialog, kMetarTime), "503");
  EXPECT_EQ(Control<QLineEdit>(dialog, kMetarTime)->toolTip(),
            "サーバーがエラーを返しました (HTTP 503)");
  EXPECT_EQ(Control<QLineEdit>(dialog, kTafTime)->toolTip(), "");
  EXPECT_TRUE(dialog.windowTitle().startsWith("RJTT 東京国際空港（羽田） (更新失敗 "));
  EXPECT_TRUE(dialog.windowTitle().endsWith(" サーバーがエラーを返しました (HTTP 503)) — Aerolume"))
      << dialog.windowTitle().toStdString();
}

TEST(DialogDownloadTest, NothingListeningShowsTwoMessagesAndChoosingAgainRetries) {
  RecordingSink sink;
  CurlReportSource source;
  source.SetServerBase(testing_support::LoopbackUrl(testing_support::UnusedPort(), "/data"));
  CAerolumeDlg dialog(source, sink);
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  ASSERT_EQ(sink.messages.size(), 2);
  EXPECT_TRUE(sink.messages[0].startsWith("InternetOpenUrl(hInternet, ...) Error\nMETAR: http://"));
  EXPECT_TRUE(sink.messages[1].startsWith("InternetOpenUrl(hInternet, ...) Error\nTAF: http://"));
  EXPECT_TRUE(sink.messages[1].contains("\n接続が拒否されました ("));
  EXPECT_EQ(sink.icons, std::vector<QMessageBox::Icon>(2, QMessageBox::Warning));
  for (int id : kFieldIds) EXPECT_EQ(FieldText(dialog, id), "") << id;
  EXPECT_EQ(dialog.findChild<CWindWnd*>()->Station(), "");
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  EXPECT_EQ(sink.messages.size(), 4);
}

TEST_F(DialogTest, TitleNamesTheStationAndItsMetarsAge) {
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  // A report of 2012 is long past: its age and that it is stale.
  EXPECT_TRUE(dialog.windowTitle().startsWith("RJTT 東京国際空港（羽田） — METAR "));
  EXPECT_TRUE(dialog.windowTitle().endsWith(" (古い報告) — Aerolume"))
      << dialog.windowTitle().toStdString();

  source.fail = true;
  const QStringList fields = {FieldText(dialog, kMetarDecoded), FieldText(dialog, kTafDecoded)};
  dialog.OnRefreshTimer();
  WaitForDownload(dialog);
  EXPECT_TRUE(dialog.windowTitle().contains(" (古い報告) (更新失敗 "))
      << dialog.windowTitle().toStdString();
  EXPECT_EQ(fields,
            QStringList({FieldText(dialog, kMetarDecoded), FieldText(dialog, kTafDecoded)}));
  EXPECT_TRUE(sink.messages.isEmpty()) << "a background refresh opens no message box";
}

TEST_F(DialogTest, F5KeepsTheReportShownUntilTheNewOneArrivesAndTheTitleSaysSo) {
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  const QString raw = FieldText(dialog, kMetarRaw);
  source.hold = true;
  QTest::keyClick(&dialog, Qt::Key_F5);
  ASSERT_TRUE(dialog.Session().Downloading());
  EXPECT_EQ(FieldText(dialog, kMetarRaw), raw);
  EXPECT_EQ(FieldText(dialog, kTafTime), "2012/05/06 14:00");
  EXPECT_TRUE(dialog.windowTitle().endsWith(" (古い報告) — 取得中… — Aerolume"))
      << dialog.windowTitle().toStdString();
  source.metarText = "2012/05/06 12:30 RJTT 061230Z 09003KT 9999";
  source.hold = false;
  WaitForDownload(dialog);
  EXPECT_EQ(FieldText(dialog, kMetarRaw), "RJTT 061230Z 09003KT 9999");
  EXPECT_FALSE(dialog.windowTitle().contains("取得中")) << dialog.windowTitle().toStdString();
}

TEST_F(DialogTest, TitleSaysAStationIsBeingFetched) {
  source.hold = true;
  PickStation(dialog, IndexOf(dialog, "RJTT"));
  EXPECT_EQ(dialog.windowTitle(), "RJTT 東京国際空港（羽田） — 取得中… — Aerolume");
  source.hold = false;
  WaitForDownload(dialog);
  EXPECT_TRUE(dialog.windowTitle().startsWith("RJTT 東京国際空港（羽田） — METAR "));
}

TEST_F(DialogTest, LineUnderTheWindDisplayHoldsTheFavouredRunway) {
  struct Case {
    const char* station;
    const char* wind;
    const char* line;
  };
  const Case cases[] = {
      {"RJTT", "34012G25KT", "RWY34R 向かい風12KT 横風2KT(右から) 突風時 横風4KT(右から)"},
      {"RJAA", "18010KT 140V220", "RWY16R 向かい風3KT 横風9KT(右から)"},
      {"RJCC", "VRB03KT", "風向不定: 横風最大 3KT"},
      {"RJCC", "00000KT", "無風"},
      {"RJTI", "34012KT", ""},  // a heliport: no runways
  };
  auto* line = dialog.findChild<QLabel*>("runwayWind");
  ASSERT_NE(line, nullptr);
  for (const Case& c : cases) {
    source.metarText =
        std::string("2012/05/06 12:00 ") + c.station + " 061200Z " + c.wind + " 9999";
    ChooseStation(dialog, IndexOf(dialog, "RJOO"));  // another station first, so it fetches
    ChooseStation(dialog, IndexOf(dialog, c.station));
    EXPECT_EQ(line->text().replace('\n', ' ').toStdString(), c.line) << c.station << ' ' << c.wind;
    for (const QString& shown : line->text().split('\n')) {
      EXPECT_LE(line->fontMetrics().horizontalAdvance(shown), line->contentsRect().width());
      EXPECT_FALSE(shown.endsWith("突風時")) << shown.toStdString();
    }
    const int lines = static_cast<int>(line->text().count('\n')) + 1;
    EXPECT_LE(lines * line->fontMetrics().lineSpacing(), line->height()) << c.line;
    EXPECT_EQ(line->toolTip(), dialog.findChild<CWindWnd*>()->toolTip());
  }
  EXPECT_TRUE(line->geometry().bottom() < Control<QWidget>(dialog, kMetarRaw)->geometry().top());
  EXPECT_TRUE(dialog.findChild<CWindWnd*>()->geometry().bottom() < line->geometry().top());
}

// A report's bytes never act on the fields: a C1 control and a direction override,
// which would turn the rest of the line around, show as U+FFFD, in the fields and in
// a message quoting a time line.
TEST_F(DialogTest, ControlsOfAReportShowAsReplacementCharacters) {
  source.metarText =
      "2012/05/06 12:00 RJTT 061200Z \xc2\x9b"
      "2J \xe2\x80\xae"
      "27015KT";
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  EXPECT_EQ(FieldText(dialog, kMetarRaw), "RJTT 061200Z \uFFFD2J \uFFFD27015KT");
  EXPECT_FALSE(FieldText(dialog, kMetarDecoded).contains(QChar(0x202E)));

  source.metarText =
      "\xe2\x81\xa6"
      "2012/05/06 12 RJTT 061200Z 27015KT";
  ChooseStation(dialog, IndexOf(dialog, "RJAA"));
  ASSERT_EQ(sink.messages.size(), 1);
  EXPECT_EQ(sink.messages.front().toStdString(), "時刻を読み取れません: \uFFFD2012/05/06 12");
}

// The refresh timer fires while a failure's message box runs its own event loop: the
// cycle still shows its second box and forgets the station, so that picking it again
// fetches it again.
TEST(DialogRefreshTest, RefreshDuringAFailureBoxLeavesTheCycleWhole) {
  struct RefreshingSink : RecordingSink {
    void ShowMessage(const QString& text, QMessageBox::Icon icon) override {
      RecordingSink::ShowMessage(text, icon);
      if (dialog != nullptr) std::exchange(dialog, nullptr)->OnRefreshTimer();
    }
    CAerolumeDlg* dialog = nullptr;
  } sink;
  FakeSource source;
  source.fail = true;
  CAerolumeDlg dialog(source, sink);
  sink.dialog = &dialog;
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  EXPECT_EQ(sink.messages.size(), 2);
  EXPECT_FALSE(dialog.Session().Downloading()) << "no refresh started for the failed station";
  EXPECT_EQ(dialog.windowTitle(), "Aerolume");

  source.fail = false;
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  EXPECT_EQ(source.codes, (std::vector<std::string>{"RJTT", "RJTT"}));
  EXPECT_EQ(FieldText(dialog, kMetarTime), "2012/05/06 21:00");
}

// Text from the server is shown as it stands, never as markup.
TEST_F(DialogTest, MetarTimeCarriesTheCategoryBadge) {
  struct Case {
    const char* sky;  // the METAR's groups after its wind
    FlightCategory category;
    const char* tooltip;
  };
  const Case cases[] = {
      {"9999 FEW030", FlightCategory::Vfr, "雲底なし、視程 10km以上"},
      {"8000 BKN020", FlightCategory::Mvfr, "雲底 2000フィート (BKN020)、視程 8000m"},
      {"9999 BKN008", FlightCategory::Ifr, "雲底 800フィート (BKN008)"},
      {"2400 BR FEW030", FlightCategory::Ifr, "視程 2400m"},
      {"0400 FG VV002", FlightCategory::Lifr, "雲底 200フィート (VV002)、視程 400m"},
      {"Q1012", FlightCategory::Unknown, ""},
  };
  auto* timeField = Control<QLineEdit>(dialog, kMetarTime);
  auto* badge = dialog.findChild<CategoryBadge*>("metarCategory");
  ASSERT_NE(badge, nullptr);
  EXPECT_EQ(badge->parentWidget(), timeField);
  EXPECT_TRUE(timeField->rect().contains(badge->geometry()));
  for (const Case& c : cases) {
    source.metarText = std::string("2012/05/06 12:00 RJTT 061200Z 27015KT ") + c.sky;
    ChooseStation(dialog, IndexOf(dialog, "RJOO"));  // another station first, so it fetches
    ChooseStation(dialog, IndexOf(dialog, "RJTT"));
    const bool known = c.category != FlightCategory::Unknown;
    EXPECT_EQ(!badge->isHidden(), known) << c.sky;
    if (!known) continue;
    EXPECT_EQ(badge->text().toStdString(), CategoryName(c.category)) << c.sky;
    EXPECT_EQ(badge->toolTip().toStdString(), c.tooltip) << c.sky;
    EXPECT_TRUE(badge->styleSheet().contains(CategoryColour(c.category).name())) << c.sky;
  }
  // A METAR the server does not have takes the badge away with the time.
  source.metarText = "404";
  ChooseStation(dialog, IndexOf(dialog, "RJOO"));
  EXPECT_TRUE(badge->isHidden());
}

TEST(DialogMessageBoxTest, RichTextTimeLineIsShownAsText) {
  MessageBoxSink boxes;
  FakeSource source;
  source.metarText = "<h1>HACKED</h1> RJTT 061200Z 27015KT";
  CAerolumeDlg dialog(source, boxes);
  boxes.SetParent(&dialog);
  // The box opens once the download has come back; the watch waits for it.
  bool seen = false;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen = true;
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->windowTitle(), "Aerolume");
    EXPECT_EQ(box->font(), dialog.font());
    EXPECT_EQ(box->text().toStdString(), "時刻を読み取れません: <h1>HACKED</h1> ");
    box->accept();
  });
  watch.start(10);
  ChooseStation(dialog, IndexOf(dialog, "RJTT"));
  EXPECT_TRUE(seen);
}

// A server that takes every request and never answers it; each connection is held
// until the program lets go of it, and how long that took is kept.
class StalledServer {
 public:
  StalledServer()
      : m_server([this](int fd, const std::string&) {
          const auto started = std::chrono::steady_clock::now();
          testing_support::HoldUntilClientCloses(fd);
          std::lock_guard lock(m_mutex);
          m_held.push_back(std::chrono::steady_clock::now() - started);
        }) {}
  std::string Base() const { return m_server.Url("/data"); }
  std::size_t RequestCount() const { return m_server.Requests().size(); }
  std::vector<std::chrono::steady_clock::duration> Held() const {
    std::lock_guard lock(m_mutex);
    return m_held;
  }

 private:
  mutable std::mutex m_mutex;
  std::vector<std::chrono::steady_clock::duration> m_held;
  testing_support::RawTestServer m_server;
};

TEST(DialogDownloadTest, WindowKeepsAnsweringDuringAStalledDownload) {
  StalledServer server;
  RecordingSink sink;
  CurlReportSource source;
  source.SetServerBase(server.Base());
  CAerolumeDlg dialog(source, sink);
  PickStation(dialog, IndexOf(dialog, "RJTT"));
  ASSERT_TRUE(dialog.Session().Downloading());
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);

  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(50);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 4; }, 5'000));
  bool seen = false;
  QTimer::singleShot(0, [&] { CheckAndCloseAboutBox(seen); });
  QTest::keyClick(&dialog, Qt::Key_F1);
  EXPECT_TRUE(seen) << "F1 opens the About box while the download runs";
  EXPECT_TRUE(dialog.Session().Downloading());
  EXPECT_TRUE(sink.messages.isEmpty());
}

TEST(DialogDownloadTest, SecondPickStopsTheFirstDownload) {
  testing_support::RawTestServer server([](int fd, const std::string& request) {
    if (request.find("RJTT") != std::string::npos) {
      testing_support::HoldUntilClientCloses(fd);
      return;
    }
    const std::string file =
        testing_support::StationFile("2012/05/06 12:00", "RJAA 061200Z 09003KT 9999");
    testing_support::SendAll(fd,
                             "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(file.size()) +
                                 "\r\nConnection: close\r\n\r\n" + file);
  });
  RecordingSink sink;
  CurlReportSource source;
  source.SetServerBase(server.Url("/data"));
  CAerolumeDlg dialog(source, sink);
  PickStation(dialog, IndexOf(dialog, "RJTT"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return server.Requests().size() == 2; }, 5'000))
      << "both files are asked for at once";
  ChooseStation(dialog, IndexOf(dialog, "RJAA"));
  EXPECT_EQ(FieldText(dialog, kMetarRaw), "RJAA 061200Z 09003KT 9999");
  EXPECT_EQ(dialog.findChild<CWindWnd*>()->Station(), "RJAA");
  EXPECT_TRUE(sink.messages.isEmpty()) << "the stopped download shows nothing";
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  const auto requests = server.Requests();
  EXPECT_EQ(std::count_if(requests.begin(), requests.end(),
                          [](const std::string& r) { return r.find("RJTT") != std::string::npos; }),
            2)
      << "nothing more of RJTT is asked for";
}

TEST(DialogDownloadTest, ClosingDuringADownloadEndsItWithoutAMessage) {
  StalledServer server;
  RecordingSink sink;
  CurlReportSource source;
  source.SetServerBase(server.Base());
  auto dialog = std::make_unique<CAerolumeDlg>(source, sink);
  dialog->show();
  PickStation(*dialog, IndexOf(*dialog, "RJTT"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return server.RequestCount() == 2; }, 5'000));
  QTest::keyClick(dialog.get(), Qt::Key_Escape);
  const auto closing = std::chrono::steady_clock::now();
  dialog.reset();
  // Far below the 30 seconds the download would otherwise wait for the server.
  EXPECT_LT(std::chrono::steady_clock::now() - closing, std::chrono::seconds(5));
  QCoreApplication::processEvents();
  EXPECT_TRUE(sink.messages.isEmpty());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  // The server holds a connection for five seconds at most; the program let go first.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !server.Held().empty(); }, 10'000));
  EXPECT_LT(server.Held().front(), std::chrono::seconds(4));
}

}  // namespace
}  // namespace aerolume

// The watch on the desktop: a watch added in the small dialog is stored and watched, the
// title carries the news where no notification service does, and a damaged list is
// reported once.
#include "watch/watch_controller.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include "watch/watch_edit_dlg.hpp"

namespace aerolume {
namespace {

class SilentSink : public NotificationSink {
 public:
  bool Available() const override { return false; }
  void Notify(const QString&, const QString&) override { ++notified; }
  int notified = 0;
};

// japan-metar.txt:41: IFR, worse than VFR.
std::vector<OverviewAnswer> RjaaIfr(const std::vector<std::string>&, const std::stop_token&) {
  return {{"RJAA",
           "2026/08/11 10:30\nRJAA 111030Z 26011G22KT 230V300 3000 SHRA BR FEW005 BKN008 22/21 "
           "Q0989\n",
           {}}};
}

// Answers the edit dialog as soon as it is shown, after `edit` has set its fields.
void AnswerEditDialog(const std::function<void(WatchEditDlg&)>& edit) {
  QTimer::singleShot(0, [edit] {
    auto* dialog = qobject_cast<WatchEditDlg*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    edit(*dialog);
    dialog->accept();
  });
}

TEST(WatchControllerTest, AWatchAddedInTheDialogIsStoredAndWatched) {
  QTemporaryDir folder;
  const QString path = folder.filePath("watches.ini");
  SilentSink sink;
  WatchController controller(WatchStore(path), sink, RjaaIfr);
  EXPECT_TRUE(controller.LoadProblem().isEmpty());
  EXPECT_TRUE(controller.TitleSuffix().isEmpty());

  QSignalSpy changed(&controller, &WatchController::StateChanged);
  AnswerEditDialog([](WatchEditDlg&) {});  // a new watch starts with "worse than VFR"
  controller.EditWatch("RJAA", nullptr);
  ASSERT_EQ(controller.Monitor().Watches().size(), 1u);
  EXPECT_EQ(controller.Monitor().Watches()[0].limits.worseThan, FlightCategory::Vfr);
  EXPECT_EQ(WatchStore(path).Load().settings.watches, controller.Monitor().Watches());

  // The check started by the edit comes back with RJAA's IFR report.
  ASSERT_TRUE(changed.wait(5000));
  EXPECT_EQ(sink.notified, 0);
  EXPECT_TRUE(controller.TitleSuffix().startsWith("監視 1局: 限度超過 RJAA / RJAA 成田国際空港: "))
      << controller.TitleSuffix().toStdString();
}

TEST(WatchControllerTest, EndingTheWatchTakesTheStationOffTheList) {
  QTemporaryDir folder;
  const QString path = folder.filePath("watches.ini");
  WatchSettings stored;
  stored.watches = {{"RJAA", {}}};
  stored.watches[0].limits.speci = true;
  ASSERT_TRUE(WatchStore(path).Save(stored, nullptr));
  SilentSink sink;
  WatchController controller(WatchStore(path), sink, RjaaIfr);
  ASSERT_EQ(controller.Monitor().Watches().size(), 1u);
  AnswerEditDialog([](WatchEditDlg& dialog) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      if (button->text() == "監視をやめる") button->click();
    }
  });
  controller.EditWatch("RJAA", nullptr);
  EXPECT_TRUE(controller.Monitor().Watches().empty());
  EXPECT_TRUE(WatchStore(path).Load().settings.watches.empty());
}

TEST(WatchControllerTest, ADamagedListStartsEmptyWithItsMessage) {
  QTemporaryDir folder;
  const QString path = folder.filePath("watches.ini");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[watches]\nsize=1\n1\\code=RJAA\n");
  file.close();
  SilentSink sink;
  const WatchController controller(WatchStore(path), sink, RjaaIfr);
  EXPECT_TRUE(controller.LoadProblem().contains(path));
  EXPECT_TRUE(controller.Settings().watches.empty());
}

}  // namespace
}  // namespace aerolume

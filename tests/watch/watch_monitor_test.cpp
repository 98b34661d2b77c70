// The desktop's watching with a recorder for a notification service: a scripted sequence
// of reports gives exactly the expected notifications, and without a service none.
#include "watch/watch_monitor.hpp"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStringList>
#include <mutex>

namespace aerolume {
namespace {

class RecordingSink : public NotificationSink {
 public:
  explicit RecordingSink(bool available) : m_available(available) {}
  bool Available() const override { return m_available; }
  void Notify(const QString& title, const QString& body) override {
    shown << title + QStringLiteral(" | ") + body;
  }
  QStringList shown;

 private:
  bool m_available;
};

// japan-metar.txt:40-43, RJAA on 2026-08-11, as station files.
const std::vector<std::string> kRjaaFiles = {
    "2026/08/11 08:30\nRJAA 110830Z 26010KT 210V290 8000 -SHRA FEW020 BKN040 23/20 Q0991\n",
    "2026/08/11 10:30\nRJAA 111030Z 26011G22KT 230V300 3000 SHRA BR FEW005 BKN008 22/21 Q0989\n",
    "2026/08/11 11:00\nRJAA 111100Z 24011KT 210V280 8000 -SHRA FEW005 BKN012 22/21 Q0989\n",
    "2026/08/11 11:30\nRJAA 111130Z 19016G26KT 4000 SHRA BR FEW005 BKN008 22/21 Q0990\n",
};

// What line 41 tells when it is checked today.
const QStringList kNewsOf1030 = {"RJAA 成田国際空港 | IFR (雲底 800フィート、視程 3000m)",
                                 "RJAA 成田国際空港 | 雲底 800フィート (限度 1000フィート)",
                                 "RJAA 成田国際空港 | 報告途絶 (最終 111030Z)"};

UtcMinutes At(const char* timeLine, int minutesLater) {
  return *UtcOfTimeLine(timeLine) + std::chrono::minutes(minutesLater);
}

Watch RjaaWorseThanVfrOrCeilingBelow1000() {
  Watch watch{"RJAA", {}};
  watch.limits.worseThan = FlightCategory::Mvfr;
  watch.limits.ceilingBelowFt = 1000;
  return watch;
}

TEST(WatchMonitorTest, ScriptedReportsGiveExactlyTheNotifications) {
  RecordingSink sink(true);
  WatchMonitor monitor(sink, {});
  monitor.SetWatches({RjaaWorseThanVfrOrCeilingBelow1000()});
  monitor.ApplyAnswers({{"RJAA", kRjaaFiles[0], {}}}, At("2026/08/11 08:30", 5));
  monitor.ApplyAnswers({{"RJAA", kRjaaFiles[1], {}}}, At("2026/08/11 10:30", 5));
  monitor.ApplyAnswers({{"RJAA", kRjaaFiles[1], {}}}, At("2026/08/11 10:30", 15));
  monitor.ApplyAnswers({{"RJAA", std::nullopt, "NOT FOUND"}}, At("2026/08/11 10:30", 25));
  monitor.ApplyAnswers({{"RJAA", kRjaaFiles[2], {}}}, At("2026/08/11 11:00", 5));
  monitor.ApplyAnswers({{"RJAA", kRjaaFiles[3], {}}}, At("2026/08/11 11:30", 5));
  EXPECT_EQ(sink.shown,
            (QStringList{"RJAA 成田国際空港 | MVFR → IFR (雲底 800フィート、視程 3000m)",
                         "RJAA 成田国際空港 | 雲底 800フィート (限度 1000フィート)",
                         "RJAA 成田国際空港 | 回復 雲底 1200フィート (限度 1000フィート)",
                         "RJAA 成田国際空港 | 雲底 800フィート (限度 1000フィート)"}));
  EXPECT_EQ(monitor.StateText(), "監視 1局: 限度超過 RJAA");
}

TEST(WatchMonitorTest, AReportFetchedAnywayIsCheckedWhenItsStationIsWatched) {
  RecordingSink sink(true);
  WatchMonitor monitor(sink, {});
  monitor.SetWatches({RjaaWorseThanVfrOrCeilingBelow1000()});
  monitor.ReportFetched("RJTT", "2026/08/11 10:30\nRJTT 111030Z 9999 BKN005\n");
  EXPECT_TRUE(sink.shown.isEmpty());
  monitor.ReportFetched("RJAA", kRjaaFiles[1]);
  // Checked now, months after the report: the station has also stopped reporting.
  EXPECT_EQ(sink.shown, kNewsOf1030);
}

TEST(WatchMonitorTest, WithoutANotificationServiceTheStateCarriesTheNews) {
  RecordingSink sink(false);
  WatchMonitor monitor(sink, {});
  monitor.SetWatches({RjaaWorseThanVfrOrCeilingBelow1000()});
  monitor.ApplyAnswers({{"RJAA", kRjaaFiles[1], {}}}, At("2026/08/11 10:30", 5));
  EXPECT_TRUE(sink.shown.isEmpty());
  EXPECT_EQ(monitor.LastNews(), "RJAA 成田国際空港: 雲底 800フィート (限度 1000フィート)");
  EXPECT_EQ(monitor.StateText(), "監視 1局: 限度超過 RJAA");
}

TEST(WatchMonitorTest, ChecksInTheBackgroundAndDeliversOnTheUiThread) {
  RecordingSink sink(true);
  std::mutex asked;
  std::vector<std::string> codesAsked;
  WatchMonitor monitor(sink, [&](const std::vector<std::string>& codes, const std::stop_token&) {
    std::lock_guard lock(asked);
    codesAsked = codes;
    return std::vector<OverviewAnswer>{{"RJAA", kRjaaFiles[1], {}}};
  });
  QSignalSpy checked(&monitor, &WatchMonitor::StateChanged);
  monitor.SetWatches({RjaaWorseThanVfrOrCeilingBelow1000()});
  monitor.CheckNow();
  ASSERT_TRUE(checked.wait(5000));
  std::lock_guard lock(asked);
  EXPECT_EQ(codesAsked, std::vector<std::string>{"RJAA"});
  EXPECT_EQ(sink.shown, kNewsOf1030);
}

}  // namespace
}  // namespace aerolume

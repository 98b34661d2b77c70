// The history window with a fetch of its own making: it says when there is no Data
// API, fetches when it opens and then at most once every ten minutes, shows what the
// fetch brings, and stops a fetch still running when it closes.
#include "history/history_window.hpp"

#include <gtest/gtest.h>

#include <QTest>
#include <atomic>
#include <memory>

#include "../corpus_history.hpp"
#include "history/history_strips.hpp"
#include "history/taf_timeline.hpp"

namespace aerolume {
namespace {

using std::chrono::minutes;

const UtcMinutes kNow = *UtcOfTimeLine("2026/07/23 21:10");

// RJCC's foggy dawn and the TAF issued in it (tests/data/corpus-japan-taf.txt line 163),
// counting the fetches.
HistoryWindow::Fetch CountingFetch(std::shared_ptr<std::atomic<int>> count) {
  return [count](const std::stop_token&) {
    ++*count;
    StationOverTime result;
    result.history.history = testing_support::HistoryOf("RJCC", testing_support::RjccFogMorning());
    result.taf = testing_support::TafValuesOf(
        "RJCC", "2026/07/23 19:07",
        "TAF AMD RJCC 231907Z 2319/2500 17010KT 6000 FEW005 BKN012 TEMPO 2319/2323 0800 FG VV001 "
        "TEMPO 2323/2401 3000 BR FEW003 BKN005 TEMPO 2401/2403 FEW004 BKN007 TEMPO 2405/2412 "
        "FEW003 BKN005 TEMPO 2412/2500 FEW005 BKN008");
    return result;
  };
}

TEST(HistoryWindowTest, WithoutTheDataApiItSaysHistoryNeedsIt) {
  HistoryWindow window("RJTT", nullptr);
  window.show();
  EXPECT_FALSE(window.Fetching());
  EXPECT_TRUE(window.Status().contains(QStringLiteral("Data API")))
      << window.Status().toStdString();
  EXPECT_TRUE(window.Status().contains(QStringLiteral("--no-fallback")));
}

TEST(HistoryWindowTest, FetchesOnOpenAndAtMostEveryTenMinutes) {
  auto count = std::make_shared<std::atomic<int>>(0);
  UtcMinutes now = kNow;
  HistoryWindow window("RJCC", CountingFetch(count));
  window.SetClock([&now] { return now; });
  window.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Fetching(); }));
  EXPECT_EQ(*count, 1);
  EXPECT_EQ(window.Status(), QStringLiteral("過去24時間の報告 6通（うちSPECI 1通）"));
  EXPECT_EQ(window.Strips()->RunwayEnd(), "19L");
  EXPECT_FALSE(window.Timeline()->Hours().empty());

  now += minutes(9);
  window.FetchIfDue();
  EXPECT_FALSE(window.Fetching());
  now += minutes(1);
  window.FetchIfDue();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Fetching(); }));
  EXPECT_EQ(*count, 2);
}

TEST(HistoryWindowTest, ClosingStopsTheFetch) {
  auto stopped = std::make_shared<std::atomic<bool>>(false);
  auto* window = new HistoryWindow("RJCC", [stopped](const std::stop_token& stop) {
    while (!stop.stop_requested()) std::this_thread::yield();
    *stopped = true;
    return StationOverTime{};
  });
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  ASSERT_TRUE(window->Fetching());
  window->close();
  delete window;  // joins the fetch's thread, which the close has stopped
  EXPECT_TRUE(*stopped);
}

}  // namespace
}  // namespace aerolume

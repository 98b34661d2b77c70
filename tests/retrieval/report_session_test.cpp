#include "retrieval/report_session.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "retrieval/station_status.hpp"

namespace aerolume {
namespace {

using Calls = std::vector<std::string>;

std::string FieldName(ReportField field) {
  switch (field) {
    case ReportField::MetarRaw:
      return "metar-raw";
    case ReportField::MetarDecoded:
      return "metar-decoded";
    case ReportField::MetarTime:
      return "metar-time";
    case ReportField::TafRaw:
      return "taf-raw";
    case ReportField::TafDecoded:
      return "taf-decoded";
    case ReportField::TafTime:
      return "taf-time";
  }
  return "?";
}

std::string WindText(const WindValues& wind) {
  return std::to_string(wind.m_windDirection) + ' ' + std::to_string(wind.m_windSpeed) + ' ' +
         std::to_string(wind.m_windVarFrom) + ' ' + std::to_string(wind.m_windVarTo);
}

// Writes every call of the view and of the source into one log, in order.
class CallLog : public ReportView {
 public:
  void SetField(ReportField field, const std::string& text) override {
    // Decoded texts are long; their first line is enough to tell them apart.
    calls.push_back("field " + FieldName(field) + " " + text.substr(0, text.find('\r')));
  }
  // Only the causes there are; most fields need none.
  void SetFieldCause(ReportField field, const std::string& cause) override {
    if (!cause.empty()) calls.push_back("cause " + FieldName(field) + " " + cause);
  }
  void ShowMessage(const std::string& text, MessageIcon icon) override {
    calls.push_back(std::string(icon == MessageIcon::Stop ? "stop " : "warn ") + text);
  }
  void ShowWind(const std::string& stationCode, const WindValues& wind) override {
    calls.push_back("wind " + stationCode + " " + WindText(wind));
  }

  Calls calls;
};

// Hands out fixed texts, or fails with one message, and notes what the session's
// wind values were at the moment of the download.
class FakeSource : public ReportSource {
 public:
  explicit FakeSource(CallLog& log) : m_log(log) {}

  DownloadResult DownloadReports(const std::string& stationCode, std::stop_token) override {
    m_log.calls.push_back("download " + stationCode);
    if (session) windAtDownload.push_back(WindText(session->State().Wind()));
    if (fail) {
      return {"", "", {kRefused, kRefused}};
    }
    DownloadResult result{metar, taf, {}};
    result.tafOrigin = tafOrigin;
    return result;
  }

  inline static const DownloadFailure kRefused{
      ReportKind::Metar, "InternetOpenUrl(hInternet, ...) Error", "http://127.0.0.1:9/RJTT.TXT",
      "接続が拒否されました", "Couldn't connect to server"};

  const ReportSession* session = nullptr;
  bool fail = false;
  std::string metar = "2012/05/06 12:00 RJTT 061200Z 34005KT 300V020 9999";
  std::string taf = "2012/05/06 05:00 TAF RJTT 060500Z 0606/0712 18010KT";
  ReportOrigin tafOrigin = ReportOrigin::Primary;
  std::vector<std::string> windAtDownload;

 private:
  CallLog& m_log;
};

const Calls kClearing = {
    "field metar-raw ", "field metar-decoded ", "field metar-time ",
    "field taf-raw ",   "field taf-decoded ",   "field taf-time ",
};

Calls Concat(std::initializer_list<Calls> parts) {
  Calls all;
  for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

constexpr auto kShownAt = std::chrono::sys_days{std::chrono::year{2012} / 5 / 6} +
                          std::chrono::hours{12} + std::chrono::minutes{12};

struct Fixture {
  CallLog view;
  FakeSource source{view};
  InlineFetchRunner runner;
  std::chrono::system_clock::time_point now = kShownAt;
  ReportSession session{view, source, runner, [this] { return now; }};
  Fixture() { source.session = &session; }
};

TEST(ReportSessionTest, OneCycleInTheDialogsOrder) {
  Fixture f;
  f.session.Select("RJTT");
  EXPECT_EQ(f.view.calls,
            Concat({kClearing,
                    {"download RJTT", "field metar-time 2012/05/06 21:00",
                     "field metar-raw RJTT 061200Z 34005KT 300V020 9999",
                     "field metar-decoded 340方向 5KTの風", "field taf-time 2012/05/06 14:00",
                     "field taf-raw TAF RJTT 060500Z 0606/0712 18010KT",
                     "field taf-decoded 6日15時～7日21時の予報", "wind RJTT 340 5 300 20"}}));
  EXPECT_EQ(f.session.State().m_stationCode, "RJTT");
}

TEST(ReportSessionTest, SameStationAgainDoesNothing) {
  Fixture f;
  f.session.Select("RJTT");
  f.view.calls.clear();
  f.session.Select("RJTT");
  EXPECT_TRUE(f.view.calls.empty());
}

TEST(ReportSessionTest, EmptyCodeIsNoSelection) {
  Fixture f;
  f.session.Select("");
  EXPECT_TRUE(f.view.calls.empty());
}

TEST(ReportSessionTest, WindValuesAreNoneBeforeEveryDownload) {
  Fixture f;
  f.session.Select("RJTT");
  f.session.Select("RJAA");
  EXPECT_EQ(f.source.windAtDownload, (std::vector<std::string>{"-1 -1 -1 -1", "-1 -1 -1 -1"}));
}

TEST(ReportSessionTest, FailedDownloadLeavesFieldsEmptyAndForgetsTheStation) {
  Fixture f;
  f.source.fail = true;
  f.session.Select("RJTT");
  const std::string warning =
      "warn InternetOpenUrl(hInternet, ...) Error\nMETAR: http://127.0.0.1:9/RJTT.TXT\n"
      "接続が拒否されました (Couldn't connect to server)";
  EXPECT_EQ(f.view.calls, Concat({kClearing, {"download RJTT", warning, warning}}))
      << "both files are fetched before the first message";
  EXPECT_EQ(f.session.State().m_stationCode, "");

  f.source.fail = false;
  f.view.calls.clear();
  f.session.Select("RJTT");
  EXPECT_EQ(f.view.calls.back(), "wind RJTT 340 5 300 20");
}

TEST(ReportSessionTest, MissingMetarStillShowsTafAndHandsOverNoWind) {
  Fixture f;
  f.source.metar = "404";
  f.session.Select("RJTT");
  const Calls& calls = f.view.calls;
  const Calls afterDownload(calls.begin() + 7, calls.end());
  EXPECT_EQ(afterDownload.front(), "field metar-time NOT FOUND");
  EXPECT_EQ(afterDownload[1], "cause metar-time サーバーが報告を返しません (HTTP 404)");
  EXPECT_EQ(afterDownload[2], "field taf-time 2012/05/06 14:00");
  EXPECT_FALSE(f.session.Status().refreshFailedAt) << "a station without a METAR is no failure";
  EXPECT_EQ(afterDownload.back(), "wind RJTT -1 -1 -1 -1");
}

TEST(ReportSessionTest, UnreadableIssueTimeCostsOnlyThatReport) {
  struct Case {
    std::string metar;
    std::string taf;
    Calls afterDownload;
  };
  const std::string goodMetar = "2012/05/06 12:00 RJTT 061200Z 34005KT";
  const Case cases[] = {
      {"ABCD",
       "2012/05/06 05:00 TAF RJTT 060500Z 0606/0712",
       {"stop 時刻を読み取れません: ABCD", "field taf-time 2012/05/06 14:00",
        "field taf-raw TAF RJTT 060500Z 0606/0712", "field taf-decoded 6日15時～7日21時の予報",
        "wind RJTT -1 -1 -1 -1"}},
      {goodMetar,
       "2012/13/06 05:00 TAF",
       {"field metar-time 2012/05/06 21:00", "field metar-raw RJTT 061200Z 34005KT",
        "field metar-decoded 340方向 5KTの風", "stop 時刻を読み取れません: 2012/13/06 05:00",
        "wind RJTT 340 5 -1 -1"}},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.source.metar = c.metar;
    f.source.taf = c.taf;
    f.session.Select("RJTT");
    EXPECT_EQ(f.view.calls, Concat({kClearing, {"download RJTT"}, c.afterDownload})) << c.metar;
    EXPECT_EQ(f.session.State().m_stationCode, "RJTT") << "kept, as after any shown download";
  }
}

TEST(ReportSessionTest, RefreshFetchesTheStationShownAgain) {
  Fixture f;
  f.session.Refresh();
  EXPECT_TRUE(f.view.calls.empty()) << "nothing shown yet";
  f.session.Select("RJTT");
  f.source.metar = "2012/05/06 12:30 RJTT 061230Z 09003KT";
  f.view.calls.clear();
  f.session.Refresh();
  ASSERT_EQ(f.view.calls.size(), kClearing.size() + 8);
  // The report shown stays while the download runs, and goes only when it is done.
  EXPECT_EQ(Calls(f.view.calls.begin(), f.view.calls.begin() + 7),
            Concat({{"download RJTT"}, kClearing}));
  EXPECT_EQ(f.view.calls.back(), "wind RJTT 90 3 -1 -1");
  EXPECT_EQ(f.session.State().m_stationCode, "RJTT");
}

TEST(ReportSessionTest, ServerErrorShownAsItsStatusIsExplainedInTheFieldAndTheTitle) {
  Fixture f;
  f.source.metar = "503";
  f.session.Select("RJTT");
  const Calls afterDownload(f.view.calls.begin() + 7, f.view.calls.begin() + 9);
  EXPECT_EQ(afterDownload, (Calls{"field metar-time 503",
                                  "cause metar-time サーバーがエラーを返しました (HTTP 503)"}));
  EXPECT_EQ(f.session.Status().refreshFailedAt,
            std::chrono::time_point_cast<std::chrono::seconds>(kShownAt));
  EXPECT_EQ(f.session.Status().failureCause, "サーバーがエラーを返しました (HTTP 503)");

  f.source.metar = "2012/05/06 12:30 RJTT 061230Z 09003KT";
  f.session.Refresh();
  EXPECT_FALSE(f.session.Status().refreshFailedAt);
  EXPECT_EQ(f.session.Status().failureCause, "");
}

// Keeps every download it is given until the test delivers it, as a slow network would.
class HeldFetchRunner : public FetchRunner {
 public:
  void Start(Work work, Done done) override { held.push_back({std::move(work), std::move(done)}); }
  void Cancel() override { ++cancels; }
  // Delivers download `index` even if it was stopped: the session itself must drop it.
  void Deliver(std::size_t index) { held[index].second(held[index].first(std::stop_token())); }

  std::vector<std::pair<Work, Done>> held;
  int cancels = 0;
};

struct HeldFixture {
  CallLog view;
  FakeSource source{view};
  HeldFetchRunner runner;
  ReportSession session{view, source, runner};
};

TEST(ReportSessionTest, AnotherPickWhileDownloadingDropsTheFirstStationsLateAnswer) {
  HeldFixture f;
  f.session.Select("RJTT");
  EXPECT_TRUE(f.session.Downloading());
  f.session.Select("RJTT");
  EXPECT_EQ(f.runner.held.size(), 1u) << "the station being fetched is not fetched twice";
  f.session.Select("RJAA");
  ASSERT_EQ(f.runner.held.size(), 2u);
  f.view.calls.clear();
  f.runner.Deliver(0);
  EXPECT_EQ(f.view.calls, Calls{"download RJTT"}) << "nothing of RJTT is shown";
  f.runner.Deliver(1);
  EXPECT_EQ(f.view.calls.back(), "wind RJAA 340 5 300 20");
  EXPECT_FALSE(f.session.Downloading());
}

TEST(ReportSessionTest, RefreshWhileDownloadingDoesNothing) {
  HeldFixture f;
  f.session.Select("RJTT");
  f.session.Refresh();
  f.session.RefreshInBackground();
  EXPECT_EQ(f.runner.held.size(), 1u);
}

// A view whose first message box runs `onMessage` while it is open, as the box's own
// event loop runs the window's timers; each message is logged by its first line.
struct BoxLog : CallLog {
  void ShowMessage(const std::string& text, MessageIcon icon) override {
    CallLog::ShowMessage(text.substr(0, text.find('\n')), icon);
    if (onMessage) std::exchange(onMessage, nullptr)();
  }
  std::function<void()> onMessage;
};

struct BoxFixture {
  BoxLog view;
  FakeSource source{view};
  InlineFetchRunner runner;
  ReportSession session{view, source, runner};
};

TEST(ReportSessionTest, PickDuringAFailureMessageEndsTheCycleItInterrupted) {
  BoxFixture f;
  f.source.fail = true;
  f.view.onMessage = [&] {
    f.source.fail = false;
    f.session.Select("RJAA");
  };
  f.session.Select("RJTT");
  EXPECT_EQ(f.view.calls.back(), "wind RJAA 340 5 300 20") << "RJTT's second message is dropped";
  EXPECT_EQ(f.session.State().m_stationCode, "RJAA");
}

TEST(ReportSessionTest, RefreshDuringAFailureMessageLeavesTheCycleWhole) {
  BoxFixture f;
  f.source.fail = true;
  f.view.onMessage = [&] { f.session.RefreshInBackground(); };
  f.session.Select("RJTT");
  const std::string warning = "warn InternetOpenUrl(hInternet, ...) Error";
  EXPECT_EQ(f.view.calls, Concat({kClearing, {"download RJTT", warning, warning}}))
      << "both messages shown, and nothing fetched while they were open";
  EXPECT_EQ(f.session.State().m_stationCode, "") << "the failed station is forgotten";
  EXPECT_EQ(f.session.Status(), StationStatus{});

  f.source.fail = false;
  f.view.calls.clear();
  f.session.Select("RJTT");
  EXPECT_EQ(f.view.calls.back(), "wind RJTT 340 5 300 20") << "picked again, it is fetched again";
}

TEST(ReportSessionTest, RefreshDuringAStopMessageWaitsForTheCycleToEnd) {
  BoxFixture f;
  f.source.metar = "ABCD";
  f.view.onMessage = [&] {
    f.source.metar = "2012/05/06 12:30 RJTT 061230Z 09003KT";
    f.session.RefreshInBackground();
  };
  f.session.Select("RJTT");
  const Calls afterDownload(f.view.calls.begin() + 7, f.view.calls.end());
  EXPECT_EQ(
      afterDownload,
      (Calls{"stop 時刻を読み取れません: ABCD", "field taf-time 2012/05/06 14:00",
             "field taf-raw TAF RJTT 060500Z 0606/0712 18010KT",
             "field taf-decoded 6日15時～7日21時の予報", "wind RJTT -1 -1 -1 -1",
             // the refresh, once the cycle has shown everything
             "download RJTT", "field metar-time 2012/05/06 21:30",
             "field metar-raw RJTT 061230Z 09003KT", "field metar-decoded 090方向 3KTの風",
             "field taf-time 2012/05/06 14:00", "field taf-raw TAF RJTT 060500Z 0606/0712 18010KT",
             "field taf-decoded 6日15時～7日21時の予報", "wind RJTT 90 3 -1 -1"}));
}

TEST(ReportSessionTest, RefreshDuringABackgroundRefreshStartsTheUsersFetch) {
  HeldFixture f;
  f.session.Select("RJTT");
  f.runner.Deliver(0);
  f.session.RefreshInBackground();
  ASSERT_EQ(f.runner.held.size(), 2u);
  f.view.calls.clear();
  f.session.Refresh();
  ASSERT_EQ(f.runner.held.size(), 3u) << "F5 is not ignored";
  EXPECT_TRUE(f.view.calls.empty()) << "the report shown stays until the new one arrives";
  EXPECT_TRUE(f.session.Downloading());
  f.runner.Deliver(1);
  EXPECT_EQ(f.view.calls, Calls{"download RJTT"}) << "the refresh is dropped";
  f.runner.Deliver(2);
  EXPECT_EQ(f.view.calls.back(), "wind RJTT 340 5 300 20");
  EXPECT_FALSE(f.session.Downloading());
}

// RJTT shown, and the log emptied.
struct RefreshFixture : Fixture {
  RefreshFixture() {
    session.Select("RJTT");
    view.calls.clear();
  }
};

TEST(ReportSessionTest, BackgroundRefreshChangesTheFieldsInPlace) {
  RefreshFixture f;
  f.source.metar = "2012/05/06 12:30 RJTT 061230Z 09003KT";
  f.session.RefreshInBackground();
  EXPECT_EQ(
      f.view.calls,
      (Calls{"download RJTT", "field metar-time 2012/05/06 21:30",
             "field metar-raw RJTT 061230Z 09003KT", "field metar-decoded 090方向 3KTの風",
             "field taf-time 2012/05/06 14:00", "field taf-raw TAF RJTT 060500Z 0606/0712 18010KT",
             "field taf-decoded 6日15時～7日21時の予報", "wind RJTT 90 3 -1 -1"}))
      << "nothing is emptied first";
  EXPECT_EQ(f.session.Status().metarIssued, std::chrono::sys_days{std::chrono::year{2012} / 5 / 6} +
                                                std::chrono::hours{12} + std::chrono::minutes{30});

  f.view.calls.clear();
  f.session.RefreshInBackground();
  EXPECT_NE(f.view.calls.back().substr(0, 5), "wind ") << "the same wind keeps the arrow moving";
}

TEST(ReportSessionTest, FailedBackgroundRefreshKeepsTheReportsAndIsNoted) {
  const auto failedAt = kShownAt + std::chrono::minutes{10};
  struct Case {
    const char* name;
    bool fail;
    std::string metar;
    std::string cause;
  };
  const Case cases[] = {
      {"download failed", true, "", "接続が拒否されました (Couldn't connect to server)"},
      {"server error", false, "503", "サーバーがエラーを返しました (HTTP 503)"},
      {"unreadable time", false, "2012/13/06 12:30 RJTT 061230Z 09003KT", ""},
  };
  for (const Case& c : cases) {
    RefreshFixture f;
    f.source.fail = c.fail;
    f.source.metar = c.metar;
    f.now = failedAt;
    f.session.RefreshInBackground();
    EXPECT_EQ(f.view.calls, Calls{"download RJTT"}) << c.name << ": no field, wind or message";
    EXPECT_EQ(f.session.Status().refreshFailedAt,
              std::chrono::time_point_cast<std::chrono::seconds>(failedAt))
        << c.name;
    EXPECT_EQ(f.session.Status().failureCause, c.cause) << c.name;
    EXPECT_EQ(f.session.State().m_stationCode, "RJTT") << c.name;

    f.source.fail = false;
    f.source.metar = "2012/05/06 12:30 RJTT 061230Z 09003KT";
    f.session.RefreshInBackground();
    EXPECT_FALSE(f.session.Status().refreshFailedAt) << c.name << ": cleared by a success";
    EXPECT_EQ(f.session.Status().failureCause, "") << c.name;
  }
}

// A mirror or the second source that lags behind brings a report issued before the
// one shown: the one shown stays, with its wind, its age and its source.
TEST(ReportSessionTest, OlderRefreshedReportNeverReplacesTheOneShown) {
  RefreshFixture f;
  f.source.metar = "2012/05/06 11:30 RJTT 061130Z 09003KT";
  f.source.taf = "2012/05/06 11:00 TAF RJTT 061100Z 0612/0718 27010KT";
  f.session.RefreshInBackground();
  EXPECT_EQ(f.view.calls, (Calls{"download RJTT", "field taf-time 2012/05/06 20:00",
                                 "field taf-raw TAF RJTT 061100Z 0612/0718 27010KT",
                                 "field taf-decoded 6日21時～8日3時の予報"}))
      << "the newer TAF only; no METAR field and no wind";
  EXPECT_EQ(f.session.State().Wind().m_windDirection, 340);
  EXPECT_EQ(f.session.Status().metarIssued,
            std::chrono::sys_days{std::chrono::year{2012} / 5 / 6} + std::chrono::hours{12});

  f.view.calls.clear();
  f.source.metar = "2012/05/06 12:00 RJTT 061200Z 34005KT 300V020 9999";
  f.source.taf = "2012/05/06 05:00 TAF RJTT 060500Z 0606/0712 18010KT";
  f.source.tafOrigin = ReportOrigin::Fallback;
  f.session.RefreshInBackground();
  EXPECT_EQ(f.view.calls, (Calls{"download RJTT", "field metar-time 2012/05/06 21:00",
                                 "field metar-raw RJTT 061200Z 34005KT 300V020 9999",
                                 "field metar-decoded 340方向 5KTの風"}))
      << "the same METAR again is no older; the second source's older TAF is kept out";
  EXPECT_FALSE(f.session.Status().fromFallback) << "the reports shown came from the server";
}

// The title tells while a report shown came from the second source.
TEST(ReportSessionTest, StatusNotesTheSecondSourceUntilTheServerAnswersAgain) {
  RefreshFixture f;
  EXPECT_FALSE(f.session.Status().fromFallback);
  f.source.tafOrigin = ReportOrigin::Fallback;
  f.session.Refresh();
  EXPECT_TRUE(f.session.Status().fromFallback);
  f.source.fail = true;
  f.session.RefreshInBackground();
  EXPECT_TRUE(f.session.Status().fromFallback) << "a failed refresh leaves the reports shown";
  f.source.fail = false;
  f.source.tafOrigin = ReportOrigin::Primary;
  f.session.RefreshInBackground();
  EXPECT_FALSE(f.session.Status().fromFallback);
}

TEST(WindowTitleJapanTimeTest, StationAgeStaleAndFailedRefresh) {
  using namespace std::chrono;
  const sys_seconds issued = sys_days{year{2012} / 5 / 6} + hours{12};
  struct Case {
    StationStatus status;
    seconds age;
    std::string title;
  };
  const Case cases[] = {
      {{}, 0s, "Aerolume"},
      {{"RJTT", std::nullopt, std::nullopt}, 0s, "RJTT 東京国際空港（羽田） — Aerolume"},
      {{"RJTT", issued, std::nullopt},
       12min + 59s,
       "RJTT 東京国際空港（羽田） — METAR 12分前 — Aerolume"},
      {{"RJTT", issued, std::nullopt}, -5min, "RJTT 東京国際空港（羽田） — METAR 0分前 — Aerolume"},
      {{"RJAA", issued, std::nullopt}, 90min, "RJAA 成田国際空港 — METAR 1時間30分前 — Aerolume"},
      {{"RJAA", issued, std::nullopt},
       91min,
       "RJAA 成田国際空港 — METAR 1時間31分前 (古い報告) — Aerolume"},
      {{"RJAA", issued, std::nullopt},
       47h + 59min,
       "RJAA 成田国際空港 — METAR 47時間59分前 (古い報告) — Aerolume"},
      {{"RJAA", issued, std::nullopt},
       48h * 365,
       "RJAA 成田国際空港 — METAR 730日前 (古い報告) — Aerolume"},
      {{"RJTT", issued, issued + 20min},
       25min,
       "RJTT 東京国際空港（羽田） — METAR 25分前 (更新失敗 21:20) — Aerolume"},
      {{"RJTT", issued, std::nullopt, true},
       12min,
       "RJTT 東京国際空港（羽田） — METAR 12分前 (予備の配信元) — Aerolume"},
      {{"RJAA", issued, issued + 20min, true},
       91min,
       "RJAA 成田国際空港 — METAR 1時間31分前 (古い報告) (予備の配信元) (更新失敗 21:20) "
       "— "
       "Aerolume"},
      {{"RJAA", std::nullopt, std::nullopt, true},
       0s,
       "RJAA 成田国際空港 (予備の配信元) — Aerolume"},
      {{"RJTT", std::nullopt, issued, false, "サーバーがエラーを返しました (HTTP 503)"},
       0s,
       "RJTT 東京国際空港（羽田） (更新失敗 21:00 サーバーがエラーを返しました (HTTP 503)) — "
       "Aerolume"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WindowTitle(c.status, issued + c.age), c.title) << c.age.count();
  }
}

TEST(WindowTitleJapanTimeTest, SaysSoWhileFetching) {
  using namespace std::chrono;
  const sys_seconds issued = sys_days{year{2012} / 5 / 6} + hours{12};
  EXPECT_EQ(WindowTitle({"RJTT", std::nullopt, std::nullopt}, issued, true),
            "RJTT 東京国際空港（羽田） — 取得中… — Aerolume");
  EXPECT_EQ(WindowTitle({"RJTT", issued, std::nullopt}, issued + 12min, true),
            "RJTT 東京国際空港（羽田） — METAR 12分前 — 取得中… — Aerolume");
}

}  // namespace
}  // namespace aerolume

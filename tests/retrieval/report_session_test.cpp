#include "retrieval/report_session.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

  bool DownloadReports(const std::string& stationCode, std::string& metarText, std::string& tafText,
                       ReportView& view) override {
    m_log.calls.push_back("download " + stationCode);
    if (session) windAtDownload.push_back(WindText(session->State().Wind()));
    if (fail) {
      view.ShowMessage("InternetOpenUrl(hInternet, ...) Error", MessageIcon::Exclamation);
      return false;
    }
    metarText = metar;
    tafText = taf;
    return true;
  }

  const ReportSession* session = nullptr;
  bool fail = false;
  std::string metar = "2012/05/06 12:00 RJTT 061200Z 34005KT 300V020 9999";
  std::string taf = "2012/05/06 05:00 TAF RJTT 060500Z 0606/0712 18010KT";
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

struct Fixture {
  CallLog view;
  FakeSource source{view};
  ReportSession session{view, source};
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
  EXPECT_EQ(f.view.calls,
            Concat({kClearing, {"download RJTT", "warn InternetOpenUrl(hInternet, ...) Error"}}));
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
  EXPECT_EQ(afterDownload[1], "field taf-time 2012/05/06 14:00");
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
  EXPECT_EQ(f.view.calls.size(), kClearing.size() + 8);
  EXPECT_EQ(f.view.calls[6], "download RJTT");
  EXPECT_EQ(f.view.calls.back(), "wind RJTT 90 3 -1 -1");
}

}  // namespace
}  // namespace aerolume

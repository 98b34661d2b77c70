// The map window against servers on 127.0.0.1: what came is on the map and in the
// table, what did not is marked there; the table sorts every column by its value; the
// map and the table keep one selection; Enter picks; a failed refresh says so in the
// title and keeps what was shown.
#include "overview/overview_window.hpp"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <atomic>
#include <nlohmann/json.hpp>

#include "../net/loopback_servers.hpp"
#include "corpus_reports.hpp"
#include "overview/overview_map.hpp"
#include "overview/station_table_model.hpp"

namespace aerolume {
namespace {

using testing_support::HttpTestServer;

std::chrono::sys_seconds Now() {
  return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

// kReports in the Data API's shape, each at its own time but RJAA, observed five
// minutes ago; RJFK's entry has a time that is none, and no other station is there.
std::string ApiBatch() {
  nlohmann::json batch = nlohmann::json::array();
  for (const Report& report : kReports) {
    const std::string file = report.file;
    const std::size_t lineEnd = file.find('\n');
    const UtcMinutes observed = *UtcOfTimeLine(file.substr(0, lineEnd));
    const auto seconds = std::string(report.code) == "RJAA" ? Now() - std::chrono::minutes(5)
                                                            : std::chrono::sys_seconds(observed);
    batch.push_back({{"icaoId", report.code},
                     {"obsTime", seconds.time_since_epoch().count()},
                     {"rawOb", "METAR " + file.substr(lineEnd + 1)}});
  }
  batch.push_back({{"icaoId", "RJFK"}, {"obsTime", "soon"}, {"rawOb", "METAR RJFK 132200Z"}});
  return batch.dump();
}

DownloadSettings Settings(const HttpTestServer& server, bool withApi) {
  DownloadSettings settings;
  settings.serverBase = server.Url("/data");
  settings.fallbackBase = withApi ? server.Url("/api") : "";
  settings.limits.connectTimeout = std::chrono::milliseconds(2000);
  settings.limits.totalTimeout = std::chrono::milliseconds(2000);
  return settings;
}

void WaitForFetch(const OverviewWindow& window) {
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Fetching(); }, 20'000));
}

// The table's station codes from top to bottom, of the stations with a report only.
std::vector<std::string> ReportedCodesInTableOrder(const OverviewWindow& window) {
  std::vector<std::string> codes;
  const QAbstractItemModel& model = *window.Table()->model();
  for (int row = 0; row < model.rowCount(); ++row) {
    const std::string code =
        model.index(row, 0).data(StationTableModel::kCodeRole).toString().toStdString();
    if (window.Overview().Find(code)->HasReport()) codes.push_back(code);
  }
  return codes;
}

int TableRow(const OverviewWindow& window, const QString& code) {
  const QAbstractItemModel& model = *window.Table()->model();
  for (int row = 0; row < model.rowCount(); ++row) {
    if (model.index(row, 0).data(StationTableModel::kCodeRole).toString() == code) return row;
  }
  return -1;
}

class OverviewWindowTest : public testing::Test {
 protected:
  OverviewWindowTest()
      : m_server([this](httplib::Server& server) {
          server.Get("/api/metar", [this](const httplib::Request&, httplib::Response& response) {
            if (m_failing) {
              response.status = 503;
              return;
            }
            response.set_content(ApiBatch(), "application/json");
          });
          // The station files too fail while the API does.
          server.Get(R"(/data/.*)", [](const httplib::Request&, httplib::Response& response) {
            response.status = 503;
          });
        }) {
    m_window = new OverviewWindow(Settings(m_server, true));
    m_window->resize(1400, 860);
    m_window->show();
    WaitForFetch(*m_window);
  }
  ~OverviewWindowTest() override { delete m_window.data(); }

  std::atomic<bool> m_failing = false;
  HttpTestServer m_server;
  QPointer<OverviewWindow> m_window;
};

TEST_F(OverviewWindowTest, ShowsWhatCameAndMarksWhatDidNot) {
  for (const Report& report : kReports) {
    EXPECT_TRUE(m_window->Overview().Find(report.code)->HasReport()) << report.code;
  }
  const OverviewStation& unreadable = *m_window->Overview().Find("RJFK");
  EXPECT_FALSE(unreadable.HasReport());
  EXPECT_FALSE(unreadable.failure.empty());
  EXPECT_EQ(m_window->Overview().Find("ROIG")->failure, "NOT FOUND");

  const QAbstractItemModel& table = *m_window->Table()->model();
  for (int row = 0; row < table.rowCount(); ++row) {
    const std::string code =
        table.index(row, 0).data(StationTableModel::kCodeRole).toString().toStdString();
    const bool reported = m_window->Overview().Find(code)->HasReport();
    EXPECT_EQ(table.index(row, StationTableModel::Age).data().toString() == "報告なし", !reported)
        << code;
    EXPECT_EQ(table.index(row, 0).data(Qt::ForegroundRole).isValid(), !reported) << code;
  }
  // The header names the part, the cell gives its value.
  const QModelIndex tokyo = table.index(TableRow(*m_window, "RJTT"), 0);
  EXPECT_EQ(tokyo.siblingAtColumn(StationTableModel::Visibility).data().toString(), "2000m");
  EXPECT_EQ(tokyo.siblingAtColumn(StationTableModel::Ceiling).data().toString(),
            "1000フィート (BKN010)");
  EXPECT_EQ(tokyo.siblingAtColumn(StationTableModel::Wind).data().toString(), "090方向 24KTの風");
  const QImage frame = m_window->Map()->grab().toImage();
  const QPointF grey = m_window->Map()->StationPoint(unreadable);
  EXPECT_EQ(frame.pixelColor(grey.toPoint()), OverviewMap::CategoryColour(FlightCategory::Unknown));
  EXPECT_FALSE(m_window->windowTitle().contains("更新失敗"));
}

struct SortCase {
  StationTableModel::Column column;
  const char* name;
  std::vector<std::string> ascending;  // the reported stations' order
};

void PrintTo(const SortCase& c, std::ostream* out) {
  *out << c.name;
}

// Ages of five minutes to six years, visibility from 600 m to 10 km or more, ceilings
// from 100 ft to none: sorted by their text, these columns would put them otherwise.
// The weather sorts by its words.
const SortCase kSortCases[] = {
    {StationTableModel::Code, "Code", {"RJAA", "RJAH", "RJCW", "RJTT"}},
    {StationTableModel::Name, "Name", {"RJAA", "RJTT", "RJCW", "RJAH"}},
    {StationTableModel::Age, "AgeByMinutes", {"RJAA", "RJAH", "RJTT", "RJCW"}},
    {StationTableModel::Category, "CategoryBestFirst", {"RJAA", "RJCW", "RJTT", "RJAH"}},
    {StationTableModel::Wind, "WindBySpeed", {"RJAA", "RJAH", "RJCW", "RJTT"}},
    {StationTableModel::Visibility, "VisibilityByMetres", {"RJAH", "RJTT", "RJAA", "RJCW"}},
    {StationTableModel::Ceiling, "CeilingByFeet", {"RJAH", "RJTT", "RJCW", "RJAA"}},
    {StationTableModel::Weather, "WeatherByText", {"RJAA", "RJCW", "RJTT", "RJAH"}},
};

class OverviewSortTest : public OverviewWindowTest, public testing::WithParamInterface<SortCase> {};

TEST_P(OverviewSortTest, HeaderSortsByTheColumnsValue) {
  QTableView& table = *m_window->Table();
  table.sortByColumn(GetParam().column, Qt::AscendingOrder);
  EXPECT_EQ(ReportedCodesInTableOrder(*m_window), GetParam().ascending);
  table.sortByColumn(GetParam().column, Qt::DescendingOrder);
  std::vector<std::string> descending = ReportedCodesInTableOrder(*m_window);
  std::ranges::reverse(descending);
  if (GetParam().column != StationTableModel::Visibility) {  // a tie keeps the list's order
    EXPECT_EQ(descending, GetParam().ascending);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryColumn, OverviewSortTest, testing::ValuesIn(kSortCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OverviewWindowTest, AClickOnTheMapSelectsTheRowAndARowTheDot) {
  OverviewMap& map = *m_window->Map();
  QTest::mouseClick(&map, Qt::LeftButton, {},
                    map.StationPoint(*m_window->Overview().Find("RJCW")).toPoint());
  const QModelIndex current = m_window->Table()->currentIndex();
  EXPECT_EQ(current.data(StationTableModel::kCodeRole).toString(), "RJCW");
  EXPECT_TRUE(m_window->Table()->selectionModel()->isRowSelected(current.row()));

  m_window->Table()->selectRow(0);  // sorted by code: RJAA
  EXPECT_EQ(map.SelectedStation(), "RJAA");
}

TEST_F(OverviewWindowTest, TabOnTheMapMovesTheTablesRowAndEnterInTheTablePicks) {
  QSignalSpy picked(m_window.data(), &OverviewWindow::stationPicked);
  OverviewMap& map = *m_window->Map();
  QTest::keyClick(&map, Qt::Key_Tab);
  EXPECT_EQ(m_window->Table()->currentIndex().data(StationTableModel::kCodeRole).toString(),
            "RJCW");
  QTest::keyClick(&map, Qt::Key_Return);
  m_window->Table()->selectRow(2);
  QTest::keyClick(m_window->Table(), Qt::Key_Return);
  ASSERT_EQ(picked.count(), 2);
  EXPECT_EQ(picked.at(0).at(0).toString(), "RJCW");
  EXPECT_EQ(picked.at(1).at(0).toString(),
            m_window->Table()->currentIndex().data(StationTableModel::kCodeRole).toString());
}

TEST_F(OverviewWindowTest, AFailedRefreshKeepsTheReportsAndSaysSoInTheTitle) {
  m_failing = true;
  m_window->Refresh();
  EXPECT_TRUE(m_window->windowTitle().contains("取得中 0/104"))
      << m_window->windowTitle().toStdString();
  WaitForFetch(*m_window);
  EXPECT_TRUE(m_window->windowTitle().contains("(更新失敗 "))
      << m_window->windowTitle().toStdString();
  EXPECT_TRUE(m_window->Overview().Find("RJTT")->HasReport());

  m_failing = false;
  m_window->OnRefreshTimer();
  WaitForFetch(*m_window);
  EXPECT_EQ(m_window->windowTitle(), "日本全国の飛行区分 — Aerolume");
}

TEST_F(OverviewWindowTest, ClosingDuringAFetchStopsIt) {
  m_failing = true;  // the station files' 104 answers take a while
  m_window->Refresh();
  m_window->close();  // deletes the window, which waits for the fetch's thread
  EXPECT_TRUE(QTest::qWaitFor([&] { return m_window.isNull(); }, 10'000));
}

// Without the Data API the station files come, six at a time: one 404, one garbage,
// one that never answers in time; each costs only its station.
TEST(OverviewWindowFilesTest, EachBadFileCostsOnlyItsStation) {
  HttpTestServer server([](httplib::Server& routes) {
    routes.Get(R"(/data/observations/metar/stations/(\w+)\.TXT)",
               [](const httplib::Request& request, httplib::Response& response) {
                 const std::string code = request.matches[1];
                 if (code == "RJAA") {
                   response.set_content(kReports[0].file, "text/plain");
                 } else if (code == "RJTT") {
                   response.set_content(kReports[2].file, "text/plain");
                 } else if (code == "RJBB") {
                   response.set_content("<html>a proxy's page</html>", "text/html");
                 } else if (code == "RJGG") {
                   std::this_thread::sleep_for(std::chrono::seconds(3));
                   response.set_content(kReports[2].file, "text/plain");
                 } else {
                   response.status = 404;
                 }
               });
  });
  OverviewWindow window(Settings(server, false));
  window.show();
  WaitForFetch(window);
  EXPECT_TRUE(window.Overview().Find("RJAA")->HasReport());
  EXPECT_TRUE(window.Overview().Find("RJTT")->HasReport());
  for (const char* failed : {"RJBB", "RJGG", "ROIG"}) {
    EXPECT_FALSE(window.Overview().Find(failed)->HasReport()) << failed;
    EXPECT_FALSE(window.Overview().Find(failed)->failure.empty()) << failed;
  }
  EXPECT_FALSE(window.windowTitle().contains("更新失敗"));
}

}  // namespace
}  // namespace aerolume

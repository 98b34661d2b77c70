#include "overview/overview_window.hpp"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "overview/overview_map.hpp"
#include "overview/station_table_model.hpp"
#include "retrieval/station_status.hpp"
#include "translators/shown_text.hpp"

namespace aerolume {

namespace {

constexpr std::chrono::minutes kRefreshInterval{10};
// The ages in the table and the tooltips are in whole minutes.
constexpr std::chrono::minutes kAgeInterval{1};
constexpr std::string_view kTitle = "日本全国の飛行区分";
constexpr std::string_view kSeparator = " — ";

UtcMinutes CurrentMinute() {
  return std::chrono::floor<std::chrono::minutes>(std::chrono::system_clock::now());
}

QString Swatch(FlightCategory category, const QString& name) {
  return QStringLiteral("<span style='color:%1'>●</span> %2")
      .arg(OverviewMap::CategoryColour(category).name(), name);
}

// The dots' colours as the map draws them, and the hollow dot of an old report.
QString LegendText() {
  return QStringList{Swatch(FlightCategory::Vfr, "VFR"),
                     Swatch(FlightCategory::Mvfr, "MVFR"),
                     Swatch(FlightCategory::Ifr, "IFR"),
                     Swatch(FlightCategory::Lifr, "LIFR"),
                     Swatch(FlightCategory::Unknown, QStringLiteral("不明・報告なし")),
                     QStringLiteral("○ 90分より古い報告")}
      .join(QStringLiteral("&nbsp;&nbsp;"));
}

}  // namespace

OverviewWindow::OverviewWindow(DownloadSettings settings, QWidget* parent)
    : QWidget(parent, Qt::Window), m_loader(std::move(settings)) {
  setAttribute(Qt::WA_DeleteOnClose);
  CreateControls();
  ConnectSelection();
  connect(&m_loader, &OverviewLoader::progressed, this, &OverviewWindow::OnProgress);
  connect(&m_loader, &OverviewLoader::fetched, this, &OverviewWindow::OnFetched);
  m_refreshTimer = new QTimer(this);
  m_refreshTimer->setInterval(kRefreshInterval);
  connect(m_refreshTimer, &QTimer::timeout, this, &OverviewWindow::OnRefreshTimer);
  m_ageTimer = new QTimer(this);
  m_ageTimer->setInterval(kAgeInterval);
  connect(m_ageTimer, &QTimer::timeout, this, &OverviewWindow::ShowOverview);
  m_ageTimer->start();
  ShowOverview();
  Refresh();
}

void OverviewWindow::CreateControls() {
  m_map = new OverviewMap;
  m_map->setAccessibleName(QStringLiteral("日本全国の地図"));
  m_model = new StationTableModel(this);
  m_sorted = new QSortFilterProxyModel(this);
  m_sorted->setSourceModel(m_model);
  m_sorted->setSortRole(StationTableModel::kSortRole);
  m_table = new QTableView;
  m_table->setModel(m_sorted);
  m_table->setSortingEnabled(true);
  m_table->sortByColumn(StationTableModel::Code, Qt::AscendingOrder);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setTabKeyNavigation(false);  // Tab leaves the table for the map
  m_table->verticalHeader()->hide();
  m_table->setWordWrap(false);
  m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
  m_table->horizontalHeader()->setStretchLastSection(true);
  m_table->setAccessibleName(QStringLiteral("全観測所の表"));

  auto* splitter = new QSplitter;
  splitter->addWidget(m_map);
  splitter->addWidget(m_table);
  splitter->setStretchFactor(0, 1);
  splitter->setSizes({760, 740});
  auto* legend = new QLabel(LegendText());
  legend->setTextFormat(Qt::RichText);
  m_countLine = new QLabel;
  m_countLine->setObjectName(QStringLiteral("countLine"));
  m_countLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* footer = new QHBoxLayout;
  footer->addWidget(legend);
  footer->addStretch();
  footer->addWidget(m_countLine);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter, 1);
  layout->addLayout(footer);
  setTabOrder(m_map, m_table);
  resize(1520, 900);
}

// The map and the table show the same station selected, whichever the user moved.
void OverviewWindow::ConnectSelection() {
  connect(m_map, &OverviewMap::stationSelected, this, &OverviewWindow::SelectInTable);
  connect(m_map, &OverviewMap::stationPicked, this, &OverviewWindow::stationPicked);
  connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) {
              m_map->SelectStation(current.data(StationTableModel::kCodeRole).toString());
            }
          });
  connect(m_table, &QTableView::activated, this, [this](const QModelIndex& index) {
    emit stationPicked(index.data(StationTableModel::kCodeRole).toString());
  });
}

void OverviewWindow::SelectInTable(const QString& code) {
  const int row = m_model->RowOf(code);
  if (row < 0) return;
  const QModelIndex index = m_sorted->mapFromSource(m_model->index(row, 0));
  m_table->selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  m_table->scrollTo(index);
}

void OverviewWindow::Refresh() {
  if (!m_loader.Start(m_overview.Codes())) return;
  m_progress = std::pair(0, static_cast<int>(m_overview.Stations().size()));
  UpdateTitle();
}

void OverviewWindow::OnRefreshTimer() {
  Refresh();
}

void OverviewWindow::OnProgress(int done, int total) {
  m_progress = std::pair(done, total);
  UpdateTitle();
}

// What came goes in station by station; a station that has a report keeps it through
// its own failure. Only when nothing came does the title say the refresh failed.
void OverviewWindow::OnFetched(const OverviewFetch& fetch) {
  m_progress.reset();
  ApplyAnswers(m_overview, fetch.answers);
  if (const std::optional<std::string> cause = WholeFetchFailure(fetch)) {
    m_refreshFailedAt = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    m_failureCause = *cause;
  } else {
    m_refreshFailedAt.reset();
    m_failureCause.clear();
  }
  m_refreshTimer->start();
  ShowOverview();
  m_table->resizeColumnsToContents();
}

void OverviewWindow::ShowOverview() {
  const UtcMinutes now = CurrentMinute();
  m_map->SetOverview(&m_overview, now);
  m_model->SetOverview(&m_overview, now);
  m_countLine->setText(QString::fromStdString(CountLine(CountCategories(m_overview.Stations()))));
  UpdateTitle();
}

// "日本全国の飛行区分 — 取得中 37/104 — Aerolume", with "(更新失敗 HH:MM cause)" after the
// name after a failed fetch, until the next one brings reports.
void OverviewWindow::UpdateTitle() {
  std::string title(kTitle);
  if (m_refreshFailedAt) title += RefreshFailureNote(*m_refreshFailedAt, m_failureCause);
  if (m_progress) {
    title.append(kSeparator)
        .append("取得中 " + std::to_string(m_progress->first) + "/" +
                std::to_string(m_progress->second));
  }
  title.append(kSeparator).append("Aerolume");
  // A failure's cause may quote a server's bytes.
  setWindowTitle(QString::fromStdString(ReplaceUnsafeCharacters(title)));
}

void OverviewWindow::closeEvent(QCloseEvent* event) {
  m_loader.Stop();
  QWidget::closeEvent(event);
}

}  // namespace aerolume

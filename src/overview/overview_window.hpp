// The map window: the map of Japan and beside it the table of every station, in step
// with each other, the legend and the count per category under them. It fetches on
// opening and every ten minutes after, beside the window; a failed refresh opens no box
// and says so in the title, as the main window's does.
#pragma once

#include <QWidget>
#include <chrono>
#include <optional>
#include <string>

#include "conditions/station_overview.hpp"
#include "overview/overview_loader.hpp"

class QLabel;
class QSortFilterProxyModel;
class QTableView;
class QTimer;

namespace aerolume {

class OverviewMap;
class StationTableModel;

class OverviewWindow : public QWidget {
  Q_OBJECT

 public:
  explicit OverviewWindow(DownloadSettings settings, QWidget* parent = nullptr);

  // Fetches every station again, unless a fetch runs.
  void Refresh();
  // Every ten minutes: the same, quietly.
  void OnRefreshTimer();

  const StationOverview& Overview() const { return m_overview; }
  OverviewMap* Map() const { return m_map; }
  QTableView* Table() const { return m_table; }
  bool Fetching() const { return m_loader.Running(); }

 signals:
  // Clicked on the map, or Enter on the map or the table: show it in the main window.
  void stationPicked(const QString& code);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void ConnectSelection();
  void OnProgress(int done, int total);
  void OnFetched(const OverviewFetch& fetch);
  void ShowOverview();
  void SelectInTable(const QString& code);
  void UpdateTitle();

  StationOverview m_overview;
  OverviewLoader m_loader;
  OverviewMap* m_map = nullptr;
  QTableView* m_table = nullptr;
  StationTableModel* m_model = nullptr;
  QSortFilterProxyModel* m_sorted = nullptr;
  QLabel* m_countLine = nullptr;
  QTimer* m_refreshTimer = nullptr;
  QTimer* m_ageTimer = nullptr;
  std::optional<std::pair<int, int>> m_progress;  // stations done and all, while fetching
  std::optional<std::chrono::sys_seconds> m_refreshFailedAt;
  std::string m_failureCause;
};

}  // namespace aerolume

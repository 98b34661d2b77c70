// The map's stations as a table: one row per catalogue station, in the catalogue's
// order, with the phrases the tooltip uses. Each column sorts by its value (age by
// minutes, visibility by metres), not by its text.
#pragma once

#include <QAbstractTableModel>

#include "conditions/station_overview.hpp"

namespace aerolume {

class StationTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { Code, Name, Age, Category, Wind, Visibility, Ceiling, Weather, ColumnCount };
  // What a sorting proxy sorts by.
  static constexpr int kSortRole = Qt::UserRole + 1;
  // The station's code, in every column.
  static constexpr int kCodeRole = Qt::UserRole + 2;

  explicit StationTableModel(QObject* parent = nullptr);

  // The overview is kept by the caller and outlives the model; `now` decides the ages.
  // Every row changes in place, so that the views keep their selection.
  void SetOverview(const StationOverview* overview, UtcMinutes now);
  // The row of a station's code, or -1.
  int RowOf(const QString& code) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QVariant Text(const OverviewStation& station, int column) const;
  QVariant SortKey(const OverviewStation& station, int column) const;

  const StationOverview* m_overview = nullptr;
  UtcMinutes m_now{};
};

}  // namespace aerolume

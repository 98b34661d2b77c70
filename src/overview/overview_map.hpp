// The map of Japan with every station as a dot in its category's colour, a wind arrow,
// and its code where there is room. It draws and forwards input; the overview decides.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QWidget>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "conditions/station_overview.hpp"
#include "overview/map_view.hpp"

namespace aerolume {

class OverviewMap : public QWidget {
  Q_OBJECT

 public:
  explicit OverviewMap(QWidget* parent = nullptr);

  // The overview is kept by the caller and outlives the map; `now` decides the ages.
  void SetOverview(const StationOverview* overview, UtcMinutes now);
  // Stations drawn with a ring around their dot: those the user watches.
  void SetWatchedStations(std::set<std::string> codes);
  static QColor WatchRingColour();
  // Back to all of Japan.
  void ShowAllOfJapan();
  void ZoomBy(double factor);

  // The station ringed on the map (empty for none), set from outside: no signal.
  void SelectStation(const QString& code);
  QString SelectedStation() const { return m_selected; }

  // Where a station's dot is drawn, in widget pixels.
  QPointF StationPoint(const OverviewStation& station) const;
  // The labels of the last frame, one per station, empty where left out.
  const std::vector<QRectF>& LabelRects() const { return m_labels; }
  static QColor CategoryColour(FlightCategory category);

 signals:
  // A click, or Enter on the selected station: show it in the main window.
  void stationPicked(const QString& code);
  // The user moved the selection: a click, Tab or Shift+Tab.
  void stationSelected(const QString& code);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void DrawCoasts(QPainter& painter) const;
  void DrawStation(QPainter& painter, const OverviewStation& station) const;
  void DrawLabels(QPainter& painter);
  const OverviewStation* StationAt(QPointF point) const;
  void DrawSelection(QPainter& painter) const;
  void SelectByUser(const QString& code);
  void BringIntoView(const QString& code);

  const StationOverview* m_overview = nullptr;
  UtcMinutes m_now{};
  MapView m_view;
  bool m_viewSet = false;
  std::optional<QPointF> m_dragFrom;
  bool m_dragged = false;
  std::vector<QRectF> m_labels;
  QString m_selected;
  // The codes in the order Tab visits them: from north to south.
  std::vector<QString> m_tabOrder;
  std::set<std::string> m_watched;
};

}  // namespace aerolume

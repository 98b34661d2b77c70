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

  // Where a station's dot is drawn, in widget pixels.
  QPointF StationPoint(const OverviewStation& station) const;
  // The labels of the last frame, one per station, empty where left out.
  const std::vector<QRectF>& LabelRects() const { return m_labels; }
  static QColor CategoryColour(FlightCategory category);

 signals:
  void stationPicked(const QString& code);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void DrawCoasts(QPainter& painter) const;
  void DrawStation(QPainter& painter, const OverviewStation& station) const;
  void DrawLabels(QPainter& painter);
  const OverviewStation* StationAt(QPointF point) const;

  const StationOverview* m_overview = nullptr;
  UtcMinutes m_now{};
  MapView m_view;
  bool m_viewSet = false;
  std::optional<QPointF> m_dragFrom;
  bool m_dragged = false;
  std::vector<QRectF> m_labels;
  std::set<std::string> m_watched;
};

}  // namespace aerolume

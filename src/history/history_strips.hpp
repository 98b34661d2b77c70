// The last hours of a station as four strips on one time axis in Japan time: wind
// (with its direction along the top and the crosswind on the favoured runway),
// visibility and ceiling over the flight category, temperature and dew point with
// the fog risk shaded, and QNH with its three-hour change. It draws and answers the
// pointer; the values come from the history's series.
#pragma once

#include <QColor>
#include <QWidget>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "conditions/history_series.hpp"
#include "history/strip_scale.hpp"
#include "history/time_axis.hpp"

namespace aerolume {

enum class HistoryStrip { Wind, Sky, Temperature, Pressure };

// The colour of each series, for its line, its points and its legend.
struct SeriesColours {
  QColor speed{20, 60, 160};
  QColor gust{230, 120, 0};
  QColor crosswind{150, 40, 170};
  QColor visibility{0, 110, 200};
  QColor ceiling{120, 70, 20};
  QColor temperature{210, 30, 30};
  QColor dewPoint{0, 140, 90};
  QColor qnh{60, 60, 60};
  QColor fogRisk{120, 150, 200, 70};
};
const SeriesColours& HistoryColours();

class HistoryStrips : public QWidget {
  Q_OBJECT

 public:
  explicit HistoryStrips(QWidget* parent = nullptr);

  // The hours before `now` (and a little after it) are shown; the runways give the
  // favoured end for the crosswind.
  void SetHistory(StationHistory history, std::span<const Runway> runways, UtcMinutes now);

  const TimeAxis& Axis() const { return m_axis; }
  QRectF StripRect(HistoryStrip strip) const;
  // The scale at the left of a strip, or the one at its right (the ceiling's).
  StripScale Scale(HistoryStrip strip, bool right = false) const;
  const std::string& RunwayEnd() const { return m_runwayEnd; }
  // What hovering at `point` shows: the nearest report's raw text and its decoded
  // lines; empty away from any report.
  QString ToolTipAt(QPointF point) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void Layout();
  void FitScales();
  void DrawTicks(QPainter& painter, HistoryStrip strip, bool right, const QColor& colour) const;
  // The flight category behind the sky strip and the fog risk behind the temperatures,
  // each over its report's span.
  void DrawBands(QPainter& painter) const;
  void DrawWind(QPainter& painter) const;
  void DrawArrows(QPainter& painter) const;
  void DrawSky(QPainter& painter) const;
  void DrawTemperature(QPainter& painter) const;
  void DrawPressure(QPainter& painter) const;
  void DrawSpecis(QPainter& painter) const;
  // A series' line, broken where reports are missing, and its points (diamonds
  // for SPECIs).
  void DrawSeries(QPainter& painter, HistoryStrip strip, bool right, const QColor& colour,
                  std::optional<double> (*value)(const HistoryPoint&), Qt::PenStyle style) const;
  // Each report's time span: from halfway after the one before to halfway to the next.
  std::pair<double, double> ReportSpan(std::size_t index) const;
  std::optional<std::size_t> ReportNear(QPointF point) const;

  StationHistory m_history;
  std::vector<HistoryPoint> m_points;
  std::string m_runwayEnd;
  std::optional<double> m_pressureChange;
  UtcMinutes m_now{};
  TimeAxis m_axis;
  std::array<QRectF, 4> m_strips;
  std::array<StripScale, 4> m_scales;
  StripScale m_ceilingScale;
  QRectF m_arrowRow;
  QRectF m_labelBand;
};

}  // namespace aerolume

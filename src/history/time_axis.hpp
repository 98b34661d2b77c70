// One time axis in Japan time for the history's strips and the TAF's timeline: where
// a time lies across the plots, the hour ticks, the change of day and "now".
#pragma once

#include <QPainter>
#include <QRectF>

#include "translators/utc_time.hpp"

namespace aerolume {

class TimeAxis {
 public:
  TimeAxis() = default;
  // From `start` at pixel `left` to `end` at pixel `right`.
  TimeAxis(UtcMinutes start, UtcMinutes end, double left, double right);

  double X(UtcMinutes time) const;
  UtcMinutes TimeAt(double x) const;
  UtcMinutes Start() const { return m_start; }
  UtcMinutes End() const { return m_end; }
  bool Contains(UtcMinutes time) const { return m_start <= time && time <= m_end; }

  // Faint lines at every hour across `plot`, stronger ones where the day changes in
  // Japan.
  void DrawGrid(QPainter& painter, const QRectF& plot) const;
  // The hour labels (as many as fit) and the day under each change of day, in the
  // band under the plots.
  void DrawLabels(QPainter& painter, const QRectF& band) const;
  // A line across `plot` at `now` with "現在" over it, when now is on the axis.
  void DrawNow(QPainter& painter, const QRectF& plot, UtcMinutes now) const;

 private:
  // "8日" beside the line where the day changes.
  void DrawDay(QPainter& painter, UtcMinutes midnight, QPointF topLeft) const;

  UtcMinutes m_start{};
  UtcMinutes m_end{};
  double m_left = 0;
  double m_right = 1;
};

// The hour of a time in Japan (0-23) and its day of the month.
int JapanHour(UtcMinutes time);
int JapanDay(UtcMinutes time);

// The colour of the "now" line wherever it is drawn.
QColor NowColour();

}  // namespace aerolume

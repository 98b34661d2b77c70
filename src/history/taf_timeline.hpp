// The TAF as a timeline from the start of its validity to its end: a bar for each
// hour in the colour of its prevailing flight category, a hatched row under it for
// each TEMPO and PROB group in the category it allows, the wind, visibility and
// weather written where they change, and "now". Hovering an hour shows its forecast
// in Japanese. It draws; the hours come from the TAF's hour-by-hour forecast.
#pragma once

#include <QWidget>
#include <vector>

#include "conditions/taf_hours.hpp"
#include "history/time_axis.hpp"

namespace aerolume {

class TafTimeline : public QWidget {
  Q_OBJECT

 public:
  explicit TafTimeline(QWidget* parent = nullptr);

  void SetTaf(TafValues taf, UtcMinutes now);

  const std::vector<TafHour>& Hours() const { return m_hours; }
  const TimeAxis& Axis() const { return m_axis; }
  // The prevailing bar of hour `hour` (an index into Hours()).
  QRectF HourRect(std::size_t hour) const;
  std::size_t AlternativeRowCount() const { return m_rows.size(); }
  // Hour `hour` in the row of the `row`th TEMPO or PROB group.
  QRectF AlternativeRect(std::size_t row, std::size_t hour) const;
  // The category that group allows in that hour; Unknown where it does not cover it.
  FlightCategory AlternativeCategory(std::size_t row, std::size_t hour) const;
  // What hovering at `point` shows; empty away from the hours.
  QString ToolTipAt(QPointF point) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // One TEMPO or PROB group: its name, its codes and the category it allows each hour.
  struct AlternativeRow {
    QString name;
    QString codes;
    std::vector<FlightCategory> categories;  // one per hour
  };

  void Layout();
  void DrawPrevailing(QPainter& painter) const;
  void DrawChanges(QPainter& painter) const;
  void DrawAlternatives(QPainter& painter) const;
  double RowTop(std::size_t row) const;

  TafValues m_taf;
  std::vector<TafHour> m_hours;
  std::vector<QString> m_codes;  // the prevailing wind, visibility and weather of each hour
  std::vector<AlternativeRow> m_rows;
  UtcMinutes m_now{};
  TimeAxis m_axis;
  double m_left = 0;
  double m_codesTop = 0;
  double m_barTop = 0;
  double m_barHeight = 0;
  double m_rowHeight = 0;
  QRectF m_labelBand;
};

}  // namespace aerolume

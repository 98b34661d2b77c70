#include "history/history_strips.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "history/hover_tip.hpp"
#include "wind/category_colour.hpp"

namespace aerolume {

namespace {

using std::chrono::hours;
using std::chrono::minutes;

constexpr hours kShownHours{24};
constexpr minutes kAfterNow{30};
// Reports further apart than this are not joined: the line would invent the weather
// between them.
constexpr minutes kLongestJoin{75};
constexpr double kPointRadius = 3;
constexpr double kArrowLength = 13;
constexpr double kStripGap = 6;
constexpr double kHoverReach = 10;  // pixels from a report's time that still find it
constexpr int kCategoryAlpha = 60;
constexpr int kLeastStripHeight = 80;
constexpr double kFogSpread = 2;

std::size_t Index(HistoryStrip strip) {
  return static_cast<std::size_t>(strip);
}

std::optional<double> Number(const std::optional<int>& value) {
  return value ? std::optional<double>(*value) : std::nullopt;
}

std::optional<double> Speed(const HistoryPoint& p) {
  return Number(p.speedKt);
}
std::optional<double> Gust(const HistoryPoint& p) {
  return Number(p.gustKt);
}
std::optional<double> Crosswind(const HistoryPoint& p) {
  return Number(p.crosswindKt);
}
std::optional<double> Visibility(const HistoryPoint& p) {
  return Number(p.visibilityMetres);
}
std::optional<double> CeilingFeet(const HistoryPoint& p) {
  return Number(p.ceilingFeet);
}
std::optional<double> Temperature(const HistoryPoint& p) {
  return p.temperatureCelsius;
}
std::optional<double> DewPoint(const HistoryPoint& p) {
  return p.dewPointCelsius;
}
std::optional<double> Qnh(const HistoryPoint& p) {
  return p.qnhHectopascal;
}

bool FogRisk(const HistoryPoint& p) {
  return p.temperatureCelsius && p.dewPointCelsius &&
         *p.temperatureCelsius - *p.dewPointCelsius <= kFogSpread;
}

// The smallest and the largest of the values present; nothing when none is.
std::optional<std::pair<double, double>> RangeOf(
    const std::vector<HistoryPoint>& points,
    std::initializer_list<std::optional<double> (*)(const HistoryPoint&)> values) {
  std::optional<std::pair<double, double>> range;
  for (const HistoryPoint& point : points) {
    for (auto value : values) {
      const std::optional<double> v = value(point);
      if (!v) continue;
      if (!range) range = {*v, *v};
      range->first = std::min(range->first, *v);
      range->second = std::max(range->second, *v);
    }
  }
  return range;
}

void DrawPoint(QPainter& painter, QPointF centre, const QColor& colour, bool speci) {
  painter.setPen(speci ? QPen(Qt::black, 1) : Qt::NoPen);
  painter.setBrush(colour);
  if (!speci) {
    painter.drawEllipse(centre, kPointRadius, kPointRadius);
    return;
  }
  const double r = kPointRadius + 1.5;
  const QPointF diamond[] = {centre + QPointF(0, -r), centre + QPointF(r, 0),
                             centre + QPointF(0, r), centre + QPointF(-r, 0)};
  painter.drawPolygon(diamond, 4);
}

// An arrow pointing downwind, as the wind display draws it.
void DrawWindArrow(QPainter& painter, QPointF centre, int directionDegrees) {
  const double towards = (directionDegrees + 180) * std::numbers::pi / 180;
  const QPointF along(std::sin(towards), -std::cos(towards));
  const QPointF across(-along.y(), along.x());
  const QPointF tip = centre + along * (kArrowLength / 2);
  const QPointF tail = centre - along * (kArrowLength / 2);
  painter.drawLine(tail, tip);
  const QPointF head[] = {tip, tip - along * 4 + across * 3, tip - along * 4 - across * 3};
  painter.drawPolygon(head, 3);
}

struct LegendItem {
  QString text;
  QColor colour;
};

// The strip's title and its series' names, each in its colour, along the strip's top
// left corner on a pale ground so that the lines under it stay apart.
void DrawLegend(QPainter& painter, const QRectF& plot, std::initializer_list<LegendItem> items) {
  const QFontMetricsF metrics(painter.font());
  double x = plot.left() + 4;
  const double y = plot.top() + 2;
  for (const LegendItem& item : items) {
    if (item.text.isEmpty()) continue;
    const double width = metrics.horizontalAdvance(item.text);
    painter.fillRect(QRectF(x - 2, y, width + 4, metrics.height()), QColor(255, 255, 255, 200));
    painter.setPen(item.colour);
    painter.drawText(QRectF(x, y, width + 1, metrics.height()), Qt::AlignLeft | Qt::AlignTop,
                     item.text);
    x += width + metrics.horizontalAdvance(QStringLiteral("  "));
  }
}

}  // namespace

const SeriesColours& HistoryColours() {
  static const SeriesColours colours;
  return colours;
}

HistoryStrips::HistoryStrips(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize HistoryStrips::sizeHint() const {
  return {900, 4 * 130 + 80};
}

QSize HistoryStrips::minimumSizeHint() const {
  return {400, 4 * kLeastStripHeight + 60};
}

void HistoryStrips::SetHistory(StationHistory history, std::span<const Runway> runways,
                               UtcMinutes now) {
  m_history = std::move(history);
  m_runwayEnd = FavouredRunwayEnd(m_history, runways);
  m_points = HistoryPoints(m_history, runways, m_runwayEnd);
  m_pressureChange = PressureChange(m_points);
  m_now = now;
  FitScales();
  Layout();
  update();
}

void HistoryStrips::FitScales() {
  const auto wind = RangeOf(m_points, {Speed, Gust, Crosswind});
  m_scales[Index(HistoryStrip::Wind)] = SpeedScale(wind ? wind->second : 0);
  m_scales[Index(HistoryStrip::Sky)] = LogScale();
  m_ceilingScale = LogScale();
  const auto temperature = RangeOf(m_points, {Temperature, DewPoint});
  m_scales[Index(HistoryStrip::Temperature)] =
      temperature ? LinearScale(temperature->first, temperature->second, 10)
                  : LinearScale(0, 20, 10);
  const auto qnh = RangeOf(m_points, {Qnh});
  m_scales[Index(HistoryStrip::Pressure)] =
      qnh ? LinearScale(qnh->first, qnh->second, 8) : LinearScale(1009, 1017, 8);
}

void HistoryStrips::resizeEvent(QResizeEvent*) {
  Layout();
}

void HistoryStrips::Layout() {
  const QFontMetricsF metrics(font());
  const double labelWidth = metrics.horizontalAdvance(QStringLiteral("1000")) + 10;
  const double left = labelWidth;
  const double right = width() - labelWidth;
  m_axis = TimeAxis(m_now - kShownHours, m_now + kAfterNow, left, right);
  m_arrowRow = QRectF(left, 2, right - left, kArrowLength + 6);
  const double axisBand = 2 * metrics.height() + 6;
  const double top = m_arrowRow.bottom() + 2;
  const double stripHeight =
      std::max<double>(kLeastStripHeight / 2.0, (height() - top - axisBand - 3 * kStripGap) / 4);
  for (std::size_t i = 0; i < m_strips.size(); ++i) {
    m_strips[i] = QRectF(left, top + static_cast<double>(i) * (stripHeight + kStripGap),
                         right - left, stripHeight);
  }
  m_labelBand = QRectF(left, m_strips.back().bottom(), right - left, axisBand);
}

QRectF HistoryStrips::StripRect(HistoryStrip strip) const {
  return m_strips[Index(strip)];
}

StripScale HistoryStrips::Scale(HistoryStrip strip, bool right) const {
  return right ? m_ceilingScale : m_scales[Index(strip)];
}

void HistoryStrips::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.setRenderHint(QPainter::Antialiasing);
  for (const QRectF& strip : m_strips) painter.fillRect(strip, Qt::white);
  DrawBands(painter);
  for (const QRectF& strip : m_strips) m_axis.DrawGrid(painter, strip);
  DrawSpecis(painter);
  DrawSky(painter);
  DrawTemperature(painter);
  DrawWind(painter);
  DrawPressure(painter);
  DrawArrows(painter);
  const QRectF all(m_strips.front().topLeft(), m_strips.back().bottomRight());
  m_axis.DrawNow(painter, all, m_now);
  painter.setPen(palette().windowText().color());
  m_axis.DrawLabels(painter, m_labelBand);
}

void HistoryStrips::DrawTicks(QPainter& painter, HistoryStrip strip, bool right,
                              const QColor& colour) const {
  const QRectF plot = StripRect(strip);
  const StripScale scale = Scale(strip, right);
  const QFontMetricsF metrics(painter.font());
  painter.save();
  for (double value : scale.Ticks()) {
    const double y = scale.Y(value, plot);
    painter.setPen(QPen(QColor(0, 0, 0, 22), 1));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(colour);
    const double x = right ? plot.right() + 4 : 0;
    const double width = plot.left() - 4;
    // Kept inside the strip, so that the labels of two strips never meet.
    const double top =
        std::clamp(y - metrics.height() / 2, plot.top(), plot.bottom() - metrics.height());
    painter.drawText(QRectF(x, top, width, metrics.height()),
                     (right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, TickLabel(value));
  }
  painter.setPen(QPen(QColor(0, 0, 0, 120), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plot);
  painter.restore();
}

std::pair<double, double> HistoryStrips::ReportSpan(std::size_t index) const {
  const double x = m_axis.X(m_points[index].time);
  const double halfJoin = (m_axis.X(m_points[index].time + kLongestJoin) - x) / 2;
  double from = x - halfJoin;
  double to = x + halfJoin;
  if (index > 0) from = std::max(from, (m_axis.X(m_points[index - 1].time) + x) / 2);
  if (index + 1 < m_points.size()) to = std::min(to, (m_axis.X(m_points[index + 1].time) + x) / 2);
  return {from, to};
}

void HistoryStrips::DrawSeries(QPainter& painter, HistoryStrip strip, bool right,
                               const QColor& colour,
                               std::optional<double> (*value)(const HistoryPoint&),
                               Qt::PenStyle style) const {
  const QRectF plot = StripRect(strip);
  const StripScale scale = Scale(strip, right);
  painter.save();
  painter.setClipRect(
      plot.adjusted(-kPointRadius - 2, -kPointRadius - 2, kPointRadius + 2, kPointRadius + 2));
  painter.setPen(QPen(colour, 1.6, style));
  const HistoryPoint* previous = nullptr;
  for (const HistoryPoint& point : m_points) {
    const std::optional<double> v = value(point);
    if (!v) {
      previous = nullptr;
      continue;
    }
    if (previous && point.time - previous->time <= kLongestJoin) {
      painter.drawLine(QPointF(m_axis.X(previous->time), scale.Y(*value(*previous), plot)),
                       QPointF(m_axis.X(point.time), scale.Y(*v, plot)));
    }
    previous = &point;
  }
  for (const HistoryPoint& point : m_points) {
    if (const std::optional<double> v = value(point)) {
      DrawPoint(painter, QPointF(m_axis.X(point.time), scale.Y(*v, plot)), colour, point.speci);
    }
  }
  painter.restore();
}

void HistoryStrips::DrawWind(QPainter& painter) const {
  const SeriesColours& colours = HistoryColours();
  DrawTicks(painter, HistoryStrip::Wind, false, palette().windowText().color());
  if (!m_runwayEnd.empty()) {
    DrawSeries(painter, HistoryStrip::Wind, false, colours.crosswind, Crosswind, Qt::DashLine);
  }
  DrawSeries(painter, HistoryStrip::Wind, false, colours.gust, Gust, Qt::NoPen);
  DrawSeries(painter, HistoryStrip::Wind, false, colours.speed, Speed, Qt::SolidLine);
  const QString crosswind =
      m_runwayEnd.empty() ? QString()
                          : QStringLiteral("横風 RWY%1").arg(QString::fromStdString(m_runwayEnd));
  painter.save();
  DrawLegend(painter, StripRect(HistoryStrip::Wind),
             {{QStringLiteral("風 (kt)"), palette().windowText().color()},
              {QStringLiteral("風速"), colours.speed},
              {QStringLiteral("突風"), colours.gust},
              {crosswind, colours.crosswind}});
  painter.restore();
}

void HistoryStrips::DrawArrows(QPainter& painter) const {
  painter.save();
  painter.setPen(QPen(HistoryColours().speed, 1.4));
  painter.setBrush(HistoryColours().speed);
  const QPointF middle(0, m_arrowRow.center().y());
  for (const HistoryPoint& point : m_points) {
    if (!point.directionDegrees || !m_axis.Contains(point.time)) continue;
    DrawWindArrow(painter, QPointF(m_axis.X(point.time), middle.y()), *point.directionDegrees);
  }
  painter.restore();
}

void HistoryStrips::DrawBands(QPainter& painter) const {
  const QRectF sky = StripRect(HistoryStrip::Sky);
  const QRectF temperature = StripRect(HistoryStrip::Temperature);
  painter.save();
  painter.setClipRect(QRectF(sky.left(), sky.top(), sky.width(), temperature.bottom() - sky.top()));
  for (std::size_t i = 0; i < m_points.size(); ++i) {
    const auto [from, to] = ReportSpan(i);
    QColor colour = CategoryColour(m_points[i].category);
    if (colour.isValid()) {
      colour.setAlpha(kCategoryAlpha);
      painter.fillRect(QRectF(QPointF(from, sky.top()), QPointF(to, sky.bottom())), colour);
    }
    if (FogRisk(m_points[i])) {
      painter.fillRect(QRectF(QPointF(from, temperature.top()), QPointF(to, temperature.bottom())),
                       HistoryColours().fogRisk);
    }
  }
  painter.restore();
}

void HistoryStrips::DrawSky(QPainter& painter) const {
  const QRectF plot = StripRect(HistoryStrip::Sky);
  const SeriesColours& colours = HistoryColours();
  DrawTicks(painter, HistoryStrip::Sky, false, colours.visibility);
  DrawTicks(painter, HistoryStrip::Sky, true, colours.ceiling);
  DrawSeries(painter, HistoryStrip::Sky, true, colours.ceiling, CeilingFeet, Qt::SolidLine);
  DrawSeries(painter, HistoryStrip::Sky, false, colours.visibility, Visibility, Qt::SolidLine);
  painter.save();
  DrawLegend(painter, plot,
             {{QStringLiteral("視程 (m)"), colours.visibility},
              {QStringLiteral("雲底 (ft)"), colours.ceiling}});
  painter.restore();
}

void HistoryStrips::DrawTemperature(QPainter& painter) const {
  const QRectF plot = StripRect(HistoryStrip::Temperature);
  const SeriesColours& colours = HistoryColours();
  DrawTicks(painter, HistoryStrip::Temperature, false, palette().windowText().color());
  DrawSeries(painter, HistoryStrip::Temperature, false, colours.dewPoint, DewPoint, Qt::SolidLine);
  DrawSeries(painter, HistoryStrip::Temperature, false, colours.temperature, Temperature,
             Qt::SolidLine);
  painter.save();
  DrawLegend(painter, plot,
             {{QStringLiteral("気温 (°C)"), colours.temperature},
              {QStringLiteral("露点"), colours.dewPoint},
              {QStringLiteral("差2°C以下: 霧の恐れ"), QColor(60, 90, 150)}});
  painter.restore();
}

void HistoryStrips::DrawPressure(QPainter& painter) const {
  const SeriesColours& colours = HistoryColours();
  DrawTicks(painter, HistoryStrip::Pressure, false, colours.qnh);
  DrawSeries(painter, HistoryStrip::Pressure, false, colours.qnh, Qnh, Qt::SolidLine);
  QString change;
  if (m_pressureChange) {
    change = QStringLiteral("3時間変化 %1%2 hPa")
                 .arg(*m_pressureChange > 0.05 ? QStringLiteral("+") : QString())
                 .arg(*m_pressureChange, 0, 'f', 1);
  }
  painter.save();
  DrawLegend(painter, StripRect(HistoryStrip::Pressure),
             {{QStringLiteral("QNH (hPa)"), colours.qnh}, {change, colours.qnh}});
  painter.restore();
}

void HistoryStrips::DrawSpecis(QPainter& painter) const {
  const QRectF all(m_strips.front().topLeft(), m_strips.back().bottomRight());
  painter.save();
  painter.setPen(QPen(QColor(0, 0, 0, 90), 1, Qt::DotLine));
  for (const HistoryPoint& point : m_points) {
    if (!point.speci) continue;
    const double x = m_axis.X(point.time);
    painter.drawLine(QPointF(x, all.top()), QPointF(x, all.bottom()));
  }
  painter.restore();
}

std::optional<std::size_t> HistoryStrips::ReportNear(QPointF point) const {
  const QRectF all(m_arrowRow.topLeft(), m_strips.back().bottomRight());
  if (!all.adjusted(-kHoverReach, 0, kHoverReach, 0).contains(point)) return std::nullopt;
  std::optional<std::size_t> nearest;
  double nearestDistance = kHoverReach;
  for (std::size_t i = 0; i < m_points.size(); ++i) {
    const double distance = std::abs(m_axis.X(m_points[i].time) - point.x());
    if (distance <= nearestDistance) {
      nearest = i;
      nearestDistance = distance;
    }
  }
  return nearest;
}

QString HistoryStrips::ToolTipAt(QPointF point) const {
  const std::optional<std::size_t> index = ReportNear(point);
  if (!index) return {};
  const HistoryReport& report = m_history.reports[*index];
  QString text =
      QStringLiteral("%1日 %2:%3（日本時間）\n")
          .arg(JapanDay(report.observed))
          .arg(JapanHour(report.observed), 2, 10, QLatin1Char('0'))
          .arg(static_cast<int>(
                   (report.observed - std::chrono::floor<hours>(report.observed)).count()),
               2, 10, QLatin1Char('0'));
  text += (report.speci ? QStringLiteral("SPECI ") : QStringLiteral("METAR ")) +
          QString::fromStdString(report.report) + QStringLiteral("\n");
  for (const std::string& line : report.lines) {
    text += QStringLiteral("\n") + QString::fromStdString(line);
  }
  return text;
}

bool HistoryStrips::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  ShowHoverTip(this, static_cast<QHelpEvent*>(event),
               [this](QPointF point) { return ToolTipAt(point); });
  return true;
}

}  // namespace aerolume

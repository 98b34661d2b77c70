#include "overview/overview_map.hpp"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "geography/japan_coasts.hpp"
#include "overview/label_placement.hpp"
#include "overview/station_tooltip.hpp"
#include "wind/category_colour.hpp"

namespace aerolume {

namespace {

constexpr double kDotRadius = 5.0;
constexpr double kWatchRingRadius = kDotRadius + 3.5;
constexpr double kZoomStep = 1.25;
constexpr double kPanStep = 60.0;
const QColor kSea(0xdc, 0xe9, 0xf2);
const QColor kLand(0xf4, 0xf1, 0xe8);
const QColor kCoast(0x8a, 0x9a, 0xa6);

std::vector<QString> NorthToSouth(const StationOverview& overview) {
  std::vector<const OverviewStation*> stations;
  for (const OverviewStation& station : overview.Stations()) stations.push_back(&station);
  std::ranges::stable_sort(stations, [](const OverviewStation* a, const OverviewStation* b) {
    return a->position.lat > b->position.lat;
  });
  std::vector<QString> codes;
  for (const OverviewStation* station : stations)
    codes.push_back(QString::fromStdString(station->code));
  return codes;
}

// Worse conditions get their labels first: they are what a user looks for.
int LabelPriority(FlightCategory category) {
  return static_cast<int>(category);
}

}  // namespace

OverviewMap::OverviewMap(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setMinimumSize(400, 300);
}

QColor OverviewMap::CategoryColour(FlightCategory category) {
  // The program's one palette, as the badge and the history use it; grey for a station
  // whose category is not known, which the map still draws.
  const QColor colour = aerolume::CategoryColour(category);
  return colour.isValid() ? colour : QColor(0x80, 0x80, 0x80);
}

void OverviewMap::SetOverview(const StationOverview* overview, UtcMinutes now) {
  m_overview = overview;
  m_now = now;
  m_tabOrder = overview == nullptr ? std::vector<QString>() : NorthToSouth(*overview);
  update();
}

void OverviewMap::SelectStation(const QString& code) {
  if (code == m_selected) return;
  m_selected = code;
  BringIntoView(code);
  update();
}

void OverviewMap::SelectByUser(const QString& code) {
  if (code == m_selected) return;
  SelectStation(code);
  emit stationSelected(code);
}

// A station chosen from the table or by Tab outside the view comes to its middle.
void OverviewMap::BringIntoView(const QString& code) {
  const OverviewStation* station =
      m_overview == nullptr ? nullptr : m_overview->Find(code.toStdString());
  if (station == nullptr) return;
  const QPointF point = StationPoint(*station);
  if (QRectF(rect()).adjusted(kDotRadius, kDotRadius, -kDotRadius, -kDotRadius).contains(point)) {
    return;
  }
  m_view.Pan(QPointF(width() / 2.0, height() / 2.0) - point);
}

void OverviewMap::ShowAllOfJapan() {
  m_view.Reset(size());
  m_viewSet = true;
  update();
}

void OverviewMap::ZoomBy(double factor) {
  m_view.Zoom(factor, QPointF(width() / 2.0, height() / 2.0));
  update();
}

QPointF OverviewMap::StationPoint(const OverviewStation& station) const {
  return m_view.ToScreen(station.position);
}

void OverviewMap::resizeEvent(QResizeEvent*) {
  if (m_viewSet) {
    m_view.Resize(size());
  } else {
    ShowAllOfJapan();
  }
}

void OverviewMap::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), kSea);
  DrawCoasts(painter);
  if (m_overview == nullptr) return;
  for (const OverviewStation& station : m_overview->Stations()) DrawStation(painter, station);
  DrawSelection(painter);
  DrawLabels(painter);
}

// A dark ring around the selected dot, and the focus's dotted one around it.
void OverviewMap::DrawSelection(QPainter& painter) const {
  const OverviewStation* station = m_overview->Find(m_selected.toStdString());
  if (station == nullptr) return;
  const QPointF dot = StationPoint(*station);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 2.0));
  painter.drawEllipse(dot, kDotRadius + 3, kDotRadius + 3);
  if (!hasFocus()) return;
  painter.setPen(QPen(Qt::black, 1.0, Qt::DotLine));
  painter.drawEllipse(dot, kDotRadius + 6, kDotRadius + 6);
}

void OverviewMap::DrawCoasts(QPainter& painter) const {
  QPainterPath land;
  land.setFillRule(Qt::OddEvenFill);
  for (const CoastRing& ring : JapanCoasts()) {
    land.moveTo(m_view.ToScreen(ring.front()));
    for (std::size_t i = 1; i < ring.size(); ++i) land.lineTo(m_view.ToScreen(ring[i]));
    land.closeSubpath();
  }
  painter.setPen(QPen(kCoast, 1.0));
  painter.setBrush(kLand);
  painter.drawPath(land);
}

// A line from the dot towards where the wind comes from, longer for a stronger wind,
// with a short cross stroke at its end for a gust.
void OverviewMap::DrawStation(QPainter& painter, const OverviewStation& station) const {
  const QPointF dot = StationPoint(station);
  const QColor colour = CategoryColour(CategoryOf(station));
  const std::optional<WindValue>& wind = station.values.observed.wind;
  if (station.HasReport() && wind && wind->directionDegrees >= 0 && wind->speedKt > 0) {
    const double radians = wind->directionDegrees * std::numbers::pi / 180.0;
    const QPointF towards(std::sin(radians), -std::cos(radians));
    const double length = kDotRadius + 4 + std::min(wind->speedKt, 50) * 0.6;
    const QPointF end = dot + towards * length;
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.2));
    painter.drawLine(dot + towards * kDotRadius, end);
    if (wind->gustKt > 0) {
      const QPointF across(-towards.y(), towards.x());
      painter.drawLine(end - across * 3, end + across * 3);
    }
  }
  painter.setPen(QPen(colour, 2.0));
  // An old report is drawn hollow: the station may have stopped reporting.
  painter.setBrush(IsOldReport(station, m_now) ? QBrush(Qt::white) : QBrush(colour));
  painter.drawEllipse(dot, kDotRadius, kDotRadius);
  if (m_watched.contains(station.code)) {
    painter.setPen(QPen(WatchRingColour(), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(dot, kWatchRingRadius, kWatchRingRadius);
  }
}

void OverviewMap::SetWatchedStations(std::set<std::string> codes) {
  m_watched = std::move(codes);
  update();
}

QColor OverviewMap::WatchRingColour() {
  return {0xFF, 0x8C, 0x00};
}

void OverviewMap::DrawLabels(QPainter& painter) {
  const QFontMetricsF metrics(font());
  std::vector<LabelRequest> requests;
  for (const OverviewStation& station : m_overview->Stations()) {
    const QString code = QString::fromStdString(station.code);
    requests.push_back({StationPoint(station), metrics.size(0, code) + QSizeF(2, 0),
                        LabelPriority(CategoryOf(station))});
  }
  m_labels = PlaceLabels(requests, kDotRadius);
  painter.setPen(Qt::black);
  for (std::size_t i = 0; i < m_labels.size(); ++i) {
    if (m_labels[i].isEmpty()) continue;
    painter.drawText(m_labels[i], Qt::AlignCenter,
                     QString::fromStdString(m_overview->Stations()[i].code));
  }
}

const OverviewStation* OverviewMap::StationAt(QPointF point) const {
  if (m_overview == nullptr) return nullptr;
  const OverviewStation* nearest = nullptr;
  double nearestDistance = kDotRadius + 3;
  for (const OverviewStation& station : m_overview->Stations()) {
    const QPointF offset = StationPoint(station) - point;
    const double distance = std::hypot(offset.x(), offset.y());
    if (distance <= nearestDistance) {
      nearest = &station;
      nearestDistance = distance;
    }
  }
  return nearest;
}

void OverviewMap::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / 120.0;
  m_view.Zoom(std::pow(kZoomStep, steps), event->position());
  update();
}

void OverviewMap::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  m_dragFrom = event->position();
  m_dragged = false;
}

void OverviewMap::mouseMoveEvent(QMouseEvent* event) {
  if (!m_dragFrom) return;
  const QPointF delta = event->position() - *m_dragFrom;
  if (!m_dragged && delta.manhattanLength() < 4) return;
  m_dragged = true;
  m_view.Pan(delta);
  m_dragFrom = event->position();
  update();
}

void OverviewMap::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool click = !m_dragged;
  m_dragFrom.reset();
  if (!click) return;
  if (const OverviewStation* station = StationAt(event->position())) {
    const QString code = QString::fromStdString(station->code);
    SelectByUser(code);
    emit stationPicked(code);
  }
}

void OverviewMap::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      ZoomBy(kZoomStep);
      return;
    case Qt::Key_Minus:
      ZoomBy(1 / kZoomStep);
      return;
    case Qt::Key_Left:
      m_view.Pan({kPanStep, 0});
      break;
    case Qt::Key_Right:
      m_view.Pan({-kPanStep, 0});
      break;
    case Qt::Key_Up:
      m_view.Pan({0, kPanStep});
      break;
    case Qt::Key_Down:
      m_view.Pan({0, -kPanStep});
      break;
    case Qt::Key_Home:
      ShowAllOfJapan();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!m_selected.isEmpty()) emit stationPicked(m_selected);
      return;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  update();
}

// The station under the pointer, in Japanese: name, age, category and why, wind,
// visibility, ceiling and weather.
bool OverviewMap::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const OverviewStation* station = StationAt(help->pos());
  if (station == nullptr) {
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  QToolTip::showText(help->globalPos(), StationTooltipText(*station, m_now), this);
  return true;
}

// Tab and Shift+Tab go from station to station, north to south and back; past the last
// one the focus leaves the map as it would leave any other field.
bool OverviewMap::focusNextPrevChild(bool next) {
  const auto current = std::ranges::find(m_tabOrder, m_selected);
  if (current == m_tabOrder.end()) {
    if (m_tabOrder.empty()) return QWidget::focusNextPrevChild(next);
    SelectByUser(next ? m_tabOrder.front() : m_tabOrder.back());
    return true;
  }
  if (next ? std::next(current) == m_tabOrder.end() : current == m_tabOrder.begin()) {
    return QWidget::focusNextPrevChild(next);
  }
  SelectByUser(next ? *std::next(current) : *std::prev(current));
  return true;
}

}  // namespace aerolume

#include "overview/overview_map.hpp"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>
#include <numbers>

#include "conditions/category_reason.hpp"
#include "geography/japan_coasts.hpp"
#include "overview/label_placement.hpp"

namespace aerolume {

namespace {

constexpr double kDotRadius = 5.0;
constexpr double kWatchRingRadius = kDotRadius + 3.5;
constexpr double kZoomStep = 1.25;
constexpr double kPanStep = 60.0;
const QColor kSea(0xdc, 0xe9, 0xf2);
const QColor kLand(0xf4, 0xf1, 0xe8);
const QColor kCoast(0x8a, 0x9a, 0xa6);

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
  switch (category) {
    case FlightCategory::Vfr:
      return QColor(0x1a, 0x9e, 0x3a);
    case FlightCategory::Mvfr:
      return QColor(0x1f, 0x5f, 0xd6);
    case FlightCategory::Ifr:
      return QColor(0xd6, 0x1f, 0x1f);
    case FlightCategory::Lifr:
      return QColor(0xc0, 0x1f, 0xc0);
    case FlightCategory::Unknown:
      break;
  }
  return QColor(0x80, 0x80, 0x80);
}

void OverviewMap::SetOverview(const StationOverview* overview, UtcMinutes now) {
  m_overview = overview;
  m_now = now;
  update();
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
  DrawLabels(painter);
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
    emit stationPicked(QString::fromStdString(station->code));
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
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  update();
}

// The station under the pointer, in Japanese: name, age, category and why.
bool OverviewMap::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const OverviewStation* station = StationAt(help->pos());
  if (station == nullptr) {
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  QString text = QString::fromStdString(station->code + " " + station->name);
  if (station->HasReport()) {
    const std::string_view category = CategoryName(CategoryOf(*station));
    text += QString("\n%1分前の観測").arg((m_now - *station->observed).count());
    text += QString::fromStdString("\n" + (category.empty() ? "不明" : std::string(category)));
    const std::string reason = CategoryReasonJapanese(station->judgement);
    if (!reason.empty()) text += QString::fromStdString(" (" + reason + ")");
    text += "\n" + QString::fromStdString(station->report);
  } else {
    text += QString::fromStdString("\n" + station->failure);
  }
  QToolTip::showText(help->globalPos(), text, this);
  return true;
}

}  // namespace aerolume

#include "history/time_axis.hpp"

#include <QFontMetricsF>
#include <algorithm>

namespace aerolume {

namespace {

using std::chrono::hours;
using std::chrono::minutes;

constexpr hours kJapanOffset{9};
constexpr double kMinimumLabelGap = 6;  // pixels between two hour labels
const QColor kHourLine(0, 0, 0, 28);
const QColor kDayLine(0, 0, 0, 110);

// The first whole hour at or after `time`.
UtcMinutes HourAtOrAfter(UtcMinutes time) {
  const UtcMinutes hour = std::chrono::floor<hours>(time);
  return hour < time ? hour + hours(1) : hour;
}

bool IsJapanMidnight(UtcMinutes time) {
  return JapanHour(time) == 0 && time == std::chrono::floor<hours>(time);
}

// Every how many hours a label fits: 1, 2, 3, 6 or 12.
int LabelStep(double pixelsPerHour, double labelWidth) {
  for (int step : {1, 2, 3, 6, 12}) {
    if (pixelsPerHour * step >= labelWidth + kMinimumLabelGap) return step;
  }
  return 24;
}

}  // namespace

void TimeAxis::DrawDay(QPainter& painter, UtcMinutes midnight, QPointF topLeft) const {
  painter.save();
  QFont bold = painter.font();
  bold.setBold(true);
  painter.setFont(bold);
  painter.drawText(QRectF(topLeft, QSizeF(200, QFontMetricsF(bold).height())),
                   Qt::AlignLeft | Qt::AlignTop, QStringLiteral("%1日").arg(JapanDay(midnight)));
  painter.restore();
}

int JapanHour(UtcMinutes time) {
  const auto local = time + kJapanOffset;
  return static_cast<int>(
      std::chrono::floor<hours>(local - std::chrono::floor<std::chrono::days>(local)).count());
}

int JapanDay(UtcMinutes time) {
  const std::chrono::year_month_day date{
      std::chrono::floor<std::chrono::days>(time + kJapanOffset)};
  return static_cast<int>(static_cast<unsigned>(date.day()));
}

QColor NowColour() {
  return QColor(230, 110, 0);
}

TimeAxis::TimeAxis(UtcMinutes start, UtcMinutes end, double left, double right)
    : m_start(start), m_end(std::max(end, start + minutes(1))), m_left(left), m_right(right) {}

double TimeAxis::X(UtcMinutes time) const {
  const double fraction = static_cast<double>((time - m_start).count()) /
                          static_cast<double>((m_end - m_start).count());
  return m_left + fraction * (m_right - m_left);
}

UtcMinutes TimeAxis::TimeAt(double x) const {
  const double fraction = (x - m_left) / (m_right - m_left);
  return m_start + minutes(static_cast<long>(
                       std::lround(fraction * static_cast<double>((m_end - m_start).count()))));
}

void TimeAxis::DrawGrid(QPainter& painter, const QRectF& plot) const {
  painter.save();
  for (UtcMinutes hour = HourAtOrAfter(m_start); hour <= m_end; hour += hours(1)) {
    const bool dayChange = IsJapanMidnight(hour);
    painter.setPen(QPen(dayChange ? kDayLine : kHourLine, dayChange ? 1.5 : 1.0));
    painter.drawLine(QPointF(X(hour), plot.top()), QPointF(X(hour), plot.bottom()));
  }
  painter.restore();
}

void TimeAxis::DrawLabels(QPainter& painter, const QRectF& band) const {
  painter.save();
  const QFontMetricsF metrics(painter.font());
  const double pixelsPerHour = X(m_start + hours(1)) - X(m_start);
  const int step = LabelStep(pixelsPerHour, metrics.horizontalAdvance(QStringLiteral("00")));
  const double lineHeight = metrics.height();
  painter.setPen(painter.pen().color());
  for (UtcMinutes hour = HourAtOrAfter(m_start); hour <= m_end; hour += hours(1)) {
    const int japanHour = JapanHour(hour);
    const double x = X(hour);
    painter.drawLine(QPointF(x, band.top()), QPointF(x, band.top() + 3));
    if (japanHour % step == 0) {
      const QString label = QStringLiteral("%1").arg(japanHour, 2, 10, QLatin1Char('0'));
      const QRectF box(x - 20, band.top() + 3, 40, lineHeight);
      painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, label);
    }
    if (IsJapanMidnight(hour)) DrawDay(painter, hour, QPointF(x + 2, band.top() + 3 + lineHeight));
  }
  painter.restore();
}

void TimeAxis::DrawNow(QPainter& painter, const QRectF& plot, UtcMinutes now) const {
  if (!Contains(now)) return;
  painter.save();
  painter.setPen(QPen(NowColour(), 1.5, Qt::DashLine));
  const double x = X(now);
  painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
  const QString label = QStringLiteral("現在");
  const double width = QFontMetricsF(painter.font()).horizontalAdvance(label);
  painter.setPen(NowColour());
  painter.drawText(
      QRectF(x - width - 3, plot.top(), width + 2, QFontMetricsF(painter.font()).height()),
      Qt::AlignRight | Qt::AlignTop, label);
  painter.restore();
}

}  // namespace aerolume

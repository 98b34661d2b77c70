#include "history/taf_timeline.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "conditions/taf_hour_text.hpp"
#include "history/hover_tip.hpp"
#include "wind/category_colour.hpp"

namespace aerolume {

namespace {

constexpr double kMargin = 4;
constexpr double kHourGap = 1;  // pixels between two hours' bars
constexpr int kTintAlpha = 60;
const QColor kUnknownHour(200, 200, 200);

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

bool IsAlternative(PeriodKind kind) {
  return kind == PeriodKind::Temporary || kind == PeriodKind::Probability ||
         kind == PeriodKind::ProbabilityTemporary;
}

QColor ColourOrGrey(FlightCategory category) {
  const QColor colour = CategoryColour(category);
  return colour.isValid() ? colour : kUnknownHour;
}

// What a TEMPO or PROB group changes: its wind, visibility and weather, and its sky.
std::string GroupCodes(const WeatherValues& values) {
  std::string codes = ForecastCodes(values);
  const std::string sky = SkyCodes(values);
  if (!codes.empty() && !sky.empty()) codes += ' ';
  return codes + sky;
}

}  // namespace

TafTimeline::TafTimeline(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TafTimeline::sizeHint() const {
  const QFontMetricsF metrics(font());
  return {900,
          static_cast<int>(metrics.height() * (5 + 1.4 * static_cast<double>(m_rows.size())) + 30)};
}

QSize TafTimeline::minimumSizeHint() const {
  return {400, sizeHint().height()};
}

void TafTimeline::SetTaf(TafValues taf, UtcMinutes now) {
  m_taf = std::move(taf);
  m_now = now;
  m_hours = TafHours(m_taf);
  m_codes.clear();
  m_rows.clear();
  for (const TafPeriod& period : m_taf.periods) {
    if (IsAlternative(period.kind)) {
      m_rows.push_back({Text(AlternativeName(period.kind, period.probabilityPercent)),
                        Text(GroupCodes(period.values)),
                        std::vector<FlightCategory>(m_hours.size(), FlightCategory::Unknown)});
    }
  }
  for (std::size_t hour = 0; hour < m_hours.size(); ++hour) {
    m_codes.push_back(Text(ForecastCodes(PrevailingAt(m_taf, m_hours[hour].time))));
    for (const TafAlternative& alternative : AlternativeGroupsAt(m_taf, m_hours[hour].time)) {
      std::size_t row = 0;
      for (const TafPeriod& period : m_taf.periods) {
        if (&period == alternative.period) break;
        if (IsAlternative(period.kind)) ++row;
      }
      m_rows[row].categories[hour] = JudgeCategory(alternative.values).category;
    }
  }
  updateGeometry();
  Layout();
  update();
}

void TafTimeline::resizeEvent(QResizeEvent*) {
  Layout();
}

void TafTimeline::Layout() {
  const QFontMetricsF metrics(font());
  m_left = metrics.horizontalAdvance(QStringLiteral("PROB40 TEMPO")) + 2 * kMargin;
  const double right = width() - metrics.horizontalAdvance(QStringLiteral("1000")) - 10;
  if (m_hours.empty()) {
    m_axis = TimeAxis(m_now, m_now + std::chrono::hours(1), m_left, right);
  } else {
    m_axis =
        TimeAxis(m_hours.front().time, m_hours.back().time + std::chrono::hours(1), m_left, right);
  }
  m_codesTop = kMargin;
  m_barTop = m_codesTop + metrics.height() + 2;
  m_barHeight = metrics.height() * 1.4;
  m_rowHeight = metrics.height() * 1.3;
  const double rowsBottom = RowTop(m_rows.size());
  m_labelBand = QRectF(m_left, rowsBottom, right - m_left, 2 * metrics.height() + 6);
}

double TafTimeline::RowTop(std::size_t row) const {
  return m_barTop + m_barHeight + 3 + static_cast<double>(row) * (m_rowHeight + 2);
}

QRectF TafTimeline::HourRect(std::size_t hour) const {
  const double from = m_axis.X(m_hours[hour].time);
  const double to = m_axis.X(m_hours[hour].time + std::chrono::hours(1));
  return QRectF(from + kHourGap / 2, m_barTop, to - from - kHourGap, m_barHeight);
}

QRectF TafTimeline::AlternativeRect(std::size_t row, std::size_t hour) const {
  const QRectF bar = HourRect(hour);
  return QRectF(bar.left(), RowTop(row), bar.width(), m_rowHeight);
}

FlightCategory TafTimeline::AlternativeCategory(std::size_t row, std::size_t hour) const {
  return m_rows[row].categories[hour];
}

void TafTimeline::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  if (m_hours.empty()) {
    painter.setPen(palette().windowText().color());
    painter.drawText(rect().adjusted(8, 4, -8, -4), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("TAFの有効期間がわかりません"));
    return;
  }
  const QRectF all(QPointF(m_left, m_barTop), QPointF(m_labelBand.right(), m_labelBand.top()));
  m_axis.DrawGrid(painter, all);
  DrawPrevailing(painter);
  DrawAlternatives(painter);
  DrawChanges(painter);
  painter.setRenderHint(QPainter::Antialiasing);
  m_axis.DrawNow(painter, QRectF(all.left(), m_codesTop, all.width(), all.bottom() - m_codesTop),
                 m_now);
  painter.setPen(palette().windowText().color());
  m_axis.DrawLabels(painter, m_labelBand);
}

void TafTimeline::DrawPrevailing(QPainter& painter) const {
  for (std::size_t hour = 0; hour < m_hours.size(); ++hour) {
    painter.fillRect(HourRect(hour), ColourOrGrey(m_hours[hour].prevailing.category));
  }
  painter.setPen(palette().windowText().color());
  painter.drawText(QRectF(0, m_barTop, m_left - kMargin, m_barHeight),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("TAF"));
}

void TafTimeline::DrawChanges(QPainter& painter) const {
  const QFontMetricsF metrics(painter.font());
  painter.save();
  painter.setPen(palette().windowText().color());
  for (std::size_t hour = 0; hour < m_hours.size(); ++hour) {
    if (hour > 0 && m_codes[hour] == m_codes[hour - 1]) continue;
    // Up to the next change, so that two texts never overlap.
    std::size_t next = hour + 1;
    while (next < m_hours.size() && m_codes[next] == m_codes[hour]) ++next;
    const double from = HourRect(hour).left();
    const double to = next < m_hours.size() ? HourRect(next).left() : m_axis.X(m_axis.End());
    painter.drawLine(QPointF(from, m_codesTop), QPointF(from, m_barTop));
    painter.drawText(QRectF(from + 2, m_codesTop, to - from - 4, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop,
                     metrics.elidedText(m_codes[hour], Qt::ElideRight, to - from - 4));
  }
  painter.restore();
}

void TafTimeline::DrawAlternatives(QPainter& painter) const {
  const QFontMetricsF metrics(painter.font());
  for (std::size_t row = 0; row < m_rows.size(); ++row) {
    painter.setPen(palette().windowText().color());
    painter.drawText(QRectF(0, RowTop(row), m_left - kMargin, m_rowHeight),
                     Qt::AlignRight | Qt::AlignVCenter, m_rows[row].name);
    std::optional<QRectF> covered;
    for (std::size_t hour = 0; hour < m_hours.size(); ++hour) {
      const FlightCategory category = m_rows[row].categories[hour];
      if (category == FlightCategory::Unknown) continue;
      const QRectF box = AlternativeRect(row, hour);
      QColor tint = ColourOrGrey(category);
      tint.setAlpha(kTintAlpha);
      painter.fillRect(box, tint);
      painter.fillRect(box, QBrush(ColourOrGrey(category), Qt::BDiagPattern));
      covered = covered ? covered->united(box) : box;
    }
    if (!covered || m_rows[row].codes.isEmpty()) continue;
    // The group's own codes over its hatching, on a pale ground to stay readable.
    const QString codes =
        metrics.elidedText(m_rows[row].codes, Qt::ElideRight, covered->width() - 6);
    const QRectF label(covered->left() + 3, covered->top(), metrics.horizontalAdvance(codes) + 2,
                       covered->height());
    painter.fillRect(label.adjusted(-1, 2, 1, -2), QColor(255, 255, 255, 210));
    painter.setPen(palette().windowText().color());
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, codes);
  }
}

QString TafTimeline::ToolTipAt(QPointF point) const {
  if (m_hours.empty() || point.y() > m_labelBand.top() || point.x() < m_left) return {};
  const UtcMinutes time = m_axis.TimeAt(point.x());
  for (const TafHour& hour : m_hours) {
    if (hour.time <= time && time < hour.time + std::chrono::hours(1)) {
      return Text(TafHourJapanese(m_taf, hour.time));
    }
  }
  return {};
}

bool TafTimeline::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  ShowHoverTip(this, static_cast<QHelpEvent*>(event),
               [this](QPointF point) { return ToolTipAt(point); });
  return true;
}

}  // namespace aerolume

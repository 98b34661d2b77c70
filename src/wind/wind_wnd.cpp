#include "wind/wind_wnd.hpp"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStringList>
#include <QTimerEvent>
#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

#include "wind/designator_boxes.hpp"
#include "wind/message_sink.hpp"
#include "wind/resource_image.hpp"
#include "wind/wind_frame.hpp"

namespace {

constexpr std::string_view kRingBitmap = "135";
constexpr std::string_view kArrowBitmap = "arrow.bmp";
constexpr std::string_view kBitmapType = "BITMAP";
constexpr std::string_view kDiagramType = "PNG";
// Screens of at least 1.5 device pixels per pixel take the pictures drawn at twice the
// pixels, which the frame then scales down at most, never up.
constexpr int kDoubleDensity = 2;
constexpr qreal kDoubleDensityFrom = 1.5;
// After the favoured end's line in the tooltip.
constexpr const char* kFavouredMark = " ←";

QImage LoadPicture(std::string_view name, std::string_view type, aerolume::MessageSink& messages) {
  CMyCImage image(messages);
  image.LoadResourceImage(name, type);
  return image.Image();
}

// The picture drawn for the scale, or the ordinary one when there is none at that scale
// (whose loading reports what is missing).
QImage LoadPicture(std::string_view name, std::string_view type, int scale,
                   aerolume::MessageSink& messages) {
  if (scale == kDoubleDensity) {
    QImage picture = aerolume::LoadDoubleDensityImage(name, type);
    if (!picture.isNull()) return picture;
  }
  return LoadPicture(name, type, messages);
}

}  // namespace

CWindWnd::CWindWnd(aerolume::MessageSink& messages, QWidget* parent)
    : QWidget(parent),
      m_messages(messages),
      m_ring(LoadPicture(kRingBitmap, kBitmapType, messages)),
      m_arrow(LoadPicture(kArrowBitmap, kBitmapType, messages)),
      m_ring2x(LoadPicture(kRingBitmap, kBitmapType, kDoubleDensity, messages)),
      m_arrow2x(LoadPicture(kArrowBitmap, kBitmapType, kDoubleDensity, messages)) {
  // Whatever the square does not cover stays white.
  QPalette background = palette();
  background.setColor(QPalette::Window, Qt::white);
  setPalette(background);
  setAutoFillBackground(true);
}

void CWindWnd::SetWind(std::string station, int direction, int speed, int varFrom, int varTo,
                       int gust) {
  m_station = std::move(station);
  m_windGust = gust;
  m_animation.SetWind(direction, speed, varFrom, varTo);
  // Components of another wind, or another station's ends, would mark the wrong label.
  SetRunwayWinds({});
}

void CWindWnd::SetRunwayWinds(std::vector<aerolume::RunwayEndWind> ends) {
  m_favouredEnd.clear();
  QStringList lines;
  for (const aerolume::RunwayEndWind& end : ends) {
    QString line = QString::fromStdString(aerolume::RunwayEndText(end));
    if (end.favoured) {
      line += QString::fromUtf8(kFavouredMark);
      m_favouredEnd = end.end.ident;
    }
    lines << line;
  }
  setToolTip(lines.join('\n'));
}

void CWindWnd::RestartAnimation() {
  m_picture.reset();
  StopTimer();
  LoadDiagram();
  DrawPicture();
  if (m_animation.Restart() != aerolume::WindAnimation::Motion::Still) {
    m_animation.TimerStarted(startTimer(m_animation.IntervalMs()));
  }
}

std::string CWindWnd::GetDiagramName() const {
  std::string name = m_station;
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name + ".png";
}

void CWindWnd::paintEvent(QPaintEvent* /*event*/) {
  OnPaint();
}

void CWindWnd::timerEvent(QTimerEvent* event) {
  OnTimer(event->timerId());
}

void CWindWnd::closeEvent(QCloseEvent* event) {
  OnClose();
  event->accept();
}

void CWindWnd::OnPaint() {
  QPainter painter(this);
  if (m_picture) {
    // Moved to a screen of another pixel density since the frame was drawn.
    if (m_picture->devicePixelRatio() != devicePixelRatioF()) {
      if (m_background.devicePixelRatio() != PictureScale()) LoadDiagram();
      ComposePicture();
    }
    painter.drawImage(QPoint(0, 0), *m_picture);
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(0, 0, m_size, m_size),
                    PictureScale() == kDoubleDensity ? m_ring2x : m_ring);
}

void CWindWnd::OnTimer(int timerId) {
  if (m_animation.OnTimer(timerId)) DrawPicture();
}

void CWindWnd::OnClose() {
  // Closing only hides a Qt widget, so the animation must not go on drawing unseen.
  StopTimer();
  m_picture.reset();
}

void CWindWnd::DrawPicture() {
  ComposePicture();
  update();
}

void CWindWnd::DrawArrow(QPainter& painter) {
  aerolume::DrawWindArrow(painter, TintedArrow(), m_animation.Angle());
}

void CWindWnd::ComposePicture() {
  QImage frame = m_background;
  if (m_animation.ShowsArrow()) {
    QPainter painter(&frame);
    DrawArrow(painter);
    // The half-transparent arrow would dim the designator where it crosses it. The
    // painter works in the 240-pixel picture's units, the badge is in pixels.
    if (!m_badge.isEmpty()) {
      const qreal scale = m_background.devicePixelRatio();
      painter.drawImage(QRectF(QPointF(m_badge.topLeft()) / scale, QSizeF(m_badge.size()) / scale),
                        m_background, m_badge);
    }
  }
  const qreal ratio = devicePixelRatioF();
  QImage picture = aerolume::ScaleWindFrame(frame, qRound(m_size * ratio));
  picture.setDevicePixelRatio(ratio);
  m_picture = std::move(picture);
}

void CWindWnd::LoadDiagram() {
  const int scale = PictureScale();
  QImage diagram;
  if (!m_station.empty()) {
    diagram = LoadPicture(GetDiagramName(), kDiagramType, scale, m_messages);
  }
  const QImage keyed = aerolume::KeyOutDiagram(diagram);
  m_background =
      aerolume::ComposeWindBackground(scale == kDoubleDensity ? m_ring2x : m_ring, keyed, scale);
  MarkFavouredEnd(keyed);
}

int CWindWnd::PictureScale() const {
  return devicePixelRatioF() >= kDoubleDensityFrom ? kDoubleDensity : 1;
}

// Once per restart, into the background, so the ticks only lay the arrow over it.
void CWindWnd::MarkFavouredEnd(const QImage& keyedDiagram) {
  m_badge = QRect();
  if (m_favouredEnd.empty()) return;
  const std::optional<QRect> box = aerolume::FindDesignator(m_station, m_favouredEnd);
  if (box) m_badge = aerolume::MarkDesignator(m_background, keyedDiagram, *box, ArrowColour());
}

void CWindWnd::StopTimer() {
  if (m_animation.TimerId() == 0) return;
  killTimer(m_animation.TimerId());
  // Qt hands a killed timer's id out again, so a kept id could match a later timer.
  m_animation.TimerStopped();
}

QColor CWindWnd::ArrowColour() const {
  return aerolume::SpeedColour(m_animation.Speed());
}

const QImage& CWindWnd::TintedArrow() {
  const QImage& arrow = m_background.devicePixelRatio() == kDoubleDensity ? m_arrow2x : m_arrow;
  if (m_tintedArrow.isNull() || m_tintedSpeed != m_animation.Speed() ||
      m_tintedArrow.devicePixelRatio() != arrow.devicePixelRatio()) {
    m_tintedArrow = aerolume::TintArrow(arrow, ArrowColour());
    m_tintedSpeed = m_animation.Speed();
  }
  return m_tintedArrow;
}

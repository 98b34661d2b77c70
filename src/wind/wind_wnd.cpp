#include "wind/wind_wnd.hpp"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>
#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

#include "wind/message_sink.hpp"
#include "wind/resource_image.hpp"
#include "wind/wind_frame.hpp"

namespace {

constexpr std::string_view kRingBitmap = "135";
constexpr std::string_view kArrowBitmap = "arrow.bmp";
constexpr std::string_view kBitmapType = "BITMAP";
constexpr std::string_view kDiagramType = "PNG";

QImage LoadPicture(std::string_view name, std::string_view type, aerolume::MessageSink& messages) {
  CMyCImage image(messages);
  image.LoadResourceImage(name, type);
  return image.Image();
}

}  // namespace

CWindWnd::CWindWnd(aerolume::MessageSink& messages, QWidget* parent)
    : QWidget(parent),
      m_messages(messages),
      m_ring(LoadPicture(kRingBitmap, kBitmapType, messages)),
      m_arrow(LoadPicture(kArrowBitmap, kBitmapType, messages)) {
  // Whatever the square does not cover stays white.
  QPalette background = palette();
  background.setColor(QPalette::Window, Qt::white);
  setPalette(background);
  setAutoFillBackground(true);
}

void CWindWnd::SetWind(std::string station, int direction, int speed, int varFrom, int varTo) {
  m_station = std::move(station);
  m_animation.SetWind(direction, speed, varFrom, varTo);
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
    if (m_picture->devicePixelRatio() != devicePixelRatioF()) ComposePicture();
    painter.drawImage(QPoint(0, 0), *m_picture);
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(0, 0, m_size, m_size), m_ring);
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
  }
  const qreal ratio = devicePixelRatioF();
  QImage picture = aerolume::ScaleWindFrame(frame, qRound(m_size * ratio));
  picture.setDevicePixelRatio(ratio);
  m_picture = std::move(picture);
}

void CWindWnd::LoadDiagram() {
  QImage diagram;
  if (!m_station.empty()) diagram = LoadPicture(GetDiagramName(), kDiagramType, m_messages);
  m_background = aerolume::ComposeWindBackground(m_ring, aerolume::KeyOutDiagram(diagram));
}

void CWindWnd::StopTimer() {
  if (m_animation.TimerId() == 0) return;
  killTimer(m_animation.TimerId());
  // Qt hands a killed timer's id out again, so a kept id could match a later timer.
  m_animation.TimerStopped();
}

const QImage& CWindWnd::TintedArrow() {
  if (m_tintedArrow.isNull() || m_tintedSpeed != m_animation.Speed()) {
    m_tintedArrow = aerolume::TintArrow(m_arrow, aerolume::SpeedColour(m_animation.Speed()));
    m_tintedSpeed = m_animation.Speed();
  }
  return m_tintedArrow;
}

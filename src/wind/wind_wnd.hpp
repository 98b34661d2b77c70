// The wind display beside the report fields: the compass ring, the chosen station's
// runway diagram and an arrow for the observed wind that points downwind, coloured by
// the speed, swinging across a variable sector or spinning when the direction is
// variable. Each frame is finished off-screen; painting only copies it.
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>
#include <string>

#include "wind/wind_animation.hpp"

class QPainter;

namespace aerolume {
class MessageSink;
}

class CWindWnd : public QWidget {
  Q_OBJECT

 public:
  // Loader messages (a diagram that cannot be loaded) go to messages, which must
  // outlive the window.
  explicit CWindWnd(aerolume::MessageSink& messages, QWidget* parent = nullptr);

  // The station and the wind values of its latest METAR, -1 for each one not reported.
  void SetWind(std::string station, int direction, int speed, int varFrom, int varTo);
  // Stops the running animation, draws the first frame of the values set and starts
  // the swing or the spin that they call for.
  void RestartAnimation();
  // The resource name of the station's runway diagram, "rjtt.png" for RJTT.
  std::string GetDiagramName() const;

  const std::string& Station() const { return m_station; }
  const aerolume::WindAnimation& Animation() const { return m_animation; }
  // The finished frame in device pixels; empty before the first restart and after close.
  const std::optional<QImage>& Picture() const { return m_picture; }

  // Side of the square picture in pixels; the dialog writes it after placing the window.
  int m_size = 0;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void OnPaint();
  void OnTimer(int timerId);
  void OnClose();
  void DrawPicture();
  void DrawArrow(QPainter& painter);
  void ComposePicture();
  void LoadDiagram();
  void StopTimer();
  const QImage& TintedArrow();

  aerolume::MessageSink& m_messages;
  std::string m_station;
  aerolume::WindAnimation m_animation;  // angle, speed, sector, step and timer id
  QImage m_ring;                        // both decoded once for the life of the window
  QImage m_arrow;
  QImage m_background;  // ring and the station's diagram, from one restart to the next
  QImage m_tintedArrow;
  int m_tintedSpeed = 0;  // the speed m_tintedArrow was tinted for
  std::optional<QImage> m_picture;
};

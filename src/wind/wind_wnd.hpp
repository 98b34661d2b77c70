// The wind display beside the report fields: the compass ring, the chosen station's
// runway diagram and an arrow for the observed wind that points downwind, coloured by
// the speed, swinging across a variable sector or spinning when the direction is
// variable. The designator of the runway end that the wind favours stands in black on
// a badge of the arrow's colour, above the arrow, and the tooltip lists the wind on every runway
// end. Each frame is finished off-screen; painting only copies it.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "stations/runway_wind.hpp"
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
  // Forgets the runway ends of the previous wind; set them again after this.
  void SetWind(std::string station, int direction, int speed, int varFrom, int varTo,
               int gust = -1);
  // The components on each of the station's runway ends for the wind just set: the
  // tooltip lists them, one end a line, and the next restart marks the favoured end's
  // designator with a badge of the arrow's colour. No ends: no tooltip and nothing marked.
  void SetRunwayWinds(std::vector<aerolume::RunwayEndWind> ends);
  // Stops the running animation, draws the first frame of the values set and starts
  // the swing or the spin that they call for.
  void RestartAnimation();
  // The resource name of the station's runway diagram, "rjtt.png" for RJTT.
  std::string GetDiagramName() const;

  const std::string& Station() const { return m_station; }
  int WindGust() const { return m_windGust; }
  // The end whose designator is marked; empty when none is.
  const std::string& FavouredEnd() const { return m_favouredEnd; }
  const aerolume::WindAnimation& Animation() const { return m_animation; }
  // The finished frame in device pixels; empty before the first restart and after close.
  const std::optional<QImage>& Picture() const { return m_picture; }
  // The ring and the diagram, its favoured designator marked, as the last restart drew
  // them at 240 pixels, or 480 (device pixel ratio 2) on a HiDPI screen: every frame
  // until the next restart lays the arrow over this.
  const QImage& Background() const { return m_background; }

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
  void MarkFavouredEnd(const QImage& keyedDiagram);
  void StopTimer();
  QColor ArrowColour() const;
  // 2 on a screen of 1.5 device pixels per pixel or more, where the pictures drawn at
  // twice the pixels are used; else 1.
  int PictureScale() const;
  const QImage& TintedArrow();

  aerolume::MessageSink& m_messages;
  std::string m_station;
  int m_windGust = -1;                  // knots; -1 when none
  std::string m_favouredEnd;            // the designator drawn in the arrow's colour
  aerolume::WindAnimation m_animation;  // angle, speed, sector, step and timer id
  QImage m_ring;                        // both decoded once for the life of the window
  QImage m_arrow;
  QImage m_ring2x;  // the same at twice the pixels, device pixel ratio 2
  QImage m_arrow2x;
  QImage m_background;  // ring and the station's diagram, from one restart to the next
  QRect m_badge;        // the favoured designator's badge, laid over the arrow in every frame
  QImage m_tintedArrow;
  int m_tintedSpeed = 0;  // the speed m_tintedArrow was tinted for
  std::optional<QImage> m_picture;
};

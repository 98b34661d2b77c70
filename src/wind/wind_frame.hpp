// One frame of the wind display, composed from the three pictures without any
// widget: the compass ring, the station's runway diagram over it and the wind
// arrow, tinted by the speed and turned to the direction. The pictures are drawn
// for a 240-pixel square, and again at twice the pixels for HiDPI screens; the window
// scales the finished frame to its own size so that the arrow always turns about the
// ring's centre.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>

class QPainter;

namespace aerolume {

inline constexpr int kWindFrameSide = 240;
// The ring is centred on pixel (120, 120); the arrow turns about that pixel's centre.
inline constexpr QPointF kWindRotationCentre{120.5, 120.5};
// Runway diagrams paint everything that is not airfield in this colour.
inline constexpr QRgb kDiagramKeyColour = 0xFFF0F0F0;

// The arrow's colour for a speed in knots: hue 180 - 4.5 x speed (cyan for light
// winds, through green and yellow, to red at 40 knots and above), full saturation
// and value.
QColor SpeedColour(int speed);

// The diagram ready to lay over the ring: every key-colour pixel transparent, every
// other pixel opaque in its own colour. The diagram's alpha is ignored, so its
// transparent background and any half-transparent edge decide nothing.
QImage KeyOutDiagram(const QImage& diagram);

// The arrow picture as drawn for one speed: dark pixels (red, green and blue all
// 0-127) left out, the light ones scaled by the colour and at half opacity, so the
// ring and runways show through.
QImage TintArrow(const QImage& arrow, const QColor& colour);

// The ring with the keyed diagram over it, either of which may be null, on a frame of
// 240 pixels times scale whose device pixel ratio is scale: at 2 for a screen of twice
// the density, where pictures drawn at 2 (device pixel ratio 2) keep every pixel.
QImage ComposeWindBackground(const QImage& ring, const QImage& keyedDiagram, int scale = 1);

// The favoured designator's letters: black, which stands at least 5.2:1 against every
// speed colour (red, the darkest, included), where the colour itself drawn on the light
// ring would all but vanish for yellow.
inline constexpr QRgb kDesignatorInk = 0xFF000000;

// Marks one designator of the keyed diagram on the background as a badge: the box,
// grown by a pixel on every side, is filled with the colour, and every pixel inside
// the box where the diagram has ink darker than its runway grey in red, green and blue
// is drawn in kDesignatorInk. Only the black of a label is that dark; the pavement,
// the centre lines, the background, a label's white over pavement and its faint
// anti-aliased rim are all lighter and take the badge's colour. The box is in
// the 240-pixel picture's units and the badge's margin is one of its pixels: both are
// scaled by the background's device pixel ratio. Returns the badge's rectangle in the
// background's pixels. Nothing happens (an empty rectangle) unless the diagram has the
// background's size in pixels.
QRect MarkDesignator(QImage& background, const QImage& keyedDiagram, const QRect& box,
                     const QColor& colour);

// Draws a tinted arrow onto a frame-sized surface (after any transform the painter
// already has), turned clockwise by angle degrees about the ring's centre: at 0 the
// tip points at the ring's 36, at 90 at 09.
void DrawWindArrow(QPainter& painter, const QImage& tintedArrow, int angle);

// The background with the arrow over it, when there is one to show.
QImage ComposeWindFrame(const QImage& background, const QImage& tintedArrow, int angle,
                        bool showArrow);

// The frame as a square of side device pixels, smoothly scaled.
QImage ScaleWindFrame(const QImage& frame, int side);

}  // namespace aerolume

// The pictures behind and over every station diagram: the compass ring, the wind
// arrow, and the program icon made of the two.
#pragma once

#include <QImage>
#include <QPolygonF>
#include <QString>

namespace aerolume {

inline constexpr double kRingRadius = 92.0;

// 240 x 240 times scale, opaque: light grey with the ring, ticks every 10 degrees and
// the labels every 30. The labels name where the wind blows to, so 18 is at the top.
// At a scale of 2 the same geometry is drawn for screens of twice the pixel density.
QImage DrawCompassRing(int scale = 1);

// The label at a clockwise angle from the top: 0 gives "18", 90 gives "27".
QString RingLabel(int degreesFromTop);

// 240 x 240 times scale, opaque: a white arrow on black pointing down, edges in grey,
// exactly mirror-symmetric about the middle of column 119 (at scale 2, the line between
// columns 238 and 239).
QImage DrawArrow(int scale = 1);

// The arrow's outline in picture coordinates, the pixel (c, r) being the square from
// (c, r) to (c + 1, r + 1).
QPolygonF ArrowOutline();

// The ring with an arrow across it, side by side pixels, with a transparent outside.
QImage DrawIcon(int size);

}  // namespace aerolume

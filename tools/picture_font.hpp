// The one typeface of every picture: DejaVu Sans Bold, loaded from its file so that a
// redraw does not depend on what the machine's font configuration prefers.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

namespace aerolume {

// Throws std::runtime_error when the font file cannot be loaded.
void LoadPictureFont(const QString& path);

QFont PictureFont(int pixelSize);

// The ink of a text drawn at baseline origin (0, 0).
QRectF TextInk(const QFont& font, const QString& text);

// The baseline origin that centres the text's ink on a point.
QPointF BaselineForCentre(const QFont& font, const QString& text, QPointF centre);

}  // namespace aerolume

// Paints a laid-out station diagram: paved runways in mid grey with white centre lines,
// designators black on the background and white where they cross pavement.
#pragma once

#include <QImage>
#include <QSizeF>
#include <string>

#include "diagram_layout.hpp"

namespace aerolume {

// The ink size of a designator as PaintDiagram draws it.
QSizeF MeasureDesignator(const std::string& text);

// 240 x 240 RGBA times scale: every pixel left unpainted is RGB(240, 240, 240) with
// alpha 0 (the wind display leaves that colour out); every painted pixel is opaque. At
// a scale of 2 the same layout is drawn for screens of twice the pixel density.
QImage PaintDiagram(const DiagramLayout& layout, int scale = 1);

}  // namespace aerolume

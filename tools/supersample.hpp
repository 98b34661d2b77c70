// Coverage of a polygon per pixel, by counting sample points on a regular grid.
// Used where the edges must come out exactly mirror-symmetric, which a scan-line
// rasteriser does not promise.
#pragma once

#include <QPolygonF>

namespace aerolume {

// Fraction of pixel (column, row), the square [column, column+1) x [row, row+1),
// that lies inside the polygon (even-odd rule).
double PixelCoverage(const QPolygonF& polygon, int column, int row);

}  // namespace aerolume

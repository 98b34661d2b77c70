// Which station codes the map can label without one covering another: the worse
// categories first, then the list's order, each label right of its dot or left of it.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace aerolume {

struct LabelRequest {
  QPointF dot;
  QSizeF textSize;
  int priority = 0;  // higher is placed first
};

// A rectangle per request, empty where the label is left out.
std::vector<QRectF> PlaceLabels(const std::vector<LabelRequest>& requests, double dotRadius);

}  // namespace aerolume

#include "overview/label_placement.hpp"

#include <algorithm>
#include <numeric>

namespace aerolume {

namespace {

bool Collides(const QRectF& rect, const std::vector<QRectF>& placed) {
  return std::ranges::any_of(placed, [&](const QRectF& other) { return other.intersects(rect); });
}

}  // namespace

std::vector<QRectF> PlaceLabels(const std::vector<LabelRequest>& requests, double dotRadius) {
  std::vector<std::size_t> order(requests.size());
  std::iota(order.begin(), order.end(), 0);
  std::ranges::stable_sort(order, [&](std::size_t a, std::size_t b) {
    return requests[a].priority > requests[b].priority;
  });
  // The dots themselves are never covered.
  std::vector<QRectF> taken;
  for (const LabelRequest& request : requests) {
    taken.emplace_back(request.dot - QPointF(dotRadius, dotRadius),
                       QSizeF(2 * dotRadius, 2 * dotRadius));
  }
  std::vector<QRectF> labels(requests.size());
  for (const std::size_t i : order) {
    const LabelRequest& request = requests[i];
    const double top = request.dot.y() - request.textSize.height() / 2;
    const QRectF right(QPointF(request.dot.x() + dotRadius + 2, top), request.textSize);
    const QRectF left(QPointF(request.dot.x() - dotRadius - 2 - request.textSize.width(), top),
                      request.textSize);
    for (const QRectF& candidate : {right, left}) {
      if (Collides(candidate, taken)) continue;
      labels[i] = candidate;
      taken.push_back(candidate);
      break;
    }
  }
  return labels;
}

}  // namespace aerolume

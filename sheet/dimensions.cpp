// Where the dimension, extension lines and values of the overall sizes go on paper.
#include "dimensions.h"

#include <algorithm>
#include <cmath>

#include "drawing_scale.h"

namespace {
std::vector<QPointF> PaperPoints(const ViewDrawing& d, const BoxMapping& m) {
  std::vector<QPointF> points;
  for (const QLineF& l : d.lines) points.insert(points.end(), {m.Map(l.p1()), m.Map(l.p2())});
  return points;
}

// Below the drawing: an extension line down from the lowest point at each end, so its gap is to the figure.
DimensionMark Below(const std::vector<QPointF>& points, double value, double k) {
  double left = INFINITY, right = -INFINITY, bottom = -INFINITY;
  for (QPointF p : points)
    left = std::min(left, p.x()), right = std::max(right, p.x()), bottom = std::max(bottom, p.y());
  const auto lowestAt = [&](double x) {
    double y = -INFINITY;
    for (QPointF p : points)
      if (std::abs(p.x() - x) < 1e-6) y = std::max(y, p.y());
    return y;
  };
  const double at = bottom + kDimensionOffset * k, end = at + kExtensionBeyond * k;
  DimensionMark d;
  d.line = QLineF(left, at, right, at);
  d.extensions = {QLineF(left, lowestAt(left) + kExtensionGap * k, left, end),
                  QLineF(right, lowestAt(right) + kExtensionGap * k, right, end)};
  d.value = MmText(value);
  d.textAt = QPointF((left + right) / 2, at - 0.8 * k);
  return d;
}

// Left of the drawing, from the leftmost point at each end.
DimensionMark Left(const std::vector<QPointF>& points, double value, double k) {
  double top = INFINITY, bottom = -INFINITY, left = INFINITY;
  for (QPointF p : points)
    top = std::min(top, p.y()), bottom = std::max(bottom, p.y()), left = std::min(left, p.x());
  const auto leftmostAt = [&](double y) {
    double x = INFINITY;
    for (QPointF p : points)
      if (std::abs(p.y() - y) < 1e-6) x = std::min(x, p.x());
    return x;
  };
  const double at = left - kDimensionOffset * k, end = at - kExtensionBeyond * k;
  DimensionMark d;
  d.line = QLineF(at, bottom, at, top);
  d.extensions = {QLineF(leftmostAt(bottom) - kExtensionGap * k, bottom, end, bottom),
                  QLineF(leftmostAt(top) - kExtensionGap * k, top, end, top)};
  d.value = MmText(value);
  d.textAt = QPointF(at - 0.8 * k, (top + bottom) / 2);
  d.upright = true;
  return d;
}
}  // namespace

std::vector<DimensionMark> OverallDimensions(const ThreeViews& views, const ThreeViewMappings& m,
                                             const FigureSize& size, double markSize) {
  if (views.front.lines.empty()) return {};
  const std::vector<QPointF> front = PaperPoints(views.front, m.front),
                             side = PaperPoints(views.side, m.side);
  return {Below(front, size.width, markSize), Left(front, size.height, markSize),
          Below(side, size.depth, markSize)};
}

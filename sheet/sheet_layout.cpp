// Page geometry for the worksheets: projection through ComputeView, the boxes, scales and grids.
#include "sheet/sheet_layout.h"

#include <algorithm>
#include <cmath>

#include "figure/app_state.h"
#include "view/compute_view.h"

namespace {
// A view is centred on its bounds; a figure without lines on the origin.
QPointF CentreOf(const ViewDrawing& d) { return d.lines.empty() ? QPointF() : d.bounds.center(); }
}  // namespace

ViewDrawing ProjectFigure(const AppState& figure, ViewAngles angles) {
  AppState s = figure;
  s.mintAngleH = angles.h;
  s.mintAngleV = angles.v;
  ComputeView(s);
  ViewDrawing d;
  const int n = std::clamp<int>(s.mintLineCount, 0, kMaxLines);
  double left = 0, right = 0, bottom = 0, top = 0;
  for (int k = 1; k <= n; ++k) {
    const QPointF a(s.msngViewLineX[2 * k - 1], s.msngViewLineY[2 * k - 1]);
    const QPointF b(s.msngViewLineX[2 * k], s.msngViewLineY[2 * k]);
    if (k == 1) left = right = a.x(), bottom = top = a.y();
    for (const QPointF& p : {a, b}) {
      left = std::min(left, p.x()), right = std::max(right, p.x());
      bottom = std::min(bottom, p.y()), top = std::max(top, p.y());
    }
    d.lines.emplace_back(a, b);
  }
  d.bounds = QRectF(QPointF(left, bottom), QPointF(right, top));
  return d;
}

ThreeViews ProjectThreeViews(const AppState& figure) {
  return {ProjectFigure(figure, kFrontView), ProjectFigure(figure, kTopView),
          ProjectFigure(figure, kSideView)};
}

PageLayout WorksheetLayout() {
  PageLayout l;
  constexpr double kMargin = 10, kBox = 80, kGap = 6, kTop = 32;
  l.title = QRectF(kMargin, kMargin, 150, 14);
  l.nameBox = QRectF(165, kMargin, 80, 14);
  l.dateBox = QRectF(249, kMargin, 38, 14);
  l.topBox = QRectF(kMargin, kTop, kBox, kBox);
  l.frontBox = QRectF(kMargin, kTop + kBox + kGap, kBox, kBox);
  l.sideBox = QRectF(kMargin + kBox + kGap, kTop + kBox + kGap, kBox, kBox);
  l.isometricBox = QRectF(l.sideBox.left(), kTop, l.page.width() - kMargin - l.sideBox.left(), kBox);
  l.notes = QRectF(l.sideBox.right() + kGap, l.sideBox.top(),
                   l.isometricBox.right() - l.sideBox.right() - kGap, kBox);
  return l;
}

double ThreeViewScale(const std::vector<ThreeViews>& figures, const PageLayout& layout) {
  double largest = 0;
  for (const ThreeViews& v : figures) {
    for (const ViewDrawing* d : {&v.front, &v.top, &v.side}) {
      largest = std::max({largest, d->bounds.width(), d->bounds.height()});
    }
  }
  if (!(largest > 0)) return 1;
  return (layout.frontBox.width() - 2 * kBoxPadding) / largest;
}

ThreeViewMappings MapThreeViews(const ThreeViews& views, const PageLayout& layout, double scale) {
  const QPointF front = CentreOf(views.front);
  return {{layout.frontBox, front, scale},
          {layout.topBox, QPointF(front.x(), CentreOf(views.top).y()), scale},
          {layout.sideBox, QPointF(CentreOf(views.side).x(), front.y()), scale}};
}

BoxMapping FitIsometric(const ViewDrawing& iso, const QRectF& box) {
  const double w = iso.bounds.width(), h = iso.bounds.height();
  double scale = 1;
  if (w > 0 || h > 0) {
    const double sx = w > 0 ? (box.width() - 2 * kBoxPadding) / w : INFINITY;
    const double sy = h > 0 ? (box.height() - 2 * kBoxPadding) / h : INFINITY;
    scale = std::min(sx, sy);
  }
  return {box, CentreOf(iso), scale};
}

std::vector<QLineF> GridLines(const BoxMapping& m, double unit) {
  std::vector<QLineF> lines;
  // Lines closer than 1 mm on paper are too dense to print; so a box holds at most one a millimetre.
  if (!(unit > 0) || !(m.scale > 0) || unit * m.scale < 1) return lines;
  // The multiples k·unit between lo and hi, k counted in whole numbers. Past 2^31 steps from zero one
  // unit is lost in the rounding of the coordinates (and past 2^53 a double stops counting at all), so
  // such a grid is left out rather than drawn in the wrong places.
  const auto multiples = [&](double lo, double hi, auto line) {
    const double first = std::ceil(lo / unit), count = std::floor(hi / unit) - first + 1;
    if (!(std::abs(first) + count < 0x1p31)) return;
    for (int i = 0; i < int(count); ++i) line((first + i) * unit);
  };
  const double halfW = m.box.width() / 2 / m.scale, halfH = m.box.height() / 2 / m.scale;
  multiples(m.centre.x() - halfW, m.centre.x() + halfW, [&](double x) {
    const double px = m.Map(QPointF(x, 0)).x();
    lines.emplace_back(px, m.box.top(), px, m.box.bottom());
  });
  multiples(m.centre.y() - halfH, m.centre.y() + halfH, [&](double y) {
    const double py = m.Map(QPointF(0, y)).y();
    lines.emplace_back(m.box.left(), py, m.box.right(), py);
  });
  return lines;
}

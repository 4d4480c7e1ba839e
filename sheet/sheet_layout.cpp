// Page geometry for the worksheets: projection through ComputeView, the boxes, scales and grids.
#include "sheet_layout.h"

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
  const int n = LineCount(s);
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

namespace {
ProblemLayout LayOutProblem(const QRectF& cell) {
  ProblemLayout l;
  l.cell = cell;
  l.size = std::clamp(cell.height() / 165, 0.6, 1.0);
  const double gap = 6 * l.size, caption = 5 * l.size;  // the boxes' captions above them
  constexpr double kPictureToBox = 1.35;                // the picture column's width against a view box
  const double b =
      std::min((cell.height() - caption - gap) / 2, (cell.width() - 2 * gap) / (2 + kPictureToBox));
  const double x = cell.left(), y = cell.top() + caption;
  l.topBox = QRectF(x, y, b, b);
  l.frontBox = QRectF(x, y + b + gap, b, b);
  l.sideBox = QRectF(x + b + gap, y + b + gap, b, b);
  l.notes = QRectF(x + b + gap, y, b, b);
  l.pictureBox = QRectF(x + 2 * (b + gap), y, cell.right() - x - 2 * (b + gap), 2 * b + gap);
  return l;
}

// How far a drawing may grow in a box of `w` by `h` paper mm: infinite for an extent of nothing.
double Fit(const ViewDrawing& d, double w, double h) {
  if (d.lines.empty()) return INFINITY;
  const double sx = d.bounds.width() > 0 ? w / d.bounds.width() : INFINITY;
  const double sy = d.bounds.height() > 0 ? h / d.bounds.height() : INFINITY;
  return std::max(0.0, std::min(sx, sy));
}

// Lines a·x + b·y = k·unit (b 0 or 1) through the view rectangle under the box, in paper mm.
void Family(const BoxMapping& m, double a, double b, double unit, std::vector<QLineF>& lines) {
  const QPointF lo = m.Unmap(m.box.bottomLeft()), hi = m.Unmap(m.box.topRight());
  const double values[] = {a * lo.x() + b * lo.y(), a * lo.x() + b * hi.y(), a * hi.x() + b * lo.y(),
                           a * hi.x() + b * hi.y()};
  const double first = std::ceil(*std::min_element(std::begin(values), std::end(values)) / unit);
  const double count = std::floor(*std::max_element(std::begin(values), std::end(values)) / unit) - first + 1;
  // Past 2^31 steps from zero the rounding of the coordinates loses whole units: left out, not misplaced.
  if (!(std::abs(first) + count < 0x1p31)) return;
  for (int i = 0; i < int(count); ++i) {
    const double c = (first + i) * unit;
    if (b == 0) {
      lines.emplace_back(m.Map(QPointF(c / a, lo.y())), m.Map(QPointF(c / a, hi.y())));
      continue;
    }
    // y = c − a·x, kept between lo.y and hi.y.
    double x0 = (c - lo.y()) / a, x1 = (c - hi.y()) / a;
    if (x0 > x1) std::swap(x0, x1);
    x0 = std::max(x0, lo.x()), x1 = std::min(x1, hi.x());
    if (x0 < x1) lines.emplace_back(m.Map(QPointF(x0, c - a * x0)), m.Map(QPointF(x1, c - a * x1)));
  }
}

constexpr double kCos30 = 0.86602540378443865, kTan30 = 0.57735026918962576, kHalfCos45 = 0.35355339059327376;
}  // namespace

PageLayout WorksheetLayout(int perPage) {
  PageLayout l;
  constexpr double kMargin = 10, kRow = 14, kAreaTop = 35;
  const double right = l.page.width() - kMargin;
  double x = right;
  for (const auto& [label, width] : {std::pair{u"名前", 64.0}, {u"番", 18.0}, {u"組", 18.0}, {u"年", 18.0}}) {
    x -= width;
    l.fields.insert(l.fields.begin(), {QString::fromUtf16(label), QRectF(x, kMargin, width, kRow)});
  }
  l.title = QRectF(kMargin, kMargin, x - 4 - kMargin, kRow);
  l.note = QRectF(kMargin, kMargin + kRow + 1.5, right - kMargin, 8);
  const QRectF area(kMargin, kAreaTop, right - kMargin, l.page.height() - kMargin - kAreaTop);
  const int columns = perPage == 4 ? 2 : 1, rows = perPage == 1 ? 1 : 2;
  constexpr double kBetween = 6;
  const double w = (area.width() - (columns - 1) * kBetween) / columns;
  const double h = (area.height() - (rows - 1) * kBetween) / rows;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c)
      l.problems.push_back(
          LayOutProblem(QRectF(area.left() + c * (w + kBetween), area.top() + r * (h + kBetween), w, h)));
  return l;
}

double LargestFittingFactor(const ThreeViews& v, const ViewDrawing& picture, const ProblemLayout& l,
                            bool dimensions) {
  const double inner = l.frontBox.width() - 2 * l.Padding();
  const double room = dimensions ? l.DimensionRoom() : 0;
  return std::min(
      {Fit(v.front, inner - room, inner - room), Fit(v.top, inner - room, inner),
       Fit(v.side, inner, inner - room),
       Fit(picture, l.pictureBox.width() - 2 * l.Padding(), l.pictureBox.height() - 2 * l.Padding())});
}

ThreeViewMappings MapThreeViews(const ThreeViews& views, const ProblemLayout& l, double scale,
                                bool dimensions) {
  const QPointF front = CentreOf(views.front);
  const double half = dimensions ? l.DimensionRoom() / 2 : 0;
  return {{l.frontBox, front, scale, {half, -half}},
          {l.topBox, QPointF(front.x(), CentreOf(views.top).y()), scale, {half, 0}},
          {l.sideBox, QPointF(CentreOf(views.side).x(), front.y()), scale, {0, -half}}};
}

BoxMapping MapPicture(const ViewDrawing& picture, const ProblemLayout& l, double scale) {
  return {l.pictureBox, CentreOf(picture), scale, {}};
}

ViewDrawing ProjectPicture(const std::vector<Edge>& edges, PictureKind kind) {
  double front = -INFINITY;
  for (const Edge& e : edges) front = std::max({front, e.a.z, e.b.z});
  // Depth counts back from the front face, so that face lies on the squares.
  const auto place = [&](const Point3& p) {
    if (kind == PictureKind::Isometric) return QPointF((p.x - p.z) * kCos30, p.y - (p.x + p.z) / 2);
    return QPointF(p.x + (front - p.z) * kHalfCos45, p.y + (front - p.z) * kHalfCos45);
  };
  ViewDrawing d;
  for (const Edge& e : edges) {
    d.lines.emplace_back(place(e.a), place(e.b));
    const QRectF r = QRectF(d.lines.back().p1(), d.lines.back().p2()).normalized();
    d.bounds = d.lines.size() == 1 ? r : d.bounds.united(r);
  }
  return d;
}

FigureSize SizeOf(const std::vector<Edge>& edges) {
  if (edges.empty()) return {};
  Point3 lo = edges.front().a, hi = lo;
  for (const Edge& e : edges)
    for (const Point3& p : {e.a, e.b}) {
      lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
      hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    }
  return {hi.x - lo.x, hi.z - lo.z, hi.y - lo.y};
}

double GridStep(double unit, double scale) {
  double step = unit;
  for (int k = 0; k < 40 && step * scale < 2; ++k) step *= k % 3 == 1 ? 2.5 : 2;
  return step;
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
  const QPointF lo = m.Unmap(m.box.bottomLeft()), hi = m.Unmap(m.box.topRight());
  multiples(lo.x(), hi.x(), [&](double x) {
    const double px = m.Map(QPointF(x, 0)).x();
    lines.emplace_back(px, m.box.top(), px, m.box.bottom());
  });
  multiples(lo.y(), hi.y(), [&](double y) {
    const double py = m.Map(QPointF(0, y)).y();
    lines.emplace_back(m.box.left(), py, m.box.right(), py);
  });
  return lines;
}

std::vector<QLineF> IsometricGridLines(const BoxMapping& m, double unit) {
  std::vector<QLineF> lines;
  if (!(unit > 0) || !(m.scale > 0) || unit * kCos30 * m.scale < 1) return lines;
  Family(m, 1 / kCos30, 0, unit, lines);  // upright: x − z whole
  Family(m, kTan30, 1, unit, lines);      // along x: y − z whole
  Family(m, -kTan30, 1, unit, lines);     // along z: y − x whole
  return lines;
}

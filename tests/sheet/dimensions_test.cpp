// Overall dimensions against the figures they measure: values, where their lines run on paper and the
// gaps a drawing class asks for.
#include "dimensions.h"

#include <gtest/gtest.h>

#include "sheet_figures.h"

namespace {
// A prism off the origin with its front's lower left corner cut off, so that the lowest point at its left
// end and the leftmost point at its bottom are not corners of its box.
std::vector<Edge> Chamfered() {
  const QPointF front[] = {{-5, 0}, {25, 0}, {25, 12.5}, {-15, 12.5}, {-15, 5}};
  std::vector<Edge> edges;
  for (size_t i = 0; i < 5; ++i) {
    const QPointF a = front[i], b = front[(i + 1) % 5];
    for (const double z : {5.0, 35.0}) edges.push_back({{a.x(), a.y(), z}, {b.x(), b.y(), z}});
    edges.push_back({{a.x(), a.y(), 5}, {a.x(), a.y(), 35}});
  }
  return edges;
}

double Nearest(QPointF p, const std::vector<QLineF>& lines, const BoxMapping& m) {
  double best = INFINITY;
  for (const QLineF& l : lines)
    for (const QPointF q : {m.Map(l.p1()), m.Map(l.p2())}) best = std::min(best, QLineF(p, q).length());
  return best;
}
}  // namespace

TEST(OverallDimensions, MeasureTheFigureAndStandClearOfIt) {
  const struct {
    const char* name;
    std::vector<Edge> edges;
    int perPage;
    double scale;
    const char* width;
    const char* height;
    const char* depth;
  } cases[] = {
      {"box", Box(40, 20, 30), 1, 1, "40", "20", "30"},
      {"chamfered, off the origin", Chamfered(), 1, 1, "40", "12.5", "30"},
      {"small problem", Box(100, 60, 80), 4, 0.2, "100", "60", "80"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto figure = FigureOf(c.edges);
    const ThreeViews views = ProjectThreeViews(*figure);
    const ProblemLayout cell = WorksheetLayout(c.perPage).problems.front();
    const ThreeViewMappings m = MapThreeViews(views, cell, c.scale, true);
    const FigureSize size = SizeOf(c.edges);
    const std::vector<DimensionMark> marks = OverallDimensions(views, m, size, cell.size);
    ASSERT_EQ(marks.size(), 3u);
    const DimensionMark &width = marks[0], &height = marks[1], &depth = marks[2];
    EXPECT_EQ(width.value.toStdString(), c.width);
    EXPECT_EQ(height.value.toStdString(), c.height);
    EXPECT_EQ(depth.value.toStdString(), c.depth);
    // Each line as long as what it measures, on paper.
    EXPECT_NEAR(width.line.length(), size.width * c.scale, 0.01);
    EXPECT_NEAR(height.line.length(), size.height * c.scale, 0.01);
    EXPECT_NEAR(depth.line.length(), size.depth * c.scale, 0.01);
    const double k = cell.size;
    const struct {
      const DimensionMark& mark;
      const ViewDrawing& view;
      const BoxMapping& map;
      QRectF box;
    } placed[] = {{width, views.front, m.front, cell.frontBox},
                  {height, views.front, m.front, cell.frontBox},
                  {depth, views.side, m.side, cell.sideBox}};
    for (const auto& p : placed) {
      // The extension lines square to the dimension line, through its two ends.
      for (int end = 0; end < 2; ++end) {
        const QLineF& e = p.mark.extensions[end];
        const QPointF tip = end == 0 ? p.mark.line.p1() : p.mark.line.p2();
        EXPECT_NEAR(std::abs(std::remainder(e.angle() - p.mark.line.angle(), 180)), 90, 1e-6);
        EXPECT_NEAR(
            std::abs((e.p2() - e.p1()).x() * (tip - e.p1()).y() - (e.p2() - e.p1()).y() * (tip - e.p1()).x()),
            0, 1e-6);
      }
      const QRectF drawing(p.map.Map(p.view.bounds.topLeft()), p.map.Map(p.view.bounds.bottomRight()));
      for (const QLineF& e : p.mark.extensions) {
        // A small gap from the figure, and a little past the dimension line.
        EXPECT_NEAR(Nearest(e.p1(), p.view.lines, p.map), kExtensionGap * k, 1e-6);
        const double past = p.mark.upright ? p.mark.line.x1() - e.p2().x() : e.p2().y() - p.mark.line.y1();
        EXPECT_NEAR(past, kExtensionBeyond * k, 1e-6);
        EXPECT_TRUE(p.box.contains(e.p2()));
      }
      // The value above a level line, left of an upright one (read from the right), between its ends.
      if (p.mark.upright) {
        EXPECT_LT(p.mark.textAt.x(), p.mark.line.x1());
        EXPECT_NEAR(p.mark.line.x1(), drawing.normalized().left() - kDimensionOffset * k, 1e-6);
      } else {
        EXPECT_LT(p.mark.textAt.y(), p.mark.line.y1());
        EXPECT_NEAR(p.mark.line.y1(), drawing.normalized().bottom() + kDimensionOffset * k, 1e-6);
      }
      EXPECT_TRUE(p.box.contains(p.mark.line.p1()) && p.box.contains(p.mark.line.p2()));
    }
  }
}

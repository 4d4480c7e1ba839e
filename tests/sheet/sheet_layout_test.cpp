// The view boxes' grids: where their lines fall, and when a grid is left out.
#include "sheet_layout.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(GridLines, FallOnWholeUnitsOrAreLeftOut) {
  const QRectF box(10, 10, 80, 80);
  struct Case {
    const char* name;
    QPointF centre;
    double scale, unit;
    size_t vertical, horizontal;
  } cases[] = {
      {"centred on a grid line", {0, 0}, 1, 20, 5, 5},
      {"between grid lines", {10, -10}, 2, 20, 2, 2},
      {"1 mm apart", {0, 0}, 1, 1, 81, 81},
      {"too dense to print", {0, 0}, 1, 0.99, 0, 0},
      {"x too far out to count units", {1e18, 0}, 1, 20, 0, 5},
      {"both too far out for a small unit", {3e13, 3e13}, 1000, 0.001, 0, 0},
      {"no centre", {NAN, 0}, 1, 20, 0, 5},
  };
  for (const Case& c : cases) {
    const BoxMapping m{box, c.centre, c.scale, {}};
    size_t vertical = 0, horizontal = 0;
    for (const QLineF& l : GridLines(m, c.unit)) {
      const bool upright = l.x1() == l.x2();
      ++(upright ? vertical : horizontal);
      // Each line crosses the whole box at a whole multiple of the unit.
      const QPointF at = upright ? QPointF(l.x1(), box.center().y()) : QPointF(box.center().x(), l.y1());
      const double v = upright ? c.centre.x() + (at.x() - box.center().x()) / c.scale
                               : c.centre.y() - (at.y() - box.center().y()) / c.scale;
      EXPECT_NEAR(v / c.unit, std::round(v / c.unit), 1e-9) << c.name;
      EXPECT_TRUE(upright ? l.y1() == box.top() && l.y2() == box.bottom()
                          : l.x1() == box.left() && l.x2() == box.right())
          << c.name;
    }
    EXPECT_EQ(vertical, c.vertical) << c.name;
    EXPECT_EQ(horizontal, c.horizontal) << c.name;
  }
}

// Every rectangle on a page, with the caption strip written above each framed box.
TEST(WorksheetLayout, ProblemsFillThePageInReadingOrderWithoutOverlap) {
  for (const int perPage : {1, 2, 4}) {
    SCOPED_TRACE(perPage);
    const PageLayout l = WorksheetLayout(perPage);
    ASSERT_EQ(l.problems.size(), size_t(perPage));
    std::vector<QRectF> taken{l.title, l.note};
    for (const PageLayout::Field& f : l.fields) taken.push_back(f.box);
    const QRectF printable = l.page.adjusted(10, 10, -10, -10);
    const double below = std::max(l.note.bottom(), l.fields.front().box.bottom());
    for (size_t i = 0; i < l.problems.size(); ++i) {
      const ProblemLayout& p = l.problems[i];
      if (i > 0) {
        const ProblemLayout& before = l.problems[i - 1];
        EXPECT_TRUE(p.cell.top() > before.cell.top() || p.cell.left() > before.cell.left());
      }
      // Third-angle order inside each problem, boxes square and level.
      EXPECT_TRUE(p.topBox.bottom() < p.frontBox.top() && p.topBox.left() == p.frontBox.left());
      EXPECT_TRUE(p.sideBox.left() > p.frontBox.right() && p.sideBox.top() == p.frontBox.top());
      EXPECT_DOUBLE_EQ(p.frontBox.width(), p.frontBox.height());
      for (const QRectF& box : {p.topBox, p.frontBox, p.sideBox, p.pictureBox, p.notes}) {
        const QRectF withCaption = box.adjusted(0, -5 * p.size, 0, 0);
        EXPECT_TRUE(printable.contains(withCaption) && withCaption.top() >= below);
        for (const QRectF& other : taken) EXPECT_FALSE(withCaption.intersects(other));
        taken.push_back(withCaption);
      }
    }
  }
}

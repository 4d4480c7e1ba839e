// Which drawing scale a figure gets: the series at its boundaries, forced scales as written, and the
// choice for figures just inside and just outside each boundary on the real page layouts.
#include "drawing_scale.h"

#include <gtest/gtest.h>

#include "sheet_figures.h"
#include "sheet_layout.h"

TEST(DrawingScale, TheLargestOfTheSeriesNotAboveTheFactor) {
  const struct {
    double factor;
    const char* scale;
  } cases[] = {{1e9, "5:1"},       {5, "5:1"},     {4.999, "2:1"},   {2, "2:1"},       {1.999, "1:1"},
               {1, "1:1"},         {0.999, "1:2"}, {0.5, "1:2"},     {0.4999, "1:5"},  {0.2, "1:5"},
               {0.1999, "1:10"},   {0.1, "1:10"},  {0.0999, "1:20"}, {0.0499, "1:50"}, {0.01, "1:100"},
               {3e-6, "1:500000"}, {0, "1:1e+45"}};
  for (const auto& c : cases)
    EXPECT_EQ(LargestScaleWithin(c.factor).Text().toStdString(), c.scale) << c.factor;
  EXPECT_EQ(LargestScaleWithin(NAN).Text(), LargestScaleWithin(0).Text());
}

TEST(DrawingScale, ForcedScalesAreTwoWholeNumbers) {
  const struct {
    const char* text;
    const char* read;  // nullptr: refused
  } cases[] = {{"1:2", "1:2"},     {"2:1", "2:1"},           {" 1 : 50 ", "1:50"}, {"1：5", "1:5"},
               {"1:3", "1:3"},     {"0:1", nullptr},         {"1:0", nullptr},     {"1/2", nullptr},
               {"1:", nullptr},    {"0.5:1", nullptr},       {"-1:2", nullptr},    {"", nullptr},
               {"1:2:3", nullptr}, {"1:9999999999", nullptr}};
  for (const auto& c : cases) {
    const std::optional<DrawingScale> s = ParseScale(QString::fromUtf8(c.text));
    EXPECT_EQ(s ? s->Text().toStdString() : "refused", c.read ? c.read : "refused") << c.text;
  }
}

// Sizes in figure mm worked out from the page: a view box holds 65 mm (29.25 with four problems), less 10
// (6) for dimensions beside the front view; the isometric drawing of a cube is 1.73 times its edge wide.
TEST(DrawingScale, FiguresEitherSideOfEachBoundary) {
  const struct {
    const char* name;
    int perPage;
    bool dimensions;
    double w, h, d;
    const char* scale;
  } cases[] = {
      {"small cube at 5:1", 1, false, 11, 11, 11, "5:1"},
      {"just too big for 5:1", 1, false, 12, 12, 12, "2:1"},
      {"cube, picture limits at 2:1", 1, false, 28.5, 28.5, 28.5, "2:1"},
      {"just too big for 2:1", 1, false, 28.7, 28.7, 28.7, "1:1"},
      {"cube at 1:1", 1, false, 57, 57, 57, "1:1"},
      {"cube over 1:1", 1, false, 57.3, 57.3, 57.3, "1:2"},
      {"cube at 1:2", 1, false, 114, 114, 114, "1:2"},
      {"cube over 1:2", 1, false, 115, 115, 115, "1:5"},
      {"cube at 1:5", 1, false, 285, 285, 285, "1:5"},
      {"cube over 1:5", 1, false, 286, 286, 286, "1:10"},
      {"cube over 1:10", 1, false, 572, 572, 572, "1:20"},
      {"the program's largest figure", 1, false, 1000, 1000, 1000, "1:20"},
      {"wide bar, the views limit", 1, false, 64.9, 10, 10, "1:1"},
      {"wide bar over", 1, false, 65.1, 10, 10, "1:2"},
      {"wide bar with dimensions", 1, true, 54.9, 10, 10, "1:1"},
      {"wide bar with dimensions over", 1, true, 55.1, 10, 10, "1:2"},
      {"tall column", 1, false, 10, 64.9, 10, "1:1"},
      {"tall column over", 1, false, 10, 65.1, 10, "1:2"},
      {"tall column with dimensions over", 1, true, 10, 55.1, 10, "1:2"},
      {"deep bar: its dimension needs no room across", 1, true, 10, 10, 64.9, "1:1"},
      {"deep bar over", 1, true, 10, 10, 65.1, "1:2"},
      {"four to a page: cube, picture limits", 4, false, 27.8, 27.8, 27.8, "1:1"},
      {"four to a page: over", 4, false, 27.9, 27.9, 27.9, "1:2"},
      {"two to a page: cube, views limit", 2, false, 29.2, 29.2, 29.2, "1:1"},
      {"two to a page: over", 2, false, 29.3, 29.3, 29.3, "1:2"},
  };
  for (const auto& c : cases) {
    const std::vector<Edge> edges = Shifted(Box(c.w, c.h, c.d), {20, 20, 20});
    const auto figure = FigureOf(edges);
    const ProblemLayout cell = WorksheetLayout(c.perPage).problems.front();
    const double factor = LargestFittingFactor(
        ProjectThreeViews(*figure), ProjectPicture(edges, PictureKind::Isometric), cell, c.dimensions);
    EXPECT_EQ(LargestScaleWithin(factor).Text().toStdString(), c.scale) << c.name;
  }
}

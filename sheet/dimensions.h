// Overall dimensions on the three views, placed as a drawing class teaches: width under the front view,
// height left of it, depth under the side view.
#pragma once

#include <QLineF>
#include <QString>
#include <array>
#include <vector>

#include "sheet_layout.h"

struct DimensionMark {
  QLineF line;  // between the arrow tips, paper mm
  std::array<QLineF, 2> extensions;
  QString value;         // mm of the figure, no unit
  QPointF textAt;        // the middle of the text's side nearest the line
  bool upright = false;  // a height: the text turned to be read from the right
};

// Distances on paper for a page with one problem; `size` scales them for smaller problems.
inline constexpr double kDimensionOffset = 7, kExtensionGap = 1, kExtensionBeyond = 2;

// None for an empty figure. Values come from `size`, so rounding of the views does not reach them.
std::vector<DimensionMark> OverallDimensions(const ThreeViews& views, const ThreeViewMappings& m,
                                             const FigureSize& size, double markSize);

// Where everything sits on a worksheet page, and how a figure's views map into their boxes. Millimetres,
// y down, on an A4 landscape page.
#pragma once

#include <QLineF>
#include <QRectF>
#include <vector>

#include "view/view_commands.h"

struct AppState;

// A figure seen from one side: the lines in view coordinates (y up), and their bounds.
struct ViewDrawing {
  std::vector<QLineF> lines;
  QRectF bounds;  // of the end points; empty when there are no lines
};

// The figure turned to the angles by the program's own view transform.
ViewDrawing ProjectFigure(const AppState& figure, ViewAngles angles);

// The three orthographic views; the isometric picture is projected on its own.
struct ThreeViews {
  ViewDrawing front, top, side;
};
ThreeViews ProjectThreeViews(const AppState& figure);

struct PageLayout {
  QRectF page{0, 0, 297, 210};
  QRectF title;  // the figure's file name
  QRectF nameBox, dateBox;
  // Third-angle order: the top view above the front view, the right side view right of it.
  QRectF topBox, frontBox, sideBox;
  QRectF isometricBox;
  QRectF notes;  // task text, projection symbol, scale
};
PageLayout WorksheetLayout();

// Margin kept free inside a view box (mm).
inline constexpr double kBoxPadding = 6;

// One scale (paper mm per figure mm) for the three views of every figure on the run, chosen so the largest
// fits its box; 1 when no figure has any extent.
double ThreeViewScale(const std::vector<ThreeViews>& figures, const PageLayout& layout);

// Maps view coordinates into a box: `centre` (view units) lands on the box centre, y turned downwards.
struct BoxMapping {
  QRectF box;
  QPointF centre;
  double scale = 1;
  QPointF Map(QPointF v) const {
    return {box.center().x() + (v.x() - centre.x()) * scale, box.center().y() - (v.y() - centre.y()) * scale};
  }
  QLineF Map(const QLineF& l) const { return {Map(l.p1()), Map(l.p2())}; }
};

// The front and top views share their horizontal centre, the front and side views their vertical one, so
// the boxes line up as third-angle projection needs.
struct ThreeViewMappings {
  BoxMapping front, top, side;
};
ThreeViewMappings MapThreeViews(const ThreeViews& views, const PageLayout& layout, double scale);

// The isometric picture fitted into its box on its own scale.
BoxMapping FitIsometric(const ViewDrawing& iso, const QRectF& box);

// Grid lines at whole multiples of `unit` view units, clipped to the mapping's box; none when they would
// be closer than 1 mm or the coordinates are too large to place them.
std::vector<QLineF> GridLines(const BoxMapping& m, double unit);

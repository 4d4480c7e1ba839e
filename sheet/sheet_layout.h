// Where everything sits on a worksheet page, and how a figure's views map into their boxes. Millimetres,
// y down, on an A4 landscape page.
#pragma once

#include <QLineF>
#include <QRectF>
#include <QString>
#include <vector>

#include "edge_set.h"
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

// Margin kept free inside a view box on a page with one problem (mm).
inline constexpr double kBoxPadding = 6;

// Where a figure's problem sits: third-angle order, the top view above the front view and the right side
// view right of it; the notes (name, task, scale, symbol) above the side view, the picture in a column on the
// right.
struct ProblemLayout {
  QRectF cell;
  QRectF topBox, frontBox, sideBox, pictureBox, notes;
  double size = 1;  // text, margins and marks, relative to a page with one problem
  double Padding() const { return kBoxPadding * size; }
  // Room kept beside a view for its dimensions: left of and below the front view, below the side view.
  double DimensionRoom() const { return 10 * size; }
};

struct PageLayout {
  QRectF page{0, 0, 297, 210};
  QRectF title, note;
  struct Field {
    QString label;
    QRectF box;  // the label written in its left part
  };
  std::vector<Field> fields;  // 年, 組, 番, 名前
  std::vector<ProblemLayout> problems;
};
// 1, 2 (one above the other) or 4 (two by two) problems on one A4 landscape page.
PageLayout WorksheetLayout(int perPage = 1);

// The largest paper-per-figure factor at which the three views and the picture fit their boxes, with
// room for dimensions when asked; infinite when the figure has no extent.
double LargestFittingFactor(const ThreeViews& views, const ViewDrawing& picture, const ProblemLayout& layout,
                            bool dimensions);

// Maps view coordinates into a box: `centre` (view units) lands on the box centre, y turned downwards.
struct BoxMapping {
  QRectF box;
  QPointF centre;
  double scale = 1;
  QPointF shift;  // paper mm the drawing sits off the box centre
  QPointF Map(QPointF v) const {
    return {box.center().x() + shift.x() + (v.x() - centre.x()) * scale,
            box.center().y() + shift.y() - (v.y() - centre.y()) * scale};
  }
  QPointF Unmap(QPointF p) const {
    return {centre.x() + (p.x() - box.center().x() - shift.x()) / scale,
            centre.y() - (p.y() - box.center().y() - shift.y()) / scale};
  }
  QLineF Map(const QLineF& l) const { return {Map(l.p1()), Map(l.p2())}; }
};

// The front and top views share their horizontal centre, the front and side views their vertical one, so
// the boxes line up as third-angle projection needs. With dimensions the front view moves right and up to
// leave their room, and the other two move with it.
struct ThreeViewMappings {
  BoxMapping front, top, side;
};
ThreeViewMappings MapThreeViews(const ThreeViews& views, const ProblemLayout& layout, double scale,
                                bool dimensions = false);

// The picture centred in its box at the sheet's scale.
BoxMapping MapPicture(const ViewDrawing& picture, const ProblemLayout& layout, double scale);

// The pictures a learner reads or draws: true lengths along the three axes.
enum class PictureKind {
  Isometric,  // axes at 30° to the horizontal, all three true
  Cabinet,    // front face true, depth at 45° going back up and right, at half length
};
ViewDrawing ProjectPicture(const std::vector<Edge>& edges, PictureKind kind);

// The figure's overall extent along x (width), z (depth) and y (height), in figure mm.
struct FigureSize {
  double width = 0, depth = 0, height = 0;
};
FigureSize SizeOf(const std::vector<Edge>& edges);

// The grid step in figure mm: `unit`, or the first of 2, 5, 10, 20 ... times it whose squares are at least
// 2 mm on paper, so a grid at a small scale stays countable.
double GridStep(double unit, double scale);

// Grid lines at whole multiples of `unit` view units, clipped to the mapping's box; none when they would
// be closer than 1 mm or the coordinates are too large to place them.
std::vector<QLineF> GridLines(const BoxMapping& m, double unit);

// Isometric ruled paper: upright lines and lines at ±30°, through the points of the picture where all three
// coordinates are whole multiples of `unit`, clipped to the box; none when closer than 1 mm or too far out.
std::vector<QLineF> IsometricGridLines(const BoxMapping& m, double unit);

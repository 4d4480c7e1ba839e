// Builds the ordered drawing primitives of one redraw; the window rasterises and shows them.
#include "view/renderer.h"

#include <algorithm>

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "figure/numeric.h"
#include "shell/canvas.h"
#include "shell/services.h"
#include "view/compute_view.h"

namespace {
ScalePrim ScaleFor(const AppState& s) {
  const float z = s.msngZoom;
  const float cx = s.msngViewLineX[0];
  const float cy = s.msngViewLineY[0];
  return {-640.0f / (z + z) + cx, 450.0f / (z + z) + cy, 640.0f / z, -450.0f / z};
}

ViewPoint RefView(const AppState& s, int i) { return {s.msngViewRefX[i], s.msngViewRefY[i]}; }

void AddPointer(DisplayList& list, const AppState& s, int i, Rgb circleColour) {
  list.push_back(CirclePrim{RefView(s, i), 5.0f / s.msngZoom, circleColour, 2});
  list.push_back(TextPrim{RefView(s, i), CoordinateText(s.msngRefX[i], s.msngRefY[i], s.msngRefZ[i])});
}

void AddDrawModeMarks(DisplayList& list, const AppState& s) {
  list.push_back(LinePrim{RefView(s, 0), RefView(s, 1), kAxisX, 2});
  list.push_back(LinePrim{RefView(s, 0), RefView(s, 2), kAxisY, 2});
  list.push_back(LinePrim{RefView(s, 0), RefView(s, 3), kAxisZ, 2});
  AddPointer(list, s, 4, kRed);
  if (!s.mblnNoLineStart) {
    AddPointer(list, s, 5, kDarkGreen);
    list.push_back(LinePrim{RefView(s, 4), RefView(s, 5), kRed, 2});
  }
}

// "###0": whole number, at least one digit, minus sign directly before the digits.
QString Whole(float v) {
  const double r = RoundHalfEven(v);
  return QString::number(r == 0 ? 0.0 : r, 'f', 0);
}
}  // namespace

QString CoordinateText(float x, float y, float z) {
  return QStringLiteral("x= ") + Whole(x) + QStringLiteral(" y= ") + Whole(y) + QStringLiteral(" z=") +
         Whole(z);
}

DisplayList BuildRedrawList(const AppState& s, Rgb background) {
  const int lines = LineCount(s);
  DisplayList list;
  list.reserve(lines + 12);
  list.push_back(ClearPrim{background});
  list.push_back(ScaleFor(s));
  Rgb lineColour = kBlack;
  if (s.mblnDrawMode) {
    AddDrawModeMarks(list, s);
  } else {
    list.push_back(BackgroundPrim{s.mblnColorDraw ? kDarkGreen : kWhite});
    lineColour = s.mblnColorDraw ? kWhite : kBlack;
  }
  for (int k = 1; k <= 2 * lines - 1; k += 2) {
    list.push_back(LinePrim{{s.msngViewLineX[k], s.msngViewLineY[k]},
                            {s.msngViewLineX[k + 1], s.msngViewLineY[k + 1]},
                            lineColour,
                            1});
  }
  return list;
}

void RedrawFigure(const AppState& s, Canvas& canvas, Services& services) {
  canvas.DrawFigure(BuildRedrawList(s, canvas.FigureBackground()));
  PlayTurnSound(services);
}

void TransformAndRedraw(Context& c) {
  ComputeView(c.state);
  RedrawFigure(c.state, c.canvas, c.services);
}

void PlayTurnSound(Services& services) { services.PlayWave(QStringLiteral("./sound/turn.wav"), false); }

// Start-up values of the shared state and the figure-centre rule.
#include "figure/app_state.h"

#include "figure/numeric.h"

void InitialiseApplicationState(AppState& s) {
  s.mintUnitLength = 20;
  s.mintMaxSize = 200;
  s.mstrDataPath = u"./data";
  ResetFigureAndView(s);
  s.msngRefX[1] = 2000, s.msngRefY[1] = 0, s.msngRefZ[1] = 0;
  s.msngRefX[2] = 0, s.msngRefY[2] = 2000, s.msngRefZ[2] = 0;
  s.msngRefX[3] = 0, s.msngRefY[3] = 0, s.msngRefZ[3] = 2000;
  s.mblnDrawMode = false;
  s.mblnThirdAngle = false;
  s.mblnColorDraw = true;
}

void ResetFigureAndView(AppState& s) {
  s.msngLineX[0] = s.msngLineY[0] = s.msngLineZ[0] = 0;
  s.mintLineCount = 0;
  s.mintAngleH = -45;
  s.mintAngleV = 30;
  s.msngZoom = 1.0f;
  s.msngViewLineX[0] = s.msngViewLineY[0] = 0;
  for (int i : {0, 4, 5}) s.msngRefX[i] = s.msngRefY[i] = s.msngRefZ[i] = 0;
  s.mintTurnMode = 0;
  s.mblnModified = false;
  s.mblnNoLineStart = true;
  s.mblnTurning = false;
}

namespace {
// A double keeps the running maximum: loaded coordinates may lie far beyond 16 bits.
float CentreOf(const CoordArray& axis, int lineCount) {
  double max = 0;
  const int last = 2 * lineCount;
  for (int i = 1; i <= last; ++i) {
    if (max < axis[i]) max = RoundHalfEven(axis[i]);
  }
  return static_cast<float>(max / 2);
}
}  // namespace

void UpdateFigureCentre(AppState& s) {
  s.msngLineX[0] = CentreOf(s.msngLineX, LineCount(s));
  s.msngLineY[0] = CentreOf(s.msngLineY, LineCount(s));
  s.msngLineZ[0] = CentreOf(s.msngLineZ, LineCount(s));
}

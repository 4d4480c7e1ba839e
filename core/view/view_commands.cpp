// The view presets, the 5-degree steps and the zoom; every command ends with a redraw.
#include "view/view_commands.h"

#include <limits>

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "shell/canvas.h"
#include "shell/services.h"
#include "view/renderer.h"

namespace {
int16_t StepToward(int16_t angle, int16_t target) {
  if (angle > target) return static_cast<int16_t>(angle - 5);
  if (angle < target) return static_cast<int16_t>(angle + 5);
  return angle;
}
}  // namespace

int16_t AngleStepUp(int16_t angle) { return angle >= 355 ? int16_t{0} : static_cast<int16_t>(angle + 5); }

int16_t AngleStepDown(int16_t angle) {
  if (angle > 0 && angle < 5) return 355;
  // Endless downward steps would leave the 16-bit range; a whole number of turns looks the same.
  if (angle - 5 < std::numeric_limits<int16_t>::min()) angle = static_cast<int16_t>(angle % 360);
  return static_cast<int16_t>(angle - 5);
}

namespace {
void Step(Context& c, int16_t& angle, int16_t (*rule)(int16_t)) {
  angle = rule(angle);
  TransformAndRedraw(c);
}
}  // namespace

void GoToView(Context& c, int16_t targetH, int16_t targetV) {
  AppState& s = c.state;
  if (s.mintAngleH == targetH && s.mintAngleV == targetV) {
    TransformAndRedraw(c);
    return;
  }
  if (s.mintAngleH > 180) s.mintAngleH = static_cast<int16_t>(s.mintAngleH - 360);
  if (s.mintAngleV > 180) s.mintAngleV = static_cast<int16_t>(s.mintAngleV - 360);
  // At least one frame, even when the fold above already reached the target.
  do {
    s.mintAngleV = StepToward(s.mintAngleV, targetV);
    s.mintAngleH = StepToward(s.mintAngleH, targetH);
    c.canvas.AwaitGlideFrame();
    TransformAndRedraw(c);
    c.canvas.PresentGlideFrame();
  } while (s.mintAngleH != targetH || s.mintAngleV != targetV);
}

void SetView(Context& c, int16_t h, int16_t v) {
  c.state.mintAngleH = h;
  c.state.mintAngleV = v;
  TransformAndRedraw(c);
}

void VerticalAngleUp(Context& c) { Step(c, c.state.mintAngleV, AngleStepUp); }
void VerticalAngleDown(Context& c) { Step(c, c.state.mintAngleV, AngleStepDown); }
void HorizontalAngleUp(Context& c) { Step(c, c.state.mintAngleH, AngleStepUp); }
void HorizontalAngleDown(Context& c) { Step(c, c.state.mintAngleH, AngleStepDown); }

void Magnify(Context& c) {
  if (c.state.msngZoom <= 5.0) c.state.msngZoom = static_cast<float>(c.state.msngZoom * 1.1);
  RedrawFigure(c.state, c.canvas, c.services);
}

void Reduce(Context& c) {
  if (c.state.msngZoom > 0.5) c.state.msngZoom = static_cast<float>(c.state.msngZoom * 0.9);
  RedrawFigure(c.state, c.canvas, c.services);
}

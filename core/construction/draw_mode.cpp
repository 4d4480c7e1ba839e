// Draw mode on and off, and the drawing pointer's steps along the axes and back to the origin.
#include "construction/draw_mode.h"

#include <string_view>

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "shell/canvas.h"
#include "shell/controls_port.h"
#include "view/renderer.h"

namespace {
// The gap after "！" is an ideographic space.
constexpr std::u16string_view kDrawModeText =
    u"作図モードです！\u3000もう一度作図ボタンを押すと、通常モードにもどりますよ。";

// The point the pointer keys move: the line-end pointer while a line start is held.
int MovingPoint(const AppState& s) { return s.mblnNoLineStart ? 4 : 5; }
}  // namespace

void ToggleDrawMode(Context& c) {
  const bool on = !c.state.mblnDrawMode;
  c.state.mblnDrawMode = on;
  c.canvas.SetFigureBackground(on ? kWhite : kDarkGreen);
  for (int i = 4; i <= 12; ++i) c.controls.SetEnabled(Command1(i), on);
  c.controls.SetEnabled(Control::cmdNewFig, on);
  // Switching off says nothing: the draw-mode text stays until the panel is next emptied.
  if (on) c.controls.SetExplanationText(std::u16string(kDrawModeText));
  TransformAndRedraw(c);
}

void StepAlongAxis(Context& c, Axis axis, int16_t shift) {
  AppState& s = c.state;
  CoordArray& coord = axis == Axis::X ? s.msngRefX : axis == Axis::Y ? s.msngRefY : s.msngRefZ;
  float& v = coord[MovingPoint(s)];
  const float step = static_cast<float>(shift == 1 ? -s.mintUnitLength : s.mintUnitLength);
  const float candidate = v + step;
  // Refused whole, never shortened to the limit; a refused step still redraws.
  if (candidate >= 0 && candidate <= s.mintMaxSize) v = candidate;
  TransformAndRedraw(c);
}

void PointerToOrigin(Context& c) {
  AppState& s = c.state;
  const int i = MovingPoint(s);
  s.msngRefX[i] = s.msngRefY[i] = s.msngRefZ[i] = 0;
  TransformAndRedraw(c);
}

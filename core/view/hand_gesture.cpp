// Turning and zooming by hand over the arrow keys' and F2's rows.
#include "view/hand_gesture.h"

#include <cmath>
#include <cstdlib>

#include "construction/dispatch.h"
#include "construction/virtual_keys.h"
#include "shell/controls_port.h"

namespace {
// Whole steps from the anchor to the position; the anchor moves by them, so the rest counts next time.
int TakeSteps(int& anchor, int position, int perStep) {
  const int steps = (position - anchor) / perStep;
  anchor += steps * perStep;
  return steps;
}

void PressKeys(Context& c, const DispatchTables& t, int count, int16_t plus, int16_t minus,
               int16_t minusShift) {
  for (int i = 0; i < std::abs(count); ++i)
    KeyDown(c, t, count > 0 ? plus : minus, count > 0 ? 0 : minusShift);
}
}  // namespace

void HandGesture::Press(int x, int y) {
  pressed_ = true;
  anchorX_ = x;
  anchorY_ = y;
}

HandSteps HandGesture::Move(int x, int y) {
  if (!pressed_ || pinching_) return {};
  HandSteps s;
  s.h = TakeSteps(anchorX_, x, kPixelsPerTurnStep);
  s.v = TakeSteps(anchorY_, y, kPixelsPerTurnStep);
  return s;
}

HandSteps HandGesture::Pinch(double distance) {
  // Two fingers end any one-finger drag: lifting one must not turn the figure.
  pressed_ = false;
  if (!pinching_) {
    pinching_ = true;
    pinchAnchor_ = distance;
    return {};
  }
  const int steps = static_cast<int>((distance - pinchAnchor_) / kPinchPixelsPerZoomStep);
  pinchAnchor_ += steps * kPinchPixelsPerZoomStep;
  return {0, 0, steps};
}

HandSteps HandGesture::Wheel(int units) {
  wheelTurned_ += units;
  return {0, 0, TakeSteps(wheelAnchor_, wheelTurned_, kWheelUnitsPerNotch)};
}

void RunHandSteps(Context& c, const DispatchTables& t, HandSteps s, bool& explained) {
  if ((s.h != 0 || s.v != 0) && !explained) {
    explained = true;
    c.controls.SetExplanationText(std::u16string(kHandsText));
  }
  PressKeys(c, t, s.h, kVkRight, kVkLeft, 0);
  // The figure follows the hand: a drag down shows more of its top, as the up arrow does.
  PressKeys(c, t, s.v, kVkUp, kVkDown, 0);
  // Shift+F2 is Reduce.
  PressKeys(c, t, s.zoom, kVkF2, kVkF2, 1);
}

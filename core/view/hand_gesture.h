// Turning and zooming by hand: a drag, the wheel and a two-finger pinch become the 5-degree steps and
// zoom steps of the arrow keys and F2, run through the same key rows.
#pragma once

#include <string_view>

struct Context;
struct DispatchTables;

// About half a turn (36 steps) across the 488-pixel canvas.
inline constexpr int kPixelsPerTurnStep = 13;
// A pinch changes the finger spread far less than a drag moves, and zoom steps are coarse.
inline constexpr double kPinchPixelsPerZoomStep = 40.0;
// Qt and most pointing devices report one wheel notch as 120 units.
inline constexpr int kWheelUnitsPerNotch = 120;

inline constexpr std::u16string_view kHandsText =
    u"図をドラッグすると回りますよ。ホイールか２本の指で大きさが変わります。";

// Steps earned since the last answer: + is right, down and larger.
struct HandSteps {
  int h = 0;
  int v = 0;
  int zoom = 0;
  bool operator==(const HandSteps&) const = default;
};

class HandGesture {
 public:
  void Press(int x, int y);
  HandSteps Move(int x, int y);
  void Release() { pressed_ = false; }
  // The first distance of a pinch only sets where it starts.
  HandSteps Pinch(double distance);
  void PinchEnd() { pinching_ = false; }
  HandSteps Wheel(int units);

 private:
  bool pressed_ = false;
  int anchorX_ = 0, anchorY_ = 0;
  bool pinching_ = false;
  double pinchAnchor_ = 0;
  int wheelTurned_ = 0, wheelAnchor_ = 0;
};

// Runs the steps as that many arrow-key and F2 presses; the first drag of the run explains itself once.
void RunHandSteps(Context& c, const DispatchTables& t, HandSteps steps, bool& explained);

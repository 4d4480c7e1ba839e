// Turning and zooming by hand: drags, clicks, the wheel and pinches against the keys' own results.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "construction/virtual_keys.h"
#include "fake_context.h"
#include "view/hand_gesture.h"

namespace {
class HandGestureTest : public FakeContext {
 protected:
  void Run(HandSteps s) { RunHandSteps(c, MainDispatchTables(), s, explained); }
  void From(int h, int v) {
    state.mintAngleH = static_cast<int16_t>(h);
    state.mintAngleV = static_cast<int16_t>(v);
  }
  int Redraws() const { return static_cast<int>(w.calls.count(u"DrawFigure")); }
  HandGesture g;
  bool explained = false;
};
constexpr int kStep = kPixelsPerTurnStep;
}  // namespace

// Each drag ends at the angles its count of arrow presses gives, wrap rules included, one redraw a step.
TEST_F(HandGestureTest, DragsTurnAsArrowPresses) {
  struct Case {
    const char* what;
    int h, v;                                // start
    std::vector<std::pair<int, int>> moves;  // from a press at (200, 200)
    int h1, v1, redraws;
  } cases[] = {
      {"click", 10, 20, {}, 10, 20, 0},
      {"wobble under a step", 10, 20, {{205, 195}, {200 + kStep - 1, 200 - kStep + 1}}, 10, 20, 0},
      {"right 3 steps wraps 355 to 0", 350, 0, {{200 + 3 * kStep, 200}}, 5, 0, 3},
      {"left counts below 0", 0, 0, {{200 - 2 * kStep, 200}}, -10, 0, 2},
      // Down shows more of the top, as the up arrow does.
      {"down 2, up 3, in small moves",
       0,
       0,
       {{200, 206}, {200, 200 + kStep}, {200, 200 + 2 * kStep}, {200, 200 - kStep}},
       0,
       -5,
       5},
      {"diagonal", 0, 0, {{200 + 2 * kStep + 3, 200 + kStep}}, 10, 5, 3},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    From(k.h, k.v);
    w.calls.clear();
    g.Press(200, 200);
    for (auto [x, y] : k.moves) Run(g.Move(x, y));
    g.Release();
    Run(g.Move(900, 900));  // released: nothing more
    EXPECT_EQ(state.mintAngleH, k.h1);
    EXPECT_EQ(state.mintAngleV, k.v1);
    EXPECT_EQ(Redraws(), k.redraws);
  }
}

// The wheel and a pinch run F2 and Shift+F2, whose limits stop the zoom; part notches add up.
TEST_F(HandGestureTest, WheelAndPinchZoomWithinLimits) {
  const float start = state.msngZoom;
  Run(g.Wheel(60));
  EXPECT_EQ(state.msngZoom, start);
  Run(g.Wheel(60));  // a whole notch now
  EXPECT_FLOAT_EQ(state.msngZoom, start * 1.1f);
  for (int i = 0; i < 40; ++i) Run(g.Wheel(kWheelUnitsPerNotch));
  const float top = state.msngZoom;
  EXPECT_GT(top, 5.0f);
  EXPECT_LT(top, 5.0f * 1.1f + 0.01f);  // one step past, as the key allows
  for (int i = 0; i < 60; ++i) Run(g.Wheel(-kWheelUnitsPerNotch));
  EXPECT_LE(state.msngZoom, 0.5f);
  EXPECT_GT(state.msngZoom, 0.5f * 0.9f - 0.01f);

  state.msngZoom = 1.0f;
  EXPECT_EQ(g.Pinch(100), HandSteps{});  // where the pinch starts
  Run(g.Pinch(100 + 2 * kPinchPixelsPerZoomStep + 5));
  EXPECT_FLOAT_EQ(state.msngZoom, 1.0f * 1.1f * 1.1f);
  Run(g.Pinch(100 + kPinchPixelsPerZoomStep));
  EXPECT_FLOAT_EQ(state.msngZoom, 1.0f * 1.1f * 1.1f * 0.9f);
  // A finger left on the glass after the pinch does not turn the figure.
  g.PinchEnd();
  Run(g.Move(900, 900));
  EXPECT_EQ(state.mintAngleH, -45);
}

// Told once a run, at the first drag; draw mode's pointer never moves; the keys' own rows are what run.
TEST_F(HandGestureTest, ExplainsOnceAndLeavesThePointer) {
  state.mblnDrawMode = true;
  const auto figure = std::tuple(state.msngLineX, state.msngLineY, state.msngLineZ, state.msngRefX,
                                 state.msngRefY, state.msngRefZ, state.mintLineCount);
  Run(g.Wheel(kWheelUnitsPerNotch));
  EXPECT_TRUE(w.explanation.empty());
  g.Press(0, 0);
  Run(g.Move(kStep, kStep));
  EXPECT_EQ(w.explanation, kHandsText);
  w.explanation.clear();
  g.Press(0, 0);
  Run(g.Move(kStep, 0));
  EXPECT_TRUE(w.explanation.empty());
  EXPECT_EQ(figure, std::tuple(state.msngLineX, state.msngLineY, state.msngLineZ, state.msngRefX,
                               state.msngRefY, state.msngRefZ, state.mintLineCount));

  // Through tables whose arrow rows do nothing, a drag does nothing: it has no turning of its own.
  static const KeyRow none[] = {{kVkRight, nullptr, nullptr, nullptr}};
  const DispatchTables quiet{MainDispatchTables().controls, none, {}, nullptr};
  From(0, 0);
  g.Press(0, 0);
  RunHandSteps(c, quiet, g.Move(5 * kStep, 0), explained);
  EXPECT_EQ(state.mintAngleH, 0);
}

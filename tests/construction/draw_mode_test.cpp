// Draw mode and the pointer: the switch, the step limits, the origin, and every door that reaches them.
#include "construction/draw_mode.h"

#include <gtest/gtest.h>

#include <functional>

#include "construction/dispatch.h"
#include "construction/virtual_keys.h"
#include "fake_window.h"
#include "figure/app_state.h"
#include "shell/status_bar.h"

namespace {
struct Xyz {
  float x, y, z;
  friend bool operator==(const Xyz&, const Xyz&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Xyz& p) {
    return os << "(" << p.x << ", " << p.y << ", " << p.z << ")";
  }
};

const QString kDrawModeText =
    QStringLiteral("作図モードです！\u3000もう一度作図ボタンを押すと、通常モードにもどりますよ。");

class DrawMode : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseApplicationState(state);
    for (int i = 4; i <= 12; ++i) window.SetEnabled(QStringLiteral("command1(%1)").arg(i), false);
    window.SetEnabled(QStringLiteral("cmdNewFig"), false);
  }
  Xyz Ref(int i) const { return {state.msngRefX[i], state.msngRefY[i], state.msngRefZ[i]}; }
  void SetRef(int i, Xyz p) { state.msngRefX[i] = p.x, state.msngRefY[i] = p.y, state.msngRefZ[i] = p.z; }
  bool DrawControlsEnabled(bool on) const {
    for (int i = 4; i <= 12; ++i) {
      if (window.IsEnabled(QStringLiteral("command1(%1)").arg(i)) != on) return false;
    }
    return window.IsEnabled(QStringLiteral("cmdNewFig")) == on;
  }

  AppState state;
  FakeWindow window;
  WatchmanState watchman;
  Context c{state, window, watchman};
};
}  // namespace

TEST_F(DrawMode, ToggleSwitchesBackgroundControlsAndMessageButKeepsAHeldStart) {
  state.mblnNoLineStart = false;
  SetRef(4, {20, 0, 40});
  SetRef(5, {60, 0, 40});

  ToggleDrawMode(c);
  EXPECT_TRUE(state.mblnDrawMode);
  EXPECT_TRUE(DrawControlsEnabled(true));
  EXPECT_EQ(window.explanation, kDrawModeText);
  ASSERT_EQ(window.drawn.size(), 1u);
  EXPECT_EQ(window.drawn[0][0], Primitive(ClearPrim{kWhite})) << "the redraw clears to the new colour";

  window.explanation = QStringLiteral("draw-mode message still up");
  ToggleDrawMode(c);
  EXPECT_FALSE(state.mblnDrawMode);
  EXPECT_TRUE(DrawControlsEnabled(false));
  EXPECT_EQ(window.explanation, QStringLiteral("draw-mode message still up")) << "switching off says nothing";
  ASSERT_EQ(window.drawn.size(), 2u);
  EXPECT_EQ(window.drawn[1][0], Primitive(ClearPrim{kDarkGreen}));

  ToggleDrawMode(c);
  EXPECT_FALSE(state.mblnNoLineStart) << "the held start survives the mode switch";
  EXPECT_EQ(Ref(4), (Xyz{20, 0, 40}));
  EXPECT_EQ(Ref(5), (Xyz{60, 0, 40}));
  EXPECT_FALSE(state.mblnModified);
  EXPECT_EQ(window.played.size(), 3u);
}

TEST_F(DrawMode, StepsStayWithinZeroToMaxSizeAndAreRefusedWhole) {
  struct Case {
    Axis axis;
    int16_t shift;
    bool held;  // a line start is held: point 5 moves
    Xyz from, to;
  } cases[] = {
      {Axis::X, 1, false, {0, 0, 0}, {0, 0, 0}},      // below 0: refused
      {Axis::X, 0, false, {200, 0, 0}, {200, 0, 0}},  // beyond the maximum: refused
      {Axis::X, 0, false, {190, 0, 0}, {190, 0, 0}},  // not shortened to reach 200
      {Axis::X, 0, false, {180, 0, 0}, {200, 0, 0}},  // exactly the maximum is allowed
      {Axis::X, 1, false, {20, 0, 0}, {0, 0, 0}},     // Shift alone: minus
      {Axis::X, 2, false, {20, 0, 0}, {40, 0, 0}},    // Ctrl: plus
      {Axis::X, 3, false, {20, 0, 0}, {40, 0, 0}},    // Shift+Ctrl: plus
      {Axis::X, 5, false, {20, 0, 0}, {40, 0, 0}},    // Shift+Alt: plus
      {Axis::Y, 0, false, {0, 20, 0}, {0, 40, 0}},    //
      {Axis::Y, 1, false, {0, 10, 0}, {0, 10, 0}},    // would land on -10
      {Axis::Z, 1, true, {0, 0, 200}, {0, 0, 180}},   // the line-end pointer moves
      {Axis::Z, 0, true, {0, 0, 200}, {0, 0, 200}},   //
      {Axis::Z, 1, false, {0, 0, 230}, {0, 0, 230}},  // outside, and still outside after the step
      {Axis::Z, 1, false, {0, 0, 210}, {0, 0, 190}},  // outside, but the step lands inside
      {Axis::X, 1, false, {-40, 0, 0}, {-40, 0, 0}},  // a loaded line's end below 0 cannot step down
      {Axis::X, 0, false, {-20, 0, 0}, {0, 0, 0}},    // ... but up to 0
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "axis " << int(k.axis) << " shift " << k.shift << " from " << k.from);
    InitialiseApplicationState(state);  // step 20, maximum 200
    window.drawn.clear();
    state.mblnNoLineStart = !k.held;
    const Xyz held{20, 20, 20};
    SetRef(4, k.held ? held : k.from);
    SetRef(5, k.held ? k.from : Xyz{});
    StepAlongAxis(c, k.axis, k.shift);
    EXPECT_EQ(Ref(k.held ? 5 : 4), k.to);
    EXPECT_EQ(Ref(k.held ? 4 : 5), k.held ? held : Xyz{});
    EXPECT_EQ(window.drawn.size(), 1u) << "moved or refused, the picture is redrawn";
    EXPECT_EQ(state.mintLineCount, 0);
    EXPECT_FALSE(state.mblnModified);
  }
}

TEST_F(DrawMode, OriginMovesOnlyTheMovingPoint) {
  SetRef(4, {20, 40, 60});
  SetRef(5, {80, 100, 120});
  state.mblnNoLineStart = false;
  PointerToOrigin(c);
  EXPECT_EQ(Ref(4), (Xyz{20, 40, 60})) << "the held start stays";
  EXPECT_EQ(Ref(5), (Xyz{0, 0, 0}));
  state.mblnNoLineStart = true;
  SetRef(5, {80, 100, 120});
  PointerToOrigin(c);
  EXPECT_EQ(Ref(4), (Xyz{0, 0, 0}));
  EXPECT_EQ(Ref(5), (Xyz{80, 100, 120}));
  EXPECT_EQ(window.drawn.size(), 2u);
}

// Every binding of the program's own tables, from each door, with the point it should leave behind.
TEST_F(DrawMode, EveryDrawingDoorRunsItsOperation) {
  const DispatchTables& t = MainDispatchTables();
  struct Case {
    const char* door;
    std::function<void()> press;
    Xyz pointer;
  } cases[] = {
      {"X", [&] { KeyDown(c, t, 'X', 0); }, {60, 40, 40}},
      {"Shift+X", [&] { KeyDown(c, t, 'X', 1); }, {20, 40, 40}},
      {"Ctrl+X", [&] { KeyDown(c, t, 'X', 2); }, {60, 40, 40}},
      {"Y", [&] { KeyDown(c, t, 'Y', 0); }, {40, 60, 40}},
      {"Shift+Y", [&] { KeyDown(c, t, 'Y', 1); }, {40, 20, 40}},
      {"Alt+Z", [&] { KeyDown(c, t, 'Z', 4); }, {40, 40, 60}},
      {"Shift+Z", [&] { KeyDown(c, t, 'Z', 1); }, {40, 40, 20}},
      {"Ctrl+O", [&] { KeyDown(c, t, 'O', 2); }, {0, 0, 0}},
      {"button 4", [&] { PictureButtonClick(c, t, 4); }, {60, 40, 40}},
      {"button 5", [&] { PictureButtonClick(c, t, 5); }, {20, 40, 40}},
      {"button 6", [&] { PictureButtonClick(c, t, 6); }, {40, 60, 40}},
      {"button 7", [&] { PictureButtonClick(c, t, 7); }, {40, 20, 40}},
      {"button 8", [&] { PictureButtonClick(c, t, 8); }, {40, 40, 60}},
      {"button 9", [&] { PictureButtonClick(c, t, 9); }, {40, 40, 20}},
      {"button 12", [&] { PictureButtonClick(c, t, 12); }, {0, 0, 0}},
  };
  KeyDown(c, t, kVkF1 + 7, 6);  // F8 with any modifiers
  ASSERT_TRUE(state.mblnDrawMode);
  for (const Case& k : cases) {
    SetRef(4, {40, 40, 40});
    k.press();
    EXPECT_EQ(Ref(4), k.pointer) << k.door;
  }

  // Buttons 10 and 11 and the Enter and Backspace keys reach the line editing.
  PictureButtonClick(c, t, 11);
  EXPECT_FALSE(state.mblnNoLineStart);
  KeyDown(c, t, 'X', 0);
  KeyDown(c, t, kVkReturn, 0);
  EXPECT_EQ(state.mintLineCount, 1);
  KeyDown(c, t, kVkBack, 3);
  EXPECT_EQ(state.mintLineCount, 0);
  PictureButtonClick(c, t, 11);
  KeyDown(c, t, 'X', 0);
  PictureButtonClick(c, t, 11);
  PictureButtonClick(c, t, 10);
  EXPECT_EQ(state.mintLineCount, 0);

  // Draw mode off: the drawing keys sleep; the menu item and toolbar key switch, unless drawing is
  // not permitted, while F8 switches whatever the permission.
  MenuClick(c, t, u"mnuDraw");
  EXPECT_FALSE(state.mblnDrawMode);
  SetRef(4, {40, 40, 40});
  KeyDown(c, t, 'X', 0);
  EXPECT_EQ(Ref(4), (Xyz{40, 40, 40}));
  ToolbarClick(c, t, u"cmdDrawFig");
  EXPECT_TRUE(state.mblnDrawMode);
  window.SetEnabled(QStringLiteral("cmdDrawFig"), false);
  window.SetEnabled(QStringLiteral("mnuDraw"), false);
  ToolbarClick(c, t, u"cmdDrawFig");
  MenuClick(c, t, u"mnuDraw");
  EXPECT_TRUE(state.mblnDrawMode);
  KeyDown(c, t, kVkF1 + 7, 0);
  EXPECT_FALSE(state.mblnDrawMode);
}

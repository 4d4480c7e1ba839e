// Draw mode and the pointer: the switch, the step limits, the origin, and the doors that reach them.
#include "construction/draw_mode.h"

#include <functional>

#include "construction/virtual_keys.h"
#include "drawing_fixture.h"

namespace {
bool DrawControlsEnabled(const Controls& w, bool on) {
  for (int i = 4; i <= 12; ++i) {
    if (w.IsEnabled(Command1(i)) != on) return false;
  }
  return w.IsEnabled(Control::cmdNewFig) == on;
}
}  // namespace

using DrawMode = Drawing;

TEST_F(DrawMode, ToggleSwitchesBackgroundControlsAndMessageButKeepsAHeldStart) {
  state.mblnDrawMode = false;
  state.mblnNoLineStart = false;
  SetRef(4, {20, 0, 40});
  SetRef(5, {60, 0, 40});

  ToggleDrawMode(c);
  EXPECT_TRUE(state.mblnDrawMode);
  EXPECT_TRUE(DrawControlsEnabled(w, true));
  EXPECT_EQ(w.explanation, u"作図モードです！\u3000もう一度作図ボタンを押すと、通常モードにもどりますよ。");
  ASSERT_EQ(w.drawn.size(), 1u);
  EXPECT_EQ(w.drawn[0][0], Primitive(ClearPrim{kWhite})) << "the redraw clears to the new colour";

  w.explanation = u"still up";
  ToggleDrawMode(c);
  EXPECT_FALSE(state.mblnDrawMode);
  EXPECT_TRUE(DrawControlsEnabled(w, false));
  EXPECT_EQ(w.explanation, u"still up") << "switching off says nothing";
  ASSERT_EQ(w.drawn.size(), 2u);
  EXPECT_EQ(w.drawn[1][0], Primitive(ClearPrim{kDarkGreen}));

  ToggleDrawMode(c);
  EXPECT_FALSE(state.mblnNoLineStart) << "the held start survives the switch";
  EXPECT_EQ(Ref(4), (Xyz{20, 0, 40}));
  EXPECT_EQ(Ref(5), (Xyz{60, 0, 40}));
  EXPECT_FALSE(state.mblnModified);
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
      {Axis::Y, 5, false, {0, 20, 0}, {0, 40, 0}},    // Shift+Alt: plus
      {Axis::Y, 1, false, {0, 10, 0}, {0, 10, 0}},    // would land on -10
      {Axis::Z, 1, true, {0, 0, 200}, {0, 0, 180}},   // the line-end pointer moves
      {Axis::Z, 0, true, {0, 0, 200}, {0, 0, 200}},
      {Axis::Z, 1, false, {0, 0, 230}, {0, 0, 230}},  // outside, and still outside after the step
      {Axis::Z, 1, false, {0, 0, 210}, {0, 0, 190}},  // outside, but the step lands inside
      {Axis::X, 0, false, {-20, 0, 0}, {0, 0, 0}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "axis " << int(k.axis) << " shift " << k.shift << " from " << k.from);
    Reset();  // step 20, maximum 200
    state.mblnNoLineStart = !k.held;
    const Xyz held{20, 20, 20};
    SetRef(4, k.held ? held : k.from);
    SetRef(5, k.held ? k.from : Xyz{});
    StepAlongAxis(c, k.axis, k.shift);
    EXPECT_EQ(Ref(k.held ? 5 : 4), k.to);
    EXPECT_EQ(Ref(k.held ? 4 : 5), k.held ? held : Xyz{});
    EXPECT_EQ(w.drawn.size(), 1u) << "moved or refused, the picture is redrawn";
    EXPECT_FALSE(state.mblnModified);
  }
}

TEST_F(DrawMode, OriginMovesOnlyTheMovingPoint) {
  for (bool held : {true, false}) {
    state.mblnNoLineStart = !held;
    SetRef(4, {20, 40, 60});
    SetRef(5, {80, 100, 120});
    PointerToOrigin(c);
    EXPECT_EQ(Ref(4), (held ? Xyz{20, 40, 60} : Xyz{}));
    EXPECT_EQ(Ref(5), (held ? Xyz{} : Xyz{80, 100, 120}));
  }
  EXPECT_EQ(w.drawn.size(), 2u);
}

// The program's own rows: picture buttons, the keys' modifier columns, the menu item and toolbar key.
TEST_F(DrawMode, DoorsRunTheirOperations) {
  const DispatchTables& t = MainDispatchTables();
  const std::pair<std::function<void()>, Xyz> doors[] = {
      {[&] { PictureButtonClick(c, t, PictureButton::XPlus); }, {60, 40, 40}},
      {[&] { PictureButtonClick(c, t, PictureButton::XMinus); }, {20, 40, 40}},
      {[&] { PictureButtonClick(c, t, PictureButton::YPlus); }, {40, 60, 40}},
      {[&] { PictureButtonClick(c, t, PictureButton::YMinus); }, {40, 20, 40}},
      {[&] { PictureButtonClick(c, t, PictureButton::ZPlus); }, {40, 40, 60}},
      {[&] { PictureButtonClick(c, t, PictureButton::ZMinus); }, {40, 40, 20}},
      {[&] { PictureButtonClick(c, t, PictureButton::Origin); }, {0, 0, 0}},
      {[&] { KeyDown(c, t, 'X', 2); }, {60, 40, 40}},
      {[&] { KeyDown(c, t, 'Z', 4); }, {40, 40, 60}},
      {[&] { KeyDown(c, t, 'O', 3); }, {0, 0, 0}},
  };
  state.mblnDrawMode = false;
  KeyDown(c, t, kVkF8, 6);  // F8 with any modifiers
  ASSERT_TRUE(state.mblnDrawMode);
  for (size_t i = 0; i < std::size(doors); ++i) {
    SetRef(4, {40, 40, 40});
    doors[i].first();
    EXPECT_EQ(Ref(4), doors[i].second) << "door " << i;
  }
  // Button 11 enters points, button 10 takes the line back.
  for (PictureButton button : {PictureButton::Enter, PictureButton::XPlus, PictureButton::Enter})
    PictureButtonClick(c, t, button);
  EXPECT_EQ(Figure(), (Lines{{{0, 0, 0}, {20, 0, 0}}}));
  PictureButtonClick(c, t, PictureButton::TakeBack);
  EXPECT_EQ(state.mintLineCount, 0);

  // The menu item and the toolbar key follow the drawing permission; F8 does not.
  Click(c, t, Control::mnuDraw);
  EXPECT_FALSE(state.mblnDrawMode);
  Click(c, t, Control::cmdDrawFig);
  EXPECT_TRUE(state.mblnDrawMode);
  w.SetEnabled(Control::cmdDrawFig, false);
  w.SetEnabled(Control::mnuDraw, false);
  Click(c, t, Control::cmdDrawFig);
  Click(c, t, Control::mnuDraw);
  EXPECT_TRUE(state.mblnDrawMode);
  KeyDown(c, t, kVkF8, 0);
  EXPECT_FALSE(state.mblnDrawMode);
}

// The program's own rows for looking at the figure: which door and modifier state runs what.
#include <gtest/gtest.h>

#include <optional>

#include <functional>

#include "construction/dispatch.h"
#include "construction/virtual_keys.h"
#include "fake_window.h"
#include "figure/app_state.h"
#include "shell/status_bar.h"

namespace {
// What a door did to the state, starting from the start-up view.
struct Effect {
  int h = -45, v = 30;
  float zoom = 1.0f;
  bool thirdAngle = false;
  bool turning = false;
  int redraws = 0;
  bool operator==(const Effect&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Effect& e) {
  return o << "(" << e.h << ", " << e.v << ") zoom " << e.zoom << " third " << e.thirdAngle << " turning "
           << e.turning << " redraws " << e.redraws;
}

class ViewBindings : public ::testing::Test {
 protected:
  Effect Through(const std::function<void(Context&)>& door, bool turningBefore = false) {
    AppState state;
    InitialiseApplicationState(state);
    FakeWindow window;
    window.checked.insert(Control::mnuNormalSize);
    WatchmanState watchman;
    Context c{state, window, window, window, window, watchman};
    state.mblnTurning = turningBefore;
    door(c);
    return {state.mintAngleH,     state.mintAngleV,  state.msngZoom,
            state.mblnThirdAngle, state.mblnTurning, static_cast<int>(window.calls.count(u"DrawFigure"))};
  }
  const DispatchTables& t = MainDispatchTables();
};

const Effect kNothing{};
const Effect kFrontGlide{0, 0, 1.0f, false, false, 9};
const Effect kFrontJump{0, 0, 1.0f, false, false, 1};
const Effect kTopGlide{0, 90, 1.0f, false, false, 12};
const Effect kTopJump{0, 90, 1.0f, false, false, 1};
const Effect kSideGlide{-90, 0, 1.0f, false, false, 9};
const Effect kSideJump{-90, 0, 1.0f, false, false, 1};
const Effect kIso{-45, 35, 1.0f, false, false, 1};  // one frame away: glide or jump alike
const Effect kUp = kIso;
const Effect kDown{-45, 25, 1.0f, false, false, 1};
const Effect kRight{-40, 30, 1.0f, false, false, 1};
const Effect kLeft{-50, 30, 1.0f, false, false, 1};
const Effect kMagnify{-45, 30, 1.1f, false, false, 1};
const Effect kReduce{-45, 30, 0.9f, false, false, 1};
const Effect kThird{-45, 35, 1.0f, true, false, 47};
const Effect kTurn{-45, 30, 1.0f, false, true, 0};
}  // namespace

TEST_F(ViewBindings, Keys) {
  struct Case {
    int16_t key;
    Effect plain, shifted, other;
  } cases[] = {
      {113, kMagnify, kReduce, kNothing},
      {114, kFrontGlide, kFrontJump, kNothing},
      {115, kTopGlide, kTopJump, kNothing},
      {116, kSideGlide, kSideJump, kNothing},
      {117, kIso, kIso, kNothing},
      {118, kThird, kThird, kThird},
      {kVkUp, kUp, kUp, kUp},
      {kVkDown, kDown, kDown, kDown},
      {kVkRight, kRight, kRight, kRight},
      {kVkLeft, kLeft, kLeft, kLeft},
      {kVkSpace, kTurn, kTurn, kTurn},
  };
  for (const Case& k : cases) {
    for (int16_t shift : {0, 1, 2, 4, 3}) {
      const Effect& want = shift == 0 ? k.plain : shift == 1 ? k.shifted : k.other;
      EXPECT_EQ(Through([&](Context& c) { KeyDown(c, t, k.key, shift); }), want) << k.key << " S=" << shift;
    }
  }
  // Esc stops the turning with every modifier state; Shift alone asks to quit first.
  for (int16_t shift : {0, 1, 2, 5}) {
    const Effect e = Through([&](Context& c) { KeyDown(c, t, kVkEscape, shift); }, true);
    EXPECT_FALSE(e.turning) << "Esc S=" << shift;
  }
}

TEST_F(ViewBindings, MenuToolbarPictureButtonsAndTimer) {
  struct Case {
    std::optional<Control> menu;
    Control toolbar;
    Effect effect;
  } cases[] = {
      {Control::mnuFrontView, Control::cmdFrontView, kFrontGlide},
      {Control::mnuTopView, Control::cmdTopView, kTopGlide},
      {Control::mnuSideView, Control::cmdSideView, kSideGlide},
      {Control::mnuEqualAngleView, Control::cmdEqualAngleView, kIso},
      {Control::mnuThirdAngleProjectionMethod, Control::cmdThirdAngleProjectionMethod, kThird},
      {Control::mnuContinuousTurn, Control::cmdContinuousTurn, kTurn},
      {std::nullopt, Control::cmdMagnify, kMagnify},
      {std::nullopt, Control::cmdReduce, kReduce},
  };
  for (const Case& k : cases) {
    if (k.menu) {
      EXPECT_EQ(Through([&](Context& c) { Click(c, t, *k.menu); }), k.effect) << ControlName(*k.menu);
    }
    EXPECT_EQ(Through([&](Context& c) { Click(c, t, k.toolbar); }), k.effect) << ControlName(k.toolbar);
  }
  EXPECT_FALSE(Through([&](Context& c) { Click(c, t, Control::cmdESC); }, true).turning);

  // Buttons 1 and 2 are crossed with respect to their arrows.
  const Effect buttons[] = {kUp, kRight, kLeft, kDown};
  for (int16_t i = 0; i < 4; ++i)
    EXPECT_EQ(Through([&](Context& c) { PictureButtonClick(c, t, static_cast<PictureButton>(i)); }),
              buttons[i])
        << "button " << i;

  // The turning timer's row: one tick in the first direction.
  const Effect tick = Through([&](Context& c) {
    c.state.mintTurnMode = 1;
    TimerTick(c, t, Control::TurningTimer);
  });
  EXPECT_EQ(tick, kRight);
}

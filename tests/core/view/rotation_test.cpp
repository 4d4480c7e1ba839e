// Continuous rotation: the tick's wrap rules, the direction cycle, and the preset buttons.
#include <gtest/gtest.h>

#include "fake_context.h"
#include "shell/status_bar.h"
#include "view/rotation.h"

namespace {
class Rotation : public FakeContext {
 protected:
  // Positions 15 to 19 of the toolbar: four presets and the three-view button.
  std::vector<bool> ButtonsEnabled() const {
    std::vector<bool> out;
    for (Control key : {Control::cmdFrontView, Control::cmdTopView, Control::cmdSideView,
                        Control::cmdEqualAngleView, Control::cmdThirdAngleProjectionMethod})
      out.push_back(w.IsEnabled(key));
    return out;
  }
};
}  // namespace

TEST_F(Rotation, TickWrapRules) {
  struct Case {
    int mode, h, v, h1, v1;
  } cases[] = {
      {1, -45, 30, -40, 30}, {1, 350, 30, 355, 30},
      {1, 355, 30, 0, 30},   {2, -40, 30, 355, 30},  // every angle below 5 wraps, negative ones too
      {2, 5, 30, 0, 30},     {2, 0, 30, 355, 30},
      {3, 0, 355, 0, 0},     {3, 0, -45, 0, -40},
      {4, 0, 0, 0, 355},     {4, 0, -45, 0, 355},
      {4, 0, 90, 0, 85},     {0, 10, 20, 10, 20},
      {5, 10, 20, 10, 20},  // no direction: no change, still a redraw
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << k.mode << " from " << k.h << ", " << k.v);
    state.mintTurnMode = static_cast<int16_t>(k.mode);
    state.mintAngleH = static_cast<int16_t>(k.h);
    state.mintAngleV = static_cast<int16_t>(k.v);
    w.calls.clear();
    TurnTick(c);
    EXPECT_EQ(state.mintAngleH, k.h1);
    EXPECT_EQ(state.mintAngleV, k.v1);
    EXPECT_EQ(w.calls, (CallList{u"DrawFigure", u"PlayWave ./sound/turn.wav"}));
  }
}

TEST_F(Rotation, TicksStayInRangeForever) {
  for (int mode = 1; mode <= 4; ++mode) {
    state.mintTurnMode = static_cast<int16_t>(mode);
    state.mintAngleH = state.mintAngleV = -45;
    for (int n = 0; n < 100000; ++n) {
      TurnTick(c);
      const int moved = mode <= 2 ? state.mintAngleH : state.mintAngleV;
      ASSERT_TRUE((moved >= 0 && moved <= 355) || (mode % 2 == 1 && moved < 0 && n < 9)) << mode << " " << n;
      ASSERT_EQ(moved % 5, 0);
    }
  }
}

TEST_F(Rotation, StartCyclesTheDirectionAndStopRestoresTheButtons) {
  StopTurning(c);  // not turning: nothing happens
  EXPECT_FALSE(state.mblnTurning);
  EXPECT_EQ(w.explanation, std::u16string());
  EXPECT_EQ(ButtonsEnabled(), (std::vector<bool>{true, true, true, true, true}));

  StartTurning(c);
  EXPECT_TRUE(state.mblnTurning);
  EXPECT_EQ(state.mintTurnMode, 1);
  EXPECT_TRUE(w.runningTimers.contains(Control::TurningTimer));
  EXPECT_EQ(ButtonsEnabled(), (std::vector<bool>{false, false, false, false, true}));
  EXPECT_EQ(w.explanation, std::u16string(kTurningText));

  std::vector<int> modes;
  for (int i = 0; i < 5; ++i) {
    w.explanation.clear();
    StartTurning(c);
    modes.push_back(state.mintTurnMode);
    EXPECT_EQ(w.explanation, std::u16string(kTurningText));
  }
  EXPECT_EQ(modes, (std::vector<int>{2, 3, 4, 1, 2}));
  EXPECT_EQ(ButtonsEnabled(), (std::vector<bool>{false, false, false, false, true}));

  StopTurning(c);
  EXPECT_FALSE(state.mblnTurning);
  EXPECT_EQ(state.mintTurnMode, 2);  // kept
  EXPECT_FALSE(w.runningTimers.contains(Control::TurningTimer));
  EXPECT_EQ(ButtonsEnabled(), (std::vector<bool>{true, true, true, true, true}));
  EXPECT_EQ(w.explanation, std::u16string());

  w.explanation = u"other";
  StopTurning(c);
  EXPECT_EQ(w.explanation, u"other");
}

// Applying the other options: which limits win, the draw-mode notice, and the pointers going home.
#include "settings/other_options.h"

#include <gtest/gtest.h>

#include <optional>

#include "fake_context.h"
#include "view/compute_view.h"

namespace {
class OtherOptions : public FakeContext {
 protected:
  void SetUp() override {
    FakeContext::SetUp();
    // Pointer and line-end pointer away from the origin, a line start held.
    state.msngRefX[4] = 40, state.msngRefY[4] = 20, state.msngRefZ[4] = 60;
    state.msngRefX[5] = 80, state.msngRefZ[5] = 10;
    state.mblnNoLineStart = false;
    state.mintMaxSize = 321, state.mintUnitLength = 7;
  }
  void Tick(Control item) { w.SetChecked(item, true); }
  void Apply(bool enabled, const char* unit, const char* size) {
    ApplyOtherOptions(c, {enabled, Utf16FromUtf8(unit), Utf16FromUtf8(size)});
  }
  void ExpectLimits(int maxSize, int unitLength) const {
    EXPECT_EQ(state.mintMaxSize, maxSize);
    EXPECT_EQ(state.mintUnitLength, unitLength);
  }
  void ExpectPointersHomeAndRedrawn() {
    AppState home;
    InitialiseApplicationState(home);
    for (int i = 0; i <= 5; ++i) {
      EXPECT_TRUE(state.msngRefX[i] == home.msngRefX[i] && state.msngRefY[i] == home.msngRefY[i] &&
                  state.msngRefZ[i] == home.msngRefZ[i])
          << i;
    }
    EXPECT_TRUE(state.mblnNoLineStart);
    AppState expected = state;
    ComputeView(expected);
    EXPECT_EQ(state.msngViewRefX, expected.msngViewRefX);
    EXPECT_EQ(state.msngViewRefY, expected.msngViewRefY);
    EXPECT_EQ(w.calls.mid(w.calls.size() - 2), CallList({u"DrawFigure", u"PlayWave ./sound/turn.wav"}));
  }
};
}  // namespace

// Unchecked, the ticked level's limits come back (none ticked: the limits stay); checked, the labels win,
// rounded half to even, unless one is no number. The pointers go home every time.
TEST_F(OtherOptions, LimitsFromTheLevelOrTheLabels) {
  struct Case {
    std::optional<Control> ticked;  // none: no level ticked
    bool enabled;
    const char *unit, *size;
    int maxSize, unitLength;
  } cases[] = {
      {Control::mnuMidClass, false, "2", "200", 100, 10},
      {Control::mnuSenior, false, "2", "200", 200, 10},
      {Control::mnuSenior, true, "5", "600", 600, 5},
      {Control::mnuSenior, true, "2.5", " 201.5 ", 202, 2},
      {std::nullopt, false, "5", "600", 321, 7},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << (k.ticked ? ControlName(*k.ticked) : "none") << " " << k.unit << " "
                                    << k.size);
    SetUp();
    w.checked.clear();
    if (k.ticked) Tick(*k.ticked);
    Apply(k.enabled, k.unit, k.size);
    ExpectLimits(k.maxSize, k.unitLength);
    ExpectPointersHomeAndRedrawn();
    EXPECT_TRUE(w.messages.empty());
  }
}

TEST_F(OtherOptions, InDrawModeTheNoticeComesBeforeTheRedraw) {
  state.mblnDrawMode = true;
  Tick(Control::mnuMidClass);
  Apply(false, "2", "200");
  ExpectLimits(100, 10);
  EXPECT_EQ(w.calls, CallList({u"ShowMessage", u"DrawFigure", u"PlayWave ./sound/turn.wav"}));
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0].text, u"作図ポインタを原点に戻しますね。");
  EXPECT_EQ(w.messages[0].title, u"かくにんします");
  EXPECT_EQ(w.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(w.messages[0].icon, MessageIcon::Exclamation);
  ExpectPointersHomeAndRedrawn();
}

TEST_F(OtherOptions, LabelThatIsNoNumberKeepsBothLimits) {
  for (const char* bad : {"", "abc", "5mm", "nan", "inf"}) {
    SCOPED_TRACE(bad);
    Apply(true, bad, "600");
    ExpectLimits(321, 7);
    Apply(true, "5", bad);
    ExpectLimits(321, 7);
  }
  ExpectPointersHomeAndRedrawn();
}

// View presets, glides, single steps and zoom: frame sequences, wrap rules and limits.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "construction/dispatch.h"
#include "fake_window.h"
#include "figure/app_state.h"
#include "shell/status_bar.h"
#include "view/view_commands.h"

namespace {
using Angles = std::pair<int, int>;

// Notes the angles each glide frame was drawn at.
class GlideWindow : public FakeWindow {
 public:
  explicit GlideWindow(const AppState& s) : state(s) {}
  void PresentGlideFrame() override {
    FakeWindow::PresentGlideFrame();
    frames.emplace_back(state.mintAngleH, state.mintAngleV);
  }
  const AppState& state;
  std::vector<Angles> frames;
};

class ViewCommands : public ::testing::Test {
 protected:
  void SetUp() override { InitialiseApplicationState(state); }
  void From(int h, int v) {
    state.mintAngleH = static_cast<int16_t>(h);
    state.mintAngleV = static_cast<int16_t>(v);
  }
  int Redraws() const { return static_cast<int>(window.calls.count(u"DrawFigure")); }

  AppState state;
  GlideWindow window{state};
  WatchmanState watchman;
  Context c{state, window, window, window, window, watchman};
};

std::vector<Angles> Glide(int h0, int h1, int v0, int v1) {
  std::vector<Angles> out;
  for (int h = h0, v = v0;;) {
    if (v != v1) v += v < v1 ? 5 : -5;
    if (h != h1) h += h < h1 ? 5 : -5;
    out.emplace_back(h, v);
    if (h == h1 && v == v1) return out;
  }
}
}  // namespace

TEST_F(ViewCommands, GlidesDrawOneFramePerFiveDegreesOfTheLargerDifference) {
  struct Case {
    const char* name;
    Angles from;
    ViewAngles to;
    std::vector<Angles> frames;
  } cases[] = {
      {"isometric from start-up", {-45, 30}, kIsometricView, {{-45, 35}}},
      // H and V move together for six frames, then H alone.
      {"front from start-up", {-45, 30}, kFrontView, Glide(-45, 0, 30, 0)},
      // 300 folds to -60 first.
      {"top from (300, 30)", {300, 30}, kTopView, Glide(-60, 0, 30, 90)},
      // The fold alone reaches the target: still one frame.
      {"315 to -45", {315, 35}, kIsometricView, {{-45, 35}}},
      {"V above 180 folds too", {0, 270}, kFrontView, Glide(0, 0, -90, 0)},
      {"-180 or less is left as it is", {-270, 0}, kSideView, Glide(-270, -90, 0, 0)},
      // Exactly 180 is not folded on either axis.
      {"V of exactly 180", {0, 180}, kTopView, Glide(0, 0, 180, 90)},
      {"H of exactly 180", {180, 0}, kSideView, Glide(180, -90, 0, 0)},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    From(k.from.first, k.from.second);
    window.frames.clear();
    window.calls.clear();
    GoToView(c, k.to.h, k.to.v);
    EXPECT_EQ(window.frames, k.frames);
    EXPECT_EQ(window.calls, GlideFrameCalls(static_cast<int>(k.frames.size())));
  }
}

TEST_F(ViewCommands, AlreadyThereRedrawsOnceWithoutGlide) {
  From(0, 90);
  state.msngViewLineX[1] = 12345;  // ComputeView overwrites it
  state.mintLineCount = 1;
  GoToView(c, 0, 90);
  EXPECT_EQ(window.calls, (CallList{u"DrawFigure", u"PlayWave ./sound/turn.wav"}));
  EXPECT_NE(state.msngViewLineX[1], 12345);
}

TEST_F(ViewCommands, StepWrapRules) {
  struct Case {
    void (*op)(Context&);
    bool vertical;
    int from, to;
  } cases[] = {
      {HorizontalAngleUp, false, 355, 0},     {HorizontalAngleUp, false, -50, -45},
      {HorizontalAngleDown, false, 0, -5},    {HorizontalAngleDown, false, 3, 355},
      {VerticalAngleUp, true, 350, 355},      {VerticalAngleUp, true, 355, 0},
      {VerticalAngleDown, true, -45, -50},    {VerticalAngleDown, true, 5, 0},
      {VerticalAngleDown, true, -32765, -10},  // the last step before the type's limit folds
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << k.from << (k.vertical ? " V" : " H"));
    From(k.vertical ? 35 : k.from, k.vertical ? k.from : 35);
    const int other = 35;
    const int redraws = Redraws();
    k.op(c);
    EXPECT_EQ(k.vertical ? state.mintAngleV : state.mintAngleH, k.to);
    EXPECT_EQ(k.vertical ? state.mintAngleH : state.mintAngleV, other);
    EXPECT_EQ(Redraws(), redraws + 1);
  }
}

TEST_F(ViewCommands, EndlessDownwardStepsNeverOverflow) {
  From(0, 0);
  for (int n = 1; n <= 100000; ++n) {
    HorizontalAngleDown(c);
    const int h = state.mintAngleH;
    // The ordinary rule holds until the type's limit; after that the angle is the same turn.
    if (n <= 6553) {
      ASSERT_EQ(h, -5 * n);
    }
    ASSERT_EQ(((h + 5 * n) % 360 + 360) % 360, 0) << n;
    ASSERT_LT(h, 0);
  }
}

TEST_F(ViewCommands, ZoomLimitsAreTestedBeforeMultiplying) {
  state.msngViewLineX[0] = 777;  // zoom alone never runs ComputeView
  for (int i = 0; i < 17; ++i) Magnify(c);
  EXPECT_EQ(state.msngZoom, 5.05447102f);
  const float top = state.msngZoom;
  Magnify(c);
  EXPECT_EQ(state.msngZoom, top);
  EXPECT_EQ(Redraws(), 18);  // the refused step still redraws

  state.msngZoom = 5.0f;
  Magnify(c);
  EXPECT_EQ(state.msngZoom, 5.5f);

  state.msngZoom = 1.0f;
  for (int i = 0; i < 7; ++i) Reduce(c);
  EXPECT_EQ(state.msngZoom, 0.478296876f);
  const float bottom = state.msngZoom;
  Reduce(c);
  EXPECT_EQ(state.msngZoom, bottom);
  state.msngZoom = 0.5f;
  Reduce(c);
  EXPECT_EQ(state.msngZoom, 0.5f);

  state.msngZoom = 1.0f;
  Magnify(c);
  Reduce(c);
  EXPECT_EQ(state.msngZoom, 0.99000001f);
  // Each step is stored as a float: the products are of the float, not of a running double.
  state.msngZoom = 1.0f;
  Magnify(c);
  Magnify(c);
  EXPECT_EQ(state.msngZoom, static_cast<float>(static_cast<float>(1.0 * 1.1) * 1.1));
  EXPECT_EQ(state.msngViewLineX[0], 777);
}

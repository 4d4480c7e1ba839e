// The three-view display: its rectangles, the order of its set-up, and switching it off.
#include <gtest/gtest.h>

#include "fake_context.h"
#include "shell/status_bar.h"
#include "view/third_angle.h"
#include "view/view_commands.h"

namespace {
class ThirdAngle : public FakeContext {
 protected:
  void SetUp() override {
    FakeContext::SetUp();
    w.checked.insert(Control::mnuNormalSize);
    const ControlRects r = LayoutFor(kScreenProfiles[0], 28, 20, false);
    w.placed[Control::picFrontView] = r.frontView;
    for (Control box : {Control::picFrontView, Control::picTopVIew, Control::picSideView})
      w.hidden.insert(box);
  }
};
}  // namespace

TEST_F(ThirdAngle, RectanglesFollowTheTickedSizeAndTheBarHeights) {
  struct Case {
    Control item;
    int toolbar, statusBar;
    Rect full, quarter;
  } cases[] = {
      {Control::mnuNormalSize, 28, 20, {2, 30, 488, 400}, {246, 30, 244, 200}},
      {Control::mnuNormalSize, 28, 19, {2, 30, 488, 401}, {246, 30, 244, 200}},  // 200.5 -> 200
      {Control::mnuNormalSize, 26, 19, {2, 28, 488, 403}, {246, 28, 244, 202}},  // 201.5 -> 202
      {Control::mnuExpansion1, 28, 20, {2, 30, 648, 520}, {326, 30, 324, 260}},
      {Control::mnuExpansion2, 28, 20, {2, 30, 872, 688}, {438, 30, 436, 344}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(ControlName(k.item));
    w.checked = {k.item};
    w.toolbarHeight = k.toolbar;
    w.statusBarHeight = k.statusBar;
    EXPECT_EQ(FullPictureRect(w), k.full);
    EXPECT_EQ(QuarterPictureRect(k.full), k.quarter);
  }
}

TEST_F(ThirdAngle, SwitchingOnGlidesToEachViewAndKeepsAStillCopy) {
  ToggleThirdAngle(c);
  CallList expected = GlideFrameCalls(9);  // (-45, 30) to the front view
  expected << "CopyFigureBoxTo picFrontView 244x200"
           << "RepaintCanvas picFrontView";
  expected += GlideFrameCalls(18);
  expected << "CopyFigureBoxTo picTopVIew 244x200"
           << "RepaintCanvas picTopVIew";
  expected += GlideFrameCalls(18);
  expected << "CopyFigureBoxTo picSideView 244x200"
           << "RepaintCanvas picSideView";
  expected << "DrawFigure"
           << "PlayWave ./sound/turn.wav";  // isometric at once
  expected << "RepaintCanvas picFigBox"
           << "RepaintCanvas picbkgFigBox"
           << "PlayWave ./sound/turn.wav";
  expected << "DrawFigure"
           << "PlayWave ./sound/turn.wav";
  EXPECT_EQ(w.calls, expected);

  EXPECT_TRUE(state.mblnThirdAngle);
  EXPECT_EQ(state.mintAngleH, -45);
  EXPECT_EQ(state.mintAngleV, 35);
  EXPECT_EQ(w.PlacedAt(Control::picFigBox), Rect(246, 30, 244, 200));
  EXPECT_EQ(w.PlacedAt(Control::picbkgFigBox), Rect(246, 30, 244, 200));
  EXPECT_TRUE(w.hidden.empty());
  EXPECT_EQ(w.explanation, std::u16string(kThirdAngleText));

  // Later turns change only the live quarter.
  w.calls.clear();
  HorizontalAngleUp(c);
  Magnify(c);
  EXPECT_EQ(w.calls.filter(u"CopyFigureBoxTo"), CallList());
}

TEST_F(ThirdAngle, SwitchingOffRestoresTheFullPictureAndKeepsTheAngles) {
  ToggleThirdAngle(c);
  w.explanation = u"kept";
  w.calls.clear();
  ToggleThirdAngle(c);
  EXPECT_FALSE(state.mblnThirdAngle);
  EXPECT_EQ(state.mintAngleH, -45);
  EXPECT_EQ(state.mintAngleV, 35);
  EXPECT_EQ(w.calls, (CallList{u"DrawFigure", u"PlayWave ./sound/turn.wav"}));
  EXPECT_EQ(w.PlacedAt(Control::picFigBox), Rect(2, 30, 488, 400));
  EXPECT_EQ(w.PlacedAt(Control::picbkgFigBox), Rect(2, 30, 488, 400));
  EXPECT_EQ(w.hidden, (std::set<Control>{Control::picFrontView, Control::picTopVIew, Control::picSideView}));
  EXPECT_EQ(w.explanation, u"kept");
}

// Window layouts: the geometry of each size, the button column, and what the size items allow.
#include <gtest/gtest.h>

#include "fake_context.h"

TEST(WindowLayout, ProfilesWithA28PixelToolbarAnd20PixelStatusBar) {
  // One profile per row.
  // clang-format off
  struct Case {
    int profile;
    Rect canvas, front, top, side, panel;
  } cases[] = {
      {0, {2, 30, 488, 400}, {2, 230, 244, 200}, {2, 30, 244, 200}, {246, 230, 244, 200}, {490, 30, 150, 370}},
      {1, {2, 30, 648, 520}, {2, 290, 324, 260}, {2, 30, 324, 260}, {326, 290, 324, 260}, {650, 30, 150, 370}},
      {2, {2, 30, 872, 688}, {2, 374, 436, 344}, {2, 30, 436, 344}, {438, 374, 436, 344}, {874, 30, 150, 370}},
  };
  // clang-format on
  for (const Case& c : cases) {
    const ControlRects r = LayoutFor(kScreenProfiles[c.profile], 28, 20, false);
    SCOPED_TRACE(c.profile);
    EXPECT_EQ(r.canvas, c.canvas);
    EXPECT_EQ(r.frontView, c.front);
    EXPECT_EQ(r.topView, c.top);
    EXPECT_EQ(r.sideView, c.side);
    EXPECT_EQ(r.panel, c.panel);
  }
}

TEST(WindowLayout, HalvesRoundToEven) {
  // 450 - 28 - 19 - 2 = 401: the lower views start at 230.5 -> 230 and are 200.5 -> 200 high.
  const ControlRects odd = LayoutFor(kScreenProfiles[0], 28, 19, false);
  EXPECT_EQ(odd.canvas.height(), 401);
  EXPECT_EQ(odd.frontView, Rect(2, 230, 244, 200));
  // Fractional bar heights round too: 12.5 + 2 = 14.5 -> 14.
  EXPECT_EQ(LayoutFor(kScreenProfiles[0], 12.5, 20, false).canvas.top(), 14);
  // At start-up the panel is as tall as the canvas.
  EXPECT_EQ(LayoutFor(kScreenProfiles[0], 28, 20, true).panel.height(), 400);
}

TEST(WindowLayout, ButtonColumnIsCentredInThePanel) {
  const auto at370 = CommandButtonRects(370);
  const int tops370[] = {12, 52, 52, 82, 127, 127, 157, 157, 187, 187, 262, 307, 217};
  for (int i = 0; i < 13; ++i) EXPECT_EQ(at370[i].top(), tops370[i]) << i;
  EXPECT_EQ(at370[11], Rect(30, 307, 90, 50));
  EXPECT_EQ(at370[2], Rect(75, 52, 45, 30));
  EXPECT_EQ(CommandButtonRects(400)[0].top(), 28);  // nearest(27.5) is 28
  EXPECT_EQ(CommandButtonRects(401)[0].top(), 28);
}

TEST(WindowLayout, SizeItemsFollowTheScreen) {
  struct Case {
    int w, h;
    std::array<bool, 3> allowed;
  } cases[] = {
      {640, 480, {true, false, false}},  {800, 600, {true, true, false}},  {1024, 768, {true, true, true}},
      {1280, 600, {true, true, false}},  {1920, 1080, {true, true, true}}, {801, 601, {true, true, true}},
      {1024, 480, {true, false, false}},
  };
  for (const Case& c : cases) EXPECT_EQ(SizeItemsAllowed(c.w, c.h), c.allowed) << c.w << "x" << c.h;
}

using ScreenSize = FakeContext;
TEST_F(ScreenSize, ApplyingASizeResetsTheWindowToIt) {
  state.mblnThirdAngle = true;
  w.SetVisible(Control::picTopVIew, true);
  ApplyScreenLayout(c, 2);
  EXPECT_EQ(w.clientSize, Size(1024, 738));
  EXPECT_TRUE(w.IsChecked(Control::mnuExpansion2));
  EXPECT_FALSE(w.IsChecked(Control::mnuNormalSize));
  EXPECT_EQ(w.Placement(Control::picFigBox), Rect(2, 30, 872, 688));
  EXPECT_EQ(w.Placement(Control::picbkgFigBox), Rect(2, 30, 872, 688));
  EXPECT_EQ(w.Placement(Control::command1_0), Rect(30, 12, 90, 40));
  EXPECT_EQ(w.panelWidths, std::make_pair(872, 150));
  EXPECT_TRUE(w.hidden.contains(Control::picTopVIew));
  EXPECT_FALSE(state.mblnThirdAngle);
  // Erased first, redrawn last, with its sound.
  EXPECT_EQ(w.calls.front(), u"EraseFigureBox");
  EXPECT_EQ(w.calls.mid(w.calls.size() - 2), (CallList{u"DrawFigure", u"PlayWave ./sound/turn.wav"}));

  ApplyScreenLayout(c, 0);  // choosing a size again runs it all again
  EXPECT_EQ(w.clientSize, Size(640, 450));
  EXPECT_EQ(w.drawn.size(), 2u);
}

TEST(WindowLayout, StartUpStateOfTheCommands) {
  FakeWindow w;
  w.screen = Size(800, 600);
  SetUpMainWindow(w);
  SetUpDrawingArea(w, w);
  SetInitialCommandState(w);
  EXPECT_EQ(w.clientSize, Size(640, 450));
  EXPECT_TRUE(w.keyPreview);
  EXPECT_EQ(w.title, u"立体ヌボロ for Windows Ver3.1");
  EXPECT_EQ(w.Placement(Control::picSecondaryTools), Rect(490, 30, 150, 400));
  EXPECT_EQ(w.Placement(Control::command1_0).top(), 28);
  // The timers: MainWindow.TimersAreSetAsDesigned, through the real window.
  for (Control off : {Control::mnuFileSave, Control::cmdFigSave, Control::cmdNewFig, Control::command1_4,
                      Control::command1_12, Control::mnuExpansion2})
    EXPECT_FALSE(w.IsEnabled(off)) << off;
  for (Control on : {Control::command1_0, Control::command1_3, Control::mnuNormalSize, Control::mnuExpansion1,
                     Control::cmdDrawFig})
    EXPECT_TRUE(w.IsEnabled(on)) << on;
  EXPECT_EQ(w.checked, (std::set<Control>{Control::mnuBeginner, Control::mnuNormalSize}));
  for (Control view : {Control::picFrontView, Control::picTopVIew, Control::picSideView})
    EXPECT_TRUE(w.hidden.contains(view));
}

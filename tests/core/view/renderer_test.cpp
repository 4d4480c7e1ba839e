// The renderer's display list: order, colours, widths, the logical window and the pointer texts.
#include <gtest/gtest.h>

#include "fake_window.h"
#include "figure/app_state.h"
#include "view/compute_view.h"
#include "view/renderer.h"

namespace {
// Two lines, centre (10, 10, 0), seen from the front so that view units equal world units.
AppState FrontFigure() {
  AppState s;
  InitialiseApplicationState(s);
  s.mintAngleH = 0, s.mintAngleV = 0;
  s.mintLineCount = 2;
  const float pts[][3] = {{0, 0, 0}, {20, 0, 0}, {20, 0, 0}, {20, 20, 0}};
  for (int i = 0; i < 4; ++i)
    s.msngLineX[i + 1] = pts[i][0], s.msngLineY[i + 1] = pts[i][1], s.msngLineZ[i + 1] = pts[i][2];
  s.msngLineX[0] = 10, s.msngLineY[0] = 10, s.msngLineZ[0] = 0;
  return s;
}

std::string Golden(const AppState& s, Rgb background) {
  AppState copy = s;
  ComputeView(copy);
  return Describe(BuildRedrawList(copy, background));
}
}  // namespace

TEST(Renderer, NormalModeColours) {
  AppState s = FrontFigure();
  EXPECT_EQ(Golden(s, kWhite),
            "clear (255,255,255)\n"
            "scale -310 235 640 -450\n"
            "background (0,51,0)\n"
            "line (0,0) (20,0) (255,255,255) w1\n"
            "line (20,0) (20,20) (255,255,255) w1");
  s.mblnColorDraw = false;  // the monochrome copy
  EXPECT_EQ(Golden(s, kDarkGreen),
            "clear (0,51,0)\n"
            "scale -310 235 640 -450\n"
            "background (255,255,255)\n"
            "line (0,0) (20,0) (0,0,0) w1\n"
            "line (20,0) (20,20) (0,0,0) w1");
}

TEST(Renderer, EmptyFigureShowsOnlyTheBackground) {
  AppState s;
  InitialiseApplicationState(s);
  ComputeView(s);
  const DisplayList list = BuildRedrawList(s, kDarkGreen);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[2], Primitive(BackgroundPrim{kDarkGreen}));
}

TEST(Renderer, DrawModeWithHeldStartDrawsBothTextsBeforeTheRedLine) {
  AppState s = FrontFigure();
  s.mblnDrawMode = true;
  s.mblnColorDraw = false;  // no effect in draw mode
  s.mblnNoLineStart = false;
  s.msngRefX[4] = 20, s.msngRefY[4] = 0, s.msngRefZ[4] = 40;
  s.msngRefX[5] = -20, s.msngRefY[5] = 0, s.msngRefZ[5] = 0;
  s.msngZoom = 2;
  EXPECT_EQ(Golden(s, kWhite),
            "clear (255,255,255)\n"
            "scale -150 122.5 320 -225\n"
            "line (0,0) (2000,0) (0,204,255) w2\n"
            "line (0,0) (0,2000) (255,255,0) w2\n"
            "line (0,0) (0,0) (0,255,0) w2\n"
            "circle (20,0) r2.5 (255,0,0) w2\n"
            "text (20,0) \"x= 20 y= 0 z=40\"\n"
            "circle (-20,0) r2.5 (0,51,0) w2\n"
            "text (-20,0) \"x= -20 y= 0 z=0\"\n"
            "line (20,0) (-20,0) (255,0,0) w2\n"
            "line (0,0) (20,0) (0,0,0) w1\n"
            "line (20,0) (20,20) (0,0,0) w1");
}

TEST(Renderer, DrawModeWithoutHeldStartShowsOnlyThePointer) {
  AppState s = FrontFigure();
  s.mblnDrawMode = true;
  AppState copy = s;
  ComputeView(copy);
  const DisplayList list = BuildRedrawList(copy, kWhite);
  int circles = 0, texts = 0;
  for (const Primitive& p : list) {
    circles += std::holds_alternative<CirclePrim>(p);
    texts += std::holds_alternative<TextPrim>(p);
    EXPECT_FALSE(std::holds_alternative<BackgroundPrim>(p)) << "draw mode leaves the background alone";
  }
  EXPECT_EQ(circles, 1);
  EXPECT_EQ(texts, 1);
}

TEST(Renderer, CoordinateTextRoundsToWholeNumbers) {
  struct Case {
    float x, y, z;
    const char* text;
  } cases[] = {
      {20, 0, 40, "x= 20 y= 0 z=40"},
      {-20, 0, 0, "x= -20 y= 0 z=0"},
      {-0.4f, 0.5f, 1.5f, "x= 0 y= 0 z=2"},  // halves go to the even neighbour, never "-0"
      {199.6f, 32767, -1000, "x= 200 y= 32767 z=-1000"},
      {1e6f, 0, 0, "x= 1000000 y= 0 z=0"},  // no grouping separators
  };
  for (const Case& c : cases) EXPECT_EQ(CoordinateText(c.x, c.y, c.z), Utf16FromUtf8(c.text));
}

TEST(Renderer, LogicalWindowFollowsZoomAndCentre) {
  AppState s = FrontFigure();
  for (float zoom : {1.0f, 2.0f, 0.5f, 1.125f}) {
    s.msngZoom = zoom;
    AppState copy = s;
    ComputeView(copy);
    const auto scale = std::get<ScalePrim>(BuildRedrawList(copy, kDarkGreen)[1]);
    EXPECT_FLOAT_EQ(scale.width, 640 / zoom);
    EXPECT_FLOAT_EQ(scale.height, -450 / zoom);
    // The figure centre sits in the middle of the canvas.
    EXPECT_FLOAT_EQ(scale.left + scale.width / 2, 10);
    EXPECT_FLOAT_EQ(scale.top + scale.height / 2, 10);
  }
}

TEST(Renderer, RedrawDrawsOnceAndPlaysTheTurnSound) {
  AppState s = FrontFigure();
  ComputeView(s);
  FakeWindow w;
  w.background = kWhite;
  RedrawFigure(s, w, w);
  RedrawFigure(s, w, w);  // nothing changed: still a redraw and a sound
  ASSERT_EQ(w.drawn.size(), 2u);
  EXPECT_EQ(w.drawn[0][0], Primitive(ClearPrim{kWhite}));
  EXPECT_EQ(w.drawn[1][0], Primitive(ClearPrim{kDarkGreen}));  // the background persisted
  ASSERT_EQ(w.played.size(), 2u);
  EXPECT_EQ(w.played[0].path, u"./sound/turn.wav");
  EXPECT_FALSE(w.played[0].wait);
}

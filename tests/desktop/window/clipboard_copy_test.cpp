// Copy in colour and in monochrome: always the normal canvas, the window back as it was.
#include "shell/clipboard_copy.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "fake_context.h"
#include "shell/startup.h"
#include "test_main_window.h"
#include "view/compute_view.h"
#include "view/renderer.h"
#include "window/picture_box.h"

namespace {
// The colours of a picture's background and of its figure lines.
struct Colours {
  std::optional<Rgb> background;
  std::vector<Rgb> lines;
};
Colours ColoursOf(const DisplayList& list) {
  Colours c;
  for (const Primitive& p : list) {
    if (const auto* b = std::get_if<BackgroundPrim>(&p)) c.background = b->colour;
    if (const auto* l = std::get_if<LinePrim>(&p)) c.lines.push_back(l->colour);
  }
  return c;
}

class Copy : public FakeContext {
 protected:
  void SetUp() override {
    SetUpControls();
    FakeContext::SetUp();
    state.msngLineX[2] = 100;
    state.msngLineY[4] = 100;
    state.mintLineCount = 2;
    ComputeView(state);
    RedrawFigure(state, w, w);
  }
  Size NormalCanvas() const {
    return LayoutFor(kScreenProfiles[0], w.toolbarHeight, w.statusBarHeight, false).canvas.size();
  }
};
}  // namespace

TEST_F(Copy, EverySizeCopiesTheNormalCanvasAndComesBack) {
  for (int16_t size = 0; size < 3; ++size) {
    for (const auto copy : {CopyPictureInColour, CopyPictureInMonochrome}) {
      ApplyScreenLayout(c, size);
      w.clipboard.clear();
      copy(c);
      ASSERT_EQ(w.clipboard.size(), 1u);
      EXPECT_EQ(w.clipboard[0].size, NormalCanvas()) << size;
      EXPECT_TRUE(w.IsChecked(kScreenProfiles[size].menuItem));
      EXPECT_EQ(w.clientSize, Size(kScreenProfiles[size].width, kScreenProfiles[size].height));
      EXPECT_TRUE(state.mblnColorDraw);
    }
  }
}

TEST_F(Copy, MonochromeIsBlackOnWhiteOnTheClipboardAndColourOnTheScreen) {
  CopyPictureInColour(c);
  CopyPictureInMonochrome(c);
  const Colours colour = ColoursOf(w.clipboard[0].picture), mono = ColoursOf(w.clipboard[1].picture);
  EXPECT_EQ(colour.background, kDarkGreen);
  EXPECT_EQ(colour.lines, std::vector<Rgb>(2, kWhite));
  EXPECT_EQ(mono.background, kWhite);
  EXPECT_EQ(mono.lines, std::vector<Rgb>(2, kBlack));
  EXPECT_EQ(ColoursOf(w.drawn.back()).background, kDarkGreen) << "the screen ends in colour";
  EXPECT_TRUE(state.mblnColorDraw);

  // Draw mode has its own colours: both commands copy the same picture.
  state.mblnDrawMode = true;
  RedrawFigure(state, w, w);
  w.clipboard.clear();
  CopyPictureInColour(c);
  CopyPictureInMonochrome(c);
  EXPECT_EQ(w.clipboard[0].picture, w.clipboard[1].picture);
}

// The three views at the normal size leave only the quarter picture: refused. From a larger size the
// normal layout hides them, and the copy goes ahead.
TEST_F(Copy, ThreeViewsRefuseOnlyAtTheNormalSize) {
  state.mblnThirdAngle = true;
  w.drawn.clear();
  CopyPictureInColour(c);
  EXPECT_TRUE(w.clipboard.empty());
  EXPECT_TRUE(w.drawn.empty());
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0].text, u"三角法表示中はコピーできません。");
  EXPECT_TRUE(w.messages[0].title.empty()) << "the application title";
  EXPECT_EQ(w.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(w.messages[0].icon, MessageIcon::None);

  ApplyScreenLayout(c, 1);
  state.mblnThirdAngle = true;
  CopyPictureInMonochrome(c);
  EXPECT_EQ(w.clipboard.size(), 1u);
  EXPECT_EQ(w.messages.size(), 1u);
  EXPECT_FALSE(state.mblnThirdAngle);
  EXPECT_EQ(w.clientSize, Size(800, 570));
  EXPECT_TRUE(w.hidden.contains(Control::picFrontView));
}

// Through the real window, from a larger size: the system clipboard gets the normal canvas.
using CopyFromTheWindow = StartedWindow;
TEST_F(CopyFromTheWindow, PutsABitmapOfTheNormalCanvasOnTheClipboard) {
  const QSize normal = window.picFigBox->size();
  window.MenuItem(Control::mnuExpansion1)->trigger();
  window.MenuItem(Control::mnuColorCopy)->trigger();
  const QImage put = QGuiApplication::clipboard()->image();
  EXPECT_EQ(put.size(), normal);
  EXPECT_EQ(put.pixel(1, 1) & 0xFFFFFF, 0x003300u);
  EXPECT_EQ(window.picFigBox->width(), 648);
}

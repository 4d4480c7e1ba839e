// Glides and the three-view display on the real window: frame pacing, still views, live quarter.
#include <gtest/gtest.h>

#include <QDir>
#include <QScreen>

#include "shell/window_layout.h"
#include "test_main_window.h"

namespace {
using ViewDisplay = StartedWindow;

int WhitePixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
  }
  return n;
}
}  // namespace

TEST_F(ViewDisplay, GlideFramesAreAtLeastOneRefreshApart) {
  const qreal rate = window.screen()->refreshRate();
  const double period = 1.0 / (rate > 1 ? rate : 60.0);
  Press(Qt::Key_F3);  // front view from (-45, 30): 9 frames
  const auto& times = window.GlideFrameTimes();
  ASSERT_EQ(times.size(), 9u);
  for (size_t i = 1; i < times.size(); ++i)
    EXPECT_GE(std::chrono::duration<double>(times[i] - times[i - 1]).count(), period) << i;

  Press(Qt::Key_F4, Qt::ShiftModifier);  // at once: no glide frame
  EXPECT_EQ(window.GlideFrameTimes().size(), 9u);
  EXPECT_EQ(state.mintAngleV, 90);
}

TEST_F(ViewDisplay, ThreeViewsStayStillBesideTheLiveQuarterInEverySize) {
  for (int16_t size = 0; size < 3; ++size) {
    SCOPED_TRACE(size);
    ApplyScreenLayout(window.Ctx(), size);
    const QRect full = window.picFigBox->geometry();
    Press(Qt::Key_F7);
    PictureBox* views[] = {window.picTopVIew, window.picFrontView, window.picSideView};
    const QRect quarter(views[0]->geometry().right() + 1, full.top(), full.width() / 2, full.height() / 2);
    EXPECT_EQ(window.picFigBox->geometry(), quarter);
    QImage stills[3];
    for (int i = 0; i < 3; ++i) {
      EXPECT_TRUE(views[i]->isVisible());
      stills[i] = views[i]->Picture();
      EXPECT_GT(WhitePixels(stills[i]), 50) << "view " << i << " shows the figure";
    }
    EXPECT_NE(stills[0], stills[1]);
    EXPECT_NE(stills[1], stills[2]);

    const QImage live = window.picFigBox->Picture();
    Press(Qt::Key_Right);
    EXPECT_NE(window.picFigBox->Picture(), live);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(views[i]->Picture(), stills[i]) << "view " << i;
    if (::testing::Test::HasFailure()) window.grab().save(QDir::temp().filePath("three-views.png"));

    Press(Qt::Key_F7);
    EXPECT_EQ(window.picFigBox->geometry(), full);
    for (PictureBox* v : views) EXPECT_FALSE(v->isVisible());
  }
}

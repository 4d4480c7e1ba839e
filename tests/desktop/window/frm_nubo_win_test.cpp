// The first window as a learner sees it: the sample figure, white lines on dark green.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include "test_main_window.h"

namespace {

struct Colours {
  int green = 0, white = 0, other = 0;
};

Colours Count(const QImage& image) {
  Colours c;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y) & 0xFFFFFF;
      if (p == 0x003300)
        ++c.green;
      else if (p == 0xFFFFFF)
        ++c.white;
      else
        ++c.other;
    }
  }
  return c;
}

using FirstWindow = StartedWindow;
}  // namespace

TEST_F(FirstWindow, ShowsTheSampleFigureInWhiteOnDarkGreen) {
  EXPECT_EQ(state.mintLineCount, 12);
  EXPECT_EQ(state.mintAngleH, -45);
  EXPECT_EQ(state.mintAngleV, 30);
  EXPECT_NEAR(state.msngZoom, 225 / (130.0 * 2 / 3), 1e-5);  // from the stored centre (50, 40, 40)
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("立体ヌボロ for Windows Ver3.1"));

  const QImage shown = window.picFigBox->grab().toImage();
  const Colours c = Count(shown);
  EXPECT_GT(c.green, shown.width() * shown.height() * 9 / 10);
  EXPECT_GT(c.white, 500) << "the figure's lines";
  EXPECT_EQ(c.other, 0) << "lines are drawn without smoothing, in the two colours only";
  if (::testing::Test::HasFailure()) shown.save(QDir::temp().filePath(QStringLiteral("first-window.png")));
}

TEST_F(FirstWindow, ShownPictureSurvivesBeingCovered) {
  const QImage before = window.picFigBox->Picture();
  window.picFigBox->hide();
  window.picFigBox->show();
  QApplication::processEvents();
  EXPECT_EQ(window.picFigBox->grab().toImage().convertToFormat(QImage::Format_RGB32),
            before.convertToFormat(QImage::Format_RGB32));
}

// Where an installed copy keeps a learner's figures: the documents folder's 立体ヌボロ, made on first use.
TEST(OwnFiguresFolder, IsMadeInTheDocumentsFolder) {
  QTemporaryDir home;
  const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", home.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
  AppState state;
  FrmNuboWin window(state);
  const QString folder = QString::fromStdU16String(window.OwnFiguresFolder());
  qputenv("HOME", oldHome);
  oldConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
  EXPECT_EQ(folder, home.filePath(QStringLiteral("Documents/立体ヌボロ")));
  EXPECT_TRUE(QFileInfo(folder).isDir());
}

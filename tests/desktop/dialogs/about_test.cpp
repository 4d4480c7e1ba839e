// Show About's sequence through the fake window, and the About window itself on the offscreen platform.
#include "shell/about.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

#include "dialogs/frm_about.h"
#include "fake_window.h"

namespace {

TEST(About, VersionBoxShowsVersionPictureWithOkThenWaitsForSound) {
  FakeWindow w;
  ShowAbout(0, w, w, w);
  EXPECT_EQ(w.calls, CallList({u"Hourglass on", u"LoadAboutWindow", u"Hourglass off",
                               u"ShowAboutWindow ./pic/Nubover.bmp ok", u"ProcessPendingEvents",
                               u"PlayWave ./sound/splash.wav"}));
  ASSERT_EQ(w.played.size(), 1u);
  EXPECT_TRUE(w.played[0].wait);
}

TEST(About, SplashShowsSplashPictureWithoutOkThenWaitsForSound) {
  FakeWindow w;
  ShowAbout(1, w, w, w);
  EXPECT_EQ(w.calls, CallList({u"Hourglass on", u"LoadAboutWindow", u"Hourglass off",
                               u"ShowAboutWindow ./pic/nubospla.bmp no-ok", u"ProcessPendingEvents",
                               u"PlayWave ./sound/splash.wav"}));
  ASSERT_EQ(w.played.size(), 1u);
  EXPECT_TRUE(w.played[0].wait);
}

TEST(About, OtherModesOnlyLoadTheWindow) {
  for (int16_t mode : {int16_t(2), int16_t(-1), int16_t(32767)}) {
    FakeWindow w;
    ShowAbout(mode, w, w, w);
    EXPECT_EQ(w.calls, CallList({u"Hourglass on", u"LoadAboutWindow", u"Hourglass off"})) << mode;
    EXPECT_TRUE(w.played.empty());
  }
}

TEST(About, HelpOpensTheRelativeHelpFile) {
  FakeWindow w;
  OpenHelp(w);
  EXPECT_EQ(w.calls, CallList({u"OpenHelpFile ./help/nw31.hlp"}));
}

class FrmAboutTest : public ::testing::Test {
 protected:
  void TearDown() override { delete about; }
  QPointer<FrmAbout> about = new FrmAbout;
};

TEST_F(FrmAboutTest, FitsClientAreaAndButtonAndCannotBeResized) {
  about->resize(500, 400);
  about->Fit();
  EXPECT_EQ(about->size(), QSize(320, 240));
  EXPECT_EQ(about->minimumSize(), QSize(320, 240));
  EXPECT_EQ(about->maximumSize(), QSize(320, 240));
  EXPECT_EQ(about->bot->geometry(), QRect(20, 200, 280, 30));
  EXPECT_EQ(about->bot->text(), QStringLiteral("OK"));
  EXPECT_TRUE(about->isWindow());
  EXPECT_FALSE(about->isVisible());
  EXPECT_EQ(about->windowTitle(), QStringLiteral("立体ヌボロ for Windows Ver3.1"));

  const QRect screen = about->screen()->geometry();
  const QRect frame = about->frameGeometry();
  EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
}

TEST_F(FrmAboutTest, SplashHidesButtonAndVersionBoxShowsIt) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("p.bmp"));
  QImage image(200, 100, QImage::Format_RGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(path, "BMP"));

  about->ShowPicture(path, false);
  EXPECT_TRUE(about->isVisible());
  EXPECT_FALSE(about->isModal());
  EXPECT_FALSE(about->bot->isVisible());
  EXPECT_EQ(about->Picture().size(), QSize(200, 100));

  about->ShowPicture(path, true);
  EXPECT_TRUE(about->bot->isVisible());
  EXPECT_EQ(about->size(), QSize(320, 240));
}

TEST_F(FrmAboutTest, PictureIsDrawnFromTopLeftAtItsOwnSize) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("p.bmp"));
  QImage image(100, 50, QImage::Format_RGB32);
  image.fill(Qt::blue);
  ASSERT_TRUE(image.save(path, "BMP"));
  about->ShowPicture(path, false);

  const QImage shot = about->grab().toImage();
  const qreal dpr = shot.devicePixelRatio();
  EXPECT_EQ(shot.pixelColor(QPoint(int(10 * dpr), int(10 * dpr))), QColor(Qt::blue));
  EXPECT_EQ(shot.pixelColor(QPoint(int(99 * dpr), int(49 * dpr))), QColor(Qt::blue));
  EXPECT_NE(shot.pixelColor(QPoint(int(150 * dpr), int(100 * dpr))), QColor(Qt::blue));
}

TEST_F(FrmAboutTest, MissingPictureLeavesAnEmptyWindowOfTheSameSize) {
  about->ShowPicture(QStringLiteral("/no/such/folder/Nubover.bmp"), true);
  EXPECT_TRUE(about->Picture().isNull());
  EXPECT_TRUE(about->isVisible());
  EXPECT_TRUE(about->bot->isVisible());
  EXPECT_EQ(about->size(), QSize(320, 240));
}

TEST_F(FrmAboutTest, OkClickUnloadsTheWindow) {
  about->ShowPicture(QString(), true);
  int ok = 0;
  QObject::connect(about.data(), &FrmAbout::okClicked, [&ok] { ++ok; });
  about->bot->click();
  EXPECT_EQ(ok, 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(about.isNull());
}

TEST_F(FrmAboutTest, OkClickSurvivesAnOwnerThatDeletesTheWindow) {
  about->ShowPicture(QString(), true);
  QObject::connect(about.data(), &FrmAbout::okClicked, about.data(), [this] { delete about; });
  about->bot->click();
  EXPECT_TRUE(about.isNull());
}

}  // namespace

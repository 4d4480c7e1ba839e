// Rasterising a display list: where view units land in pixels, and the one-block copy to the display.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "window/back_buffer.h"
#include "window/picture_box.h"

namespace {
QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }
constexpr QRgb kGreenPx = 0x003300, kWhitePx = 0xFFFFFF, kBlackPx = 0x000000;

DisplayList Frame(Rgb background, float zoom, float cx, float cy) {
  return {ClearPrim{background},
          ScalePrim{-640 / (zoom + zoom) + cx, 450 / (zoom + zoom) + cy, 640 / zoom, -450 / zoom}};
}
}  // namespace

TEST(BackBuffer, OneViewUnitIsOnePixelOnA640By450CanvasAtZoomOne) {
  BackBuffer buffer;
  buffer.Resize(QSize(640, 450), 1.0);
  DisplayList list = Frame(kDarkGreen, 1, 100, 50);
  list.push_back(BackgroundPrim{kWhite});
  list.push_back(LinePrim{{0, 50}, {200, 50}, kBlack, 1});  // horizontal through the centre
  buffer.Rasterise(list);
  const QImage& img = buffer.Image();
  EXPECT_EQ(Pixel(img, 320, 225), kBlackPx);  // the centre (100, 50) is at (320, 225)
  EXPECT_EQ(Pixel(img, 220, 225), kBlackPx);
  EXPECT_EQ(Pixel(img, 320, 200), kWhitePx);
  EXPECT_EQ(Pixel(img, 100, 225), kWhitePx);  // the line ends at x = 0 view, pixel 220
  EXPECT_EQ(buffer.Background(), kWhite);
}

TEST(BackBuffer, NormalCanvasStretchesUnevenlyButCirclesStayRound) {
  BackBuffer buffer;
  buffer.Resize(QSize(488, 400), 1.0);
  DisplayList list = Frame(kWhite, 1, 0, 0);
  list.push_back(CirclePrim{{0, 0}, 40, kRed, 2});  // radius 40 * 0.7625 = 30.5 px both ways
  buffer.Rasterise(list);
  const QImage& img = buffer.Image();
  auto redish = [&](int x, int y) { return qRed(img.pixel(x, y)) > 200 && qGreen(img.pixel(x, y)) < 120; };
  EXPECT_TRUE(redish(244 + 30, 200) || redish(244 + 31, 200));
  EXPECT_TRUE(redish(244, 200 + 30) || redish(244, 200 + 31));
  EXPECT_FALSE(redish(244, 200 + 36));        // not stretched to 40 * 0.8889 vertically
  EXPECT_EQ(Pixel(img, 244, 200), kWhitePx);  // unfilled
}

TEST(BackBuffer, HighDensityScreensGetMorePixelsNotAMovedPicture) {
  BackBuffer buffer;
  buffer.Resize(QSize(640, 450), 2.0);
  EXPECT_EQ(buffer.Image().size(), QSize(1280, 900));
  DisplayList list = Frame(kWhite, 1, 0, 0);
  list.push_back(LinePrim{{-320, 0}, {320, 0}, kBlack, 1});
  buffer.Rasterise(list);
  EXPECT_NE(qRed(buffer.Image().pixel(640, 450)), 255);  // the centre line in device pixels
  EXPECT_EQ(Pixel(buffer.Image(), 640, 300), kWhitePx);
}

TEST(BackBuffer, HighDensityLinesAreAsThickAsQPaintersAcrossEveryDirection) {
  // Lit pixels across the line, averaged over the middle columns (rows for a steep line): ours against
  // QPainter's cosmetic pen of the ratio's width, whose stroke is that wide across the line's direction.
  const auto across = [](const QImage& img, bool alongX) {
    int lit = 0;
    for (int c = -10; c <= 10; ++c)
      for (int m = 0; m < (alongX ? img.height() : img.width()); ++m) {
        const QRgb px = alongX ? img.pixel(img.width() / 2 + c, m) : img.pixel(m, img.height() / 2 + c);
        lit += qRed(px) < 128;
      }
    return lit / 21.0;
  };
  for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
    for (const ViewPoint to : {ViewPoint{60, 0}, ViewPoint{60, 60}, ViewPoint{60, 25}, ViewPoint{15, 60}}) {
      SCOPED_TRACE(testing::Message() << "ratio " << ratio << " to " << to.x << ", " << to.y);
      BackBuffer buffer;
      buffer.Resize(QSize(128, 128), ratio);
      DisplayList list = {ClearPrim{kWhite}, ScalePrim{-64, 64, 128, -128}};
      list.push_back(LinePrim{{-to.x, -to.y}, to, kBlack, 1});
      buffer.Rasterise(list);

      QImage theirs(buffer.Image().size(), QImage::Format_RGB32);
      theirs.setDevicePixelRatio(ratio);
      theirs.fill(Qt::white);
      QPainter p(&theirs);
      QPen pen(Qt::black, ratio);
      pen.setCosmetic(true);
      p.setPen(pen);
      p.drawLine(QPointF(64 - to.x + 0.5, 64 + to.y + 0.5), QPointF(64 + to.x + 0.5, 64 - to.y + 0.5));
      p.end();
      const bool alongX = to.x >= to.y;
      // Within one pixel: where the pixel centres fall in the stroke moves the count by one.
      EXPECT_NEAR(across(buffer.Image(), alongX), across(theirs, alongX), 1.0);
    }
  }
}

TEST(PictureBox, BlockCopyReplacesTheWholePicture) {
  PictureBox box;
  box.resize(120, 90);
  BackBuffer buffer;
  buffer.Resize(QSize(120, 90), 1.0);
  buffer.SetBackground(kWhite);
  DisplayList list = Frame(kWhite, 1, 0, 0);
  list.push_back(LinePrim{{-320, 0}, {320, 0}, kBlack, 1});
  buffer.Rasterise(list);
  box.BlockCopyFrom(buffer.Image());
  EXPECT_EQ(box.Picture(), buffer.Image());
  // A later frame on the back buffer does not leak into the shown picture before its copy.
  buffer.SetBackground(kDarkGreen);
  EXPECT_EQ(Pixel(box.Picture(), 5, 5), kWhitePx);
  box.Erase();
  box.SetBackground(kWhite);
}

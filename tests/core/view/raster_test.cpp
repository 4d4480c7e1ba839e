// The display-list rasteriser every front-end shares: the same picture in either pixel order, wide lines
// as wide across every direction, round rings on a stretched view, texts handed over in order.
#include "view/raster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {
struct Picture {
  int width, height;
  double ratio = 1;
  PixelOrder order = PixelOrder::Argb;
  std::vector<uint32_t> pixels =
      std::vector<uint32_t>(static_cast<size_t>(width * ratio) * static_cast<size_t>(height * ratio));
  int Columns() const { return static_cast<int>(width * ratio); }
  RasterTarget Target() {
    const int rows = static_cast<int>(height * ratio);
    return {{pixels.data(), Columns(), rows, Columns()}, width, height, ratio, order};
  }
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * Columns() + x]; }
  bool Is(int x, int y, Rgb c) const { return At(x, y) == ToPixel(c, order); }
};

// A view one unit a pixel with the origin at the centre.
DisplayList Frame(const Picture& p, Rgb ground) {
  return {ClearPrim{ground}, ScalePrim{-p.width / 2.0f, p.height / 2.0f, float(p.width), -float(p.height)}};
}

Picture Draw(Picture p, const DisplayList& list, const TextPainter& texts = {}) {
  Rgb background;
  RasteriseList(p.Target(), list, background, texts);
  return p;
}
}  // namespace

TEST(Raster, EitherPixelOrderHoldsTheSamePicture) {
  Picture argb{64, 48}, abgr{64, 48, 1, PixelOrder::Abgr};
  DisplayList list = Frame(argb, Rgb{0, 51, 0});
  list.push_back(LinePrim{{-30, -20}, {30, 17}, Rgb{255, 128, 0}, 1});
  list.push_back(LinePrim{{-30, 10}, {30, 10}, Rgb{10, 20, 250}, 2});
  list.push_back(CirclePrim{{5, -5}, 9, Rgb{200, 0, 90}, 2});
  argb = Draw(argb, list);
  abgr = Draw(abgr, list);
  int lit = 0;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) {
      const uint32_t a = argb.At(x, y), b = abgr.At(x, y);
      ASSERT_EQ(a & 0xff00ff00u, b & 0xff00ff00u) << x << "," << y;
      ASSERT_EQ((a >> 16) & 0xff, b & 0xff) << x << "," << y;
      ASSERT_EQ(a & 0xff, (b >> 16) & 0xff) << x << "," << y;
      lit += !argb.Is(x, y, Rgb{0, 51, 0});
    }
  EXPECT_GT(lit, 150);
}

TEST(Raster, WideLinesAreAsWideAcrossEveryDirection) {
  // Lit pixels counted across the line at its middle, along the minor axis: the pen's width times the
  // ratio, divided by the cosine of the slope so a diagonal is as thick as a level line.
  struct Case {
    int width;
    double ratio;
    ViewPoint to;
    int across;
  } cases[] = {{1, 1, {40, 0}, 1}, {2, 1, {40, 0}, 2}, {2, 1, {0, 40}, 2},  {2, 1, {40, 40}, 3},
               {1, 2, {40, 0}, 2}, {2, 2, {40, 0}, 4}, {1, 2, {40, 40}, 3}, {3, 1, {40, 20}, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "width " << c.width << " ratio " << c.ratio << " to " << c.to.x << ","
                                    << c.to.y);
    Picture p{128, 128, c.ratio};
    DisplayList list = Frame(p, kWhite);
    list.push_back(LinePrim{{-c.to.x, -c.to.y}, c.to, kBlack, c.width});
    p = Draw(p, list);
    const bool level = std::abs(c.to.x) >= std::abs(c.to.y);
    const int middle = p.Columns() / 2;
    int lit = 0;
    for (int m = 0; m < p.Columns(); ++m) lit += level ? p.Is(middle, m, kBlack) : p.Is(m, middle, kBlack);
    EXPECT_EQ(lit, c.across);
  }
}

TEST(Raster, RingsStayRoundOnAStretchedViewAndHostileCirclesDrawNothing) {
  Picture p{200, 100};
  // Twice as many units a pixel upright as across: the radius follows the horizontal scale alone.
  DisplayList list = {ClearPrim{kWhite}, ScalePrim{-100, 100, 200, -200}};
  list.push_back(CirclePrim{{0, 0}, 30, kRed, 2});
  const float nan = std::numeric_limits<float>::quiet_NaN();
  list.push_back(CirclePrim{{nan, 0}, 30, kBlack, 2});
  list.push_back(CirclePrim{{0, 0}, 1e30f, kBlack, 2});
  list.push_back(CirclePrim{{0, 0}, std::numeric_limits<float>::infinity(), kBlack, 2});
  p = Draw(p, list);
  EXPECT_TRUE(p.Is(100 + 30, 50, kRed));
  EXPECT_TRUE(p.Is(100, 50 + 30, kRed));
  EXPECT_TRUE(p.Is(100, 50, kWhite));       // unfilled
  EXPECT_TRUE(p.Is(100, 50 + 33, kWhite));  // not stretched upright
  EXPECT_TRUE(p.Is(0, 0, kWhite));          // the huge ring passes far outside
}

TEST(Raster, TextsAreHandedOverInOrderOverWhatCameBefore) {
  Picture p{40, 30};
  DisplayList list = Frame(p, kWhite);
  list.push_back(TextPrim{{-20, 15}, u"前"});
  list.push_back(BackgroundPrim{kBlack});
  list.push_back(TextPrim{{0, 0}, u"後"});
  std::vector<std::u16string> seen;
  std::vector<uint32_t> groundAtText;
  Rgb background;
  RasteriseList(p.Target(), list, background, [&](const TextPrim& t, double x, double y) {
    seen.push_back(t.text);
    groundAtText.push_back(p.At(static_cast<int>(x), static_cast<int>(y)));
  });
  EXPECT_EQ(seen, (std::vector<std::u16string>{u"前", u"後"}));
  EXPECT_EQ(groundAtText, (std::vector<uint32_t>{ToPixel(kWhite, p.order), ToPixel(kBlack, p.order)}));
  EXPECT_EQ(background, kBlack);
}

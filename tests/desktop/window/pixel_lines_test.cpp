// Our one-pixel lines against QPainter's cosmetic line, pixel by pixel, over lines of every kind.
#include "view/pixel_lines.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <limits>
#include <random>

namespace {
constexpr int kWidth = 96, kHeight = 72;
constexpr uint32_t kInk = 0xFF000000u, kPaper = 0xFFFFFFFFu;

QImage Paper() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(kPaper);
  return image;
}

QImage Ours(QLineF l) {
  QImage image = Paper();
  const PixelRows rows{reinterpret_cast<uint32_t*>(image.bits()), kWidth, kHeight,
                       static_cast<int>(image.bytesPerLine() / 4)};
  DrawPixelLine(rows, l.x1(), l.y1(), l.x2(), l.y2(), kInk);
  return image;
}

QImage Theirs(QLineF l) {
  QImage image = Paper();
  QPainter p(&image);
  QPen pen(Qt::black, 1);
  pen.setCosmetic(true);
  p.setPen(pen);
  p.drawLines(&l, 1);
  return image;
}

// Pixels that differ, except next to an end point, where a platform may light or leave the last pixel.
int Differences(const QImage& a, const QImage& b, QLineF l) {
  int count = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      if (a.pixel(x, y) == b.pixel(x, y)) continue;
      const auto nearEnd = [&](QPointF e) {
        return std::abs(e.x() - x - 0.5) <= 1.5 && std::abs(e.y() - y - 0.5) <= 1.5;
      };
      if (!nearEnd(l.p1()) && !nearEnd(l.p2())) ++count;
    }
  return count;
}

double Coordinate(std::mt19937& random, int kind, int size) {
  switch (kind) {
    case 0:  // inside, on and off the pixel grid
      return std::uniform_real_distribution<double>(0, size)(random);
    case 1:  // crossing the edge
      return std::uniform_real_distribution<double>(-3.0 * size, 4.0 * size)(random);
    case 2:  // whole pixel centres, where the figure's points land on an ordinary screen
      return std::uniform_int_distribution<int>(-5, size + 5)(random) + 0.5;
    default:  // far outside, as a hostile file can place a point
      return std::uniform_real_distribution<double>(-1e38, 1e38)(random);
  }
}
}  // namespace

TEST(PixelLines, LightTheSamePixelsAsTheCosmeticLine) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> kinds(0, 3);
  for (int i = 0; i < 4000; ++i) {
    const int kind = i < 3000 ? i % 3 : kinds(random);
    const QLineF l(Coordinate(random, kind, kWidth), Coordinate(random, kind, kHeight),
                   Coordinate(random, kinds(random) == 3 ? 3 : kind, kWidth),
                   Coordinate(random, kind, kHeight));
    const QImage ours = Ours(l);
    ASSERT_EQ(Differences(ours, Theirs(l), l), 0)
        << "line " << i << ": " << l.x1() << ", " << l.y1() << " - " << l.x2() << ", " << l.y2();
  }
}

TEST(PixelLines, NonFiniteLinesDrawNothing) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  const QLineF cases[] = {{kInf, 10, 20, 10},       {-kInf, -kInf, kInf, kInf}, {10, kNaN, 20, 30},
                          {kNaN, kNaN, kNaN, kNaN}, {5, 5, 5, -kInf},           {3.4e38, 0, -3.4e38, 1e-30}};
  for (const QLineF& l : cases) {
    const QImage ours = Ours(l);
    if (std::isfinite(l.x1() + l.y1() + l.x2() + l.y2()))
      EXPECT_EQ(Differences(ours, Theirs(l), l), 0) << l.x1();
    else
      EXPECT_EQ(ours, Paper()) << l.x1() << ", " << l.y1() << " - " << l.x2() << ", " << l.y2();
  }
}

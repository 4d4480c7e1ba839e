#include "view/raster.h"

#include <algorithm>
#include <cmath>
#include <variant>

namespace {
// View units to device-independent pixels through the logical window of the last ScalePrim; a point
// lands on a pixel's centre, so one-pixel lines on whole pixels stay crisp.
struct Mapping {
  double left = 0, top = 0, sx = 1, sy = 1;
  double X(float x) const { return (x - left) * sx + 0.5; }
  double Y(float y) const { return (y - top) * sy + 0.5; }
};

class Rasteriser {
 public:
  Rasteriser(const RasterTarget& target, Rgb& background, const TextPainter& paintText)
      : t_(target), background_(background), paintText_(paintText) {}

  void operator()(const ClearPrim& c) { Fill(c.colour); }
  void operator()(const BackgroundPrim& b) {
    background_ = b.colour;
    Fill(b.colour);
  }
  void operator()(const ScalePrim& s) {
    map_ = {s.left, s.top, s.width != 0 ? t_.width / double{s.width} : 0,
            s.height != 0 ? t_.height / double{s.height} : 0};
  }
  void operator()(const LinePrim& l) {
    Flush();
    Line(map_.X(l.from.x) * t_.ratio, map_.Y(l.from.y) * t_.ratio, map_.X(l.to.x) * t_.ratio,
         map_.Y(l.to.y) * t_.ratio, l.width, ToPixel(l.colour, t_.order));
  }
  // A ring of pixels whose centres lie within half the pen's width of the circle: round on every canvas
  // however unevenly the view is stretched, since the radius follows the horizontal scale alone.
  void operator()(const CirclePrim& c) {
    Flush();
    const double r = c.radius * map_.sx * t_.ratio, half = std::max(c.width, 1) * t_.ratio / 2;
    const double cx = map_.X(c.centre.x) * t_.ratio, cy = map_.Y(c.centre.y) * t_.ratio;
    if (!std::isfinite(r) || !std::isfinite(cx) || !std::isfinite(cy)) return;
    const PixelRows& rows = t_.rows;
    const auto bound = [](double v, int size) { return static_cast<int>(std::clamp(v, 0.0, double(size))); };
    const int x0 = bound(cx - r - half - 1, rows.width), x1 = bound(cx + r + half + 1, rows.width);
    const int y0 = bound(cy - r - half - 1, rows.height), y1 = bound(cy + r + half + 1, rows.height);
    const uint32_t pixel = ToPixel(c.colour, t_.order);
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (std::abs(std::hypot(x + 0.5 - cx, y + 0.5 - cy) - std::abs(r)) <= half)
          rows.bits[static_cast<std::ptrdiff_t>(y) * rows.stride + x] = pixel;
  }
  void operator()(const TextPrim& t) {
    Flush();
    if (paintText_) paintText_(t, map_.X(t.at.x), map_.Y(t.at.y));
  }
  // A fill waits until something is drawn over it, so a clear straight followed by a new background
  // colour costs one pass over the pixels, not two.
  void Flush() {
    if (!filling_) return;
    const uint32_t pixel = ToPixel(fill_, t_.order);
    for (int y = 0; y < t_.rows.height; ++y)
      std::fill_n(t_.rows.bits + static_cast<std::ptrdiff_t>(y) * t_.rows.stride, t_.rows.width, pixel);
    filling_ = false;
  }

 private:
  void Fill(Rgb colour) {
    fill_ = colour;
    filling_ = true;
  }
  // A line `width` pixels wide (times the screen's ratio) across its direction: that many one-pixel
  // lines side by side along the minor axis, as many as the width spans there.
  void Line(double x1, double y1, double x2, double y2, int width, uint32_t pixel) {
    const double dx = std::abs(x2 - x1), dy = std::abs(y2 - y1), major = std::max(dx, dy);
    const double wide = std::max(width, 1) * t_.ratio;
    const double across = wide == 1 || !(major > 0) ? wide : wide * std::hypot(dx, dy) / major;
    const int count = std::isfinite(across) ? std::clamp(static_cast<int>(std::lround(across)), 1, 16) : 1;
    for (int k = 0; k < count; ++k) {
      const double shift = k - (count - 1) / 2.0;
      const double sx = dx >= dy ? 0 : shift, sy = dx >= dy ? shift : 0;
      DrawPixelLine(t_.rows, x1 + sx, y1 + sy, x2 + sx, y2 + sy, pixel);
    }
  }

  const RasterTarget& t_;
  Rgb& background_;
  const TextPainter& paintText_;
  Mapping map_;
  Rgb fill_;
  bool filling_ = false;
};
}  // namespace

void RasteriseList(const RasterTarget& target, const DisplayList& list, Rgb& background,
                   const TextPainter& paintText) {
  Rasteriser r(target, background, paintText);
  for (const Primitive& p : list) std::visit(r, p);
  r.Flush();
}

// The figure's hot path: an integer scan-line walk over 26.6 fixed-point end points.
#include "view/pixel_lines.h"

#include <cmath>
#include <utility>

namespace {
// Cuts the segment (a1, b1)-(a2, b2) to amin <= a <= amax along its a axis; false when nothing is left.
bool ClipAxis(double& a1, double& b1, double& a2, double& b2, double amin, double amax) {
  const auto clipEnd = [](double& a, double& b, double aOther, double bOther, double bound) {
    b += (bOther - b) / (aOther - a) * (bound - a);
    a = bound;
  };
  if (a1 < amin) {
    if (a2 <= amin) return false;
    clipEnd(a1, b1, a2, b2, amin);
  } else if (a1 > amax) {
    if (a2 >= amax) return false;
    clipEnd(a1, b1, a2, b2, amax);
  }
  if (a2 < amin) {
    clipEnd(a2, b2, a1, b1, amin);
  } else if (a2 > amax) {
    clipEnd(a2, b2, a1, b1, amax);
  }
  return true;
}

// Clips the line to a frame one pixel wider than the image; false when nothing of it is left. Working in
// doubles keeps hostile coordinates (1e38) from overflowing the integers below.
bool Clip(double& x1, double& y1, double& x2, double& y2, double xmin, double xmax, double ymin,
          double ymax) {
  if (!ClipAxis(x1, y1, x2, y2, xmin, xmax) || !ClipAxis(y1, x1, y2, x2, ymin, ymax)) return false;
  return std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
}

// Truncating, as the raster engine converts to 26.6.
int64_t Fixed26(double v) { return static_cast<int64_t>(v * 64.0); }

// Walks the major axis a (one pixel a step) and carries the minor axis b in 16.16. Square caps reach half
// a pixel beyond each end, so both end pixels are lit.
template <bool kAlongX>
void Walk(const PixelRows& rows, int64_t a1, int64_t b1, int64_t a2, int64_t b2, uint32_t colour) {
  if (a1 > a2) {
    std::swap(a1, a2);
    std::swap(b1, b2);
  }
  const int64_t inc = ((b2 - b1) * 65536) / (a2 - a1);
  int64_t b = b1 * 1024 - (inc >> 1);
  a1 -= 32;
  a2 += 32;
  int64_t a = (a1 + 32) >> 6;
  const int64_t end = (a2 + 32) >> 6;
  if (a == end) return;
  b += ((a * 64 + (inc > 0 ? 32 : 0) - a1) * inc) >> 6;
  const int64_t majorSize = kAlongX ? rows.width : rows.height;
  const int64_t minorSize = kAlongX ? rows.height : rows.width;
  for (; a < end; ++a, b += inc) {
    const int64_t m = b >> 16;
    if (a < 0 || a >= majorSize || m < 0 || m >= minorSize) continue;
    if constexpr (kAlongX)
      rows.bits[m * rows.stride + a] = colour;
    else
      rows.bits[a * rows.stride + m] = colour;
  }
}
}  // namespace

void DrawPixelLine(const PixelRows& rows, double x1, double y1, double x2, double y2, uint32_t colour) {
  if (!(std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2))) return;
  if (x1 == x2 && y1 == y2) {  // a dot, at the nearest pixel
    const double x = std::round(x1), y = std::round(y1);
    if (x >= 0 && x < rows.width && y >= 0 && y < rows.height)
      rows.bits[static_cast<int64_t>(y) * rows.stride + static_cast<int64_t>(x)] = colour;
    return;
  }
  if (!Clip(x1, y1, x2, y2, -1.0, rows.width + 1.0, -1.0, rows.height + 1.0)) return;
  const int64_t fx1 = Fixed26(x1), fy1 = Fixed26(y1), fx2 = Fixed26(x2), fy2 = Fixed26(y2);
  const int64_t dx = fx2 > fx1 ? fx2 - fx1 : fx1 - fx2;
  const int64_t dy = fy2 > fy1 ? fy2 - fy1 : fy1 - fy2;
  if (dx < dy)
    Walk<false>(rows, fy1, fx1, fy2, fx2, colour);
  else if (dx != 0)
    Walk<true>(rows, fx1, fy1, fx2, fy2, colour);
}

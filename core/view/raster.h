// A display list into 32-bit pixels by our own loops, so that every front-end shows the same figure pixel
// for pixel. Texts are left to the front-end, which has the fonts.
#pragma once

#include <cstdint>
#include <functional>

#include "view/display_list.h"
#include "view/pixel_lines.h"

// How a front-end's pixels hold their colour: Qt's RGB32 is 0xffRRGGBB; a browser's ImageData keeps
// the bytes R, G, B, A in memory, which a little-endian word reads as 0xAABBGGRR.
enum class PixelOrder { Argb, Abgr };

constexpr uint32_t ToPixel(Rgb c, PixelOrder order) {
  return order == PixelOrder::Argb ? 0xff000000u | uint32_t{c.r} << 16 | uint32_t{c.g} << 8 | c.b
                                   : 0xff000000u | uint32_t{c.b} << 16 | uint32_t{c.g} << 8 | c.r;
}

struct RasterTarget {
  PixelRows rows;
  // The picture's size in device-independent pixels; `rows` holds `ratio` times as many each way.
  int width = 0, height = 0;
  double ratio = 1;
  PixelOrder order = PixelOrder::Argb;
};

// Called in list order for each text, at its top-left corner in device-independent pixels, once
// everything listed before it is in the pixels.
using TextPainter = std::function<void(const TextPrim& text, double x, double y)>;

// Draws `list` into `target`; a background primitive also sets `background`.
void RasteriseList(const RasterTarget& target, const DisplayList& list, Rgb& background,
                   const TextPainter& paintText);

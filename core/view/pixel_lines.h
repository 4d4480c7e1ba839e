// One-pixel lines written straight into RGB32 pixels, lit as the raster engine lights a cosmetic line.
#pragma once

#include <cstdint>

// A view of 32-bit pixels: `stride` pixels from one row to the next.
struct PixelRows {
  uint32_t* bits = nullptr;
  int width = 0, height = 0;
  int stride = 0;
};

// Draws from (x1, y1) to (x2, y2) in device pixels, both ends included. Coordinates may be anything:
// the line is clipped in floating point first, and a line with a NaN or infinite coordinate draws nothing.
void DrawPixelLine(const PixelRows& rows, double x1, double y1, double x2, double y2, uint32_t colour);

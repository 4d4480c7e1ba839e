// The renderer's output: an ordered list of drawing primitives in view units, turned into pixels elsewhere.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kDarkGreen{0, 51, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kAxisX{0, 204, 255};
inline constexpr Rgb kAxisY{255, 255, 0};
inline constexpr Rgb kAxisZ{0, 255, 0};

struct ViewPoint {
  float x = 0, y = 0;
  friend bool operator==(const ViewPoint&, const ViewPoint&) = default;
};

// Fill the buffer with its current background colour.
struct ClearPrim {
  Rgb colour;
  friend bool operator==(const ClearPrim&, const ClearPrim&) = default;
};
// Give the buffer a new background colour; this repaints the whole buffer in it.
struct BackgroundPrim {
  Rgb colour;
  friend bool operator==(const BackgroundPrim&, const BackgroundPrim&) = default;
};
// The logical window: the view units that the canvas shows (height negative, y grows upward).
struct ScalePrim {
  float left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const ScalePrim&, const ScalePrim&) = default;
};
struct LinePrim {
  ViewPoint from, to;
  Rgb colour;
  int width = 1;
  friend bool operator==(const LinePrim&, const LinePrim&) = default;
};
// Radius in view units measured along x; a true circle in pixels.
struct CirclePrim {
  ViewPoint centre;
  float radius = 0;
  Rgb colour;
  int width = 1;
  friend bool operator==(const CirclePrim&, const CirclePrim&) = default;
};
// Text in the canvas font and text colour, top-left corner at the point.
struct TextPrim {
  ViewPoint at;
  std::u16string text;
  friend bool operator==(const TextPrim&, const TextPrim&) = default;
};

using Primitive = std::variant<ClearPrim, BackgroundPrim, ScalePrim, LinePrim, CirclePrim, TextPrim>;
using DisplayList = std::vector<Primitive>;

// One primitive a line, for golden comparisons and failure messages.
// UTF-8.
std::string Describe(const Primitive& p);
std::string Describe(const DisplayList& list);

// Builds the ordered drawing primitives of one redraw; the window rasterises and shows them.
#include "view/renderer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "figure/numeric.h"
#include "figure/text.h"
#include "shell/canvas.h"
#include "shell/services.h"
#include "view/compute_view.h"

namespace {
ScalePrim ScaleFor(const AppState& s) {
  const float z = s.msngZoom;
  const float cx = s.msngViewLineX[0];
  const float cy = s.msngViewLineY[0];
  return {-640.0f / (z + z) + cx, 450.0f / (z + z) + cy, 640.0f / z, -450.0f / z};
}

ViewPoint RefView(const AppState& s, int i) { return {s.msngViewRefX[i], s.msngViewRefY[i]}; }

void AddPointer(DisplayList& list, const AppState& s, int i, Rgb circleColour) {
  list.push_back(CirclePrim{RefView(s, i), 5.0f / s.msngZoom, circleColour, 2});
  list.push_back(TextPrim{RefView(s, i), CoordinateText(s.msngRefX[i], s.msngRefY[i], s.msngRefZ[i])});
}

void AddDrawModeMarks(DisplayList& list, const AppState& s) {
  list.push_back(LinePrim{RefView(s, 0), RefView(s, 1), kAxisX, 2});
  list.push_back(LinePrim{RefView(s, 0), RefView(s, 2), kAxisY, 2});
  list.push_back(LinePrim{RefView(s, 0), RefView(s, 3), kAxisZ, 2});
  AddPointer(list, s, 4, kRed);
  if (!s.mblnNoLineStart) {
    AddPointer(list, s, 5, kDarkGreen);
    list.push_back(LinePrim{RefView(s, 4), RefView(s, 5), kRed, 2});
  }
}

// The exact digits of a whole number past 64 bits, as any float above 2^63 is: its 24-bit mantissa
// doubled by long multiplication in base 10^9.
std::u16string HugeWhole(double r) {
  int e = 0;
  const double m = std::frexp(std::abs(r), &e);
  std::array<uint32_t, 8> limbs{};  // least significant first; 2^128 has 39 digits
  limbs[0] = static_cast<uint32_t>(std::ldexp(m, 24));
  for (e -= 24; e > 0; --e) {
    uint32_t carry = 0;
    for (uint32_t& limb : limbs) {
      const uint64_t twice = uint64_t{limb} * 2 + carry;
      limb = static_cast<uint32_t>(twice % 1000000000);
      carry = static_cast<uint32_t>(twice / 1000000000);
    }
  }
  size_t top = limbs.size() - 1;
  while (top > 0 && limbs[top] == 0) --top;
  std::u16string out = r < 0 ? u"-" : u"";
  out += NumberText(limbs[top]);
  while (top-- > 0) {
    const std::u16string part = NumberText(limbs[top]);
    out.append(9 - part.size(), u'0');
    out += part;
  }
  return out;
}

// "###0": whole number, at least one digit, minus sign directly before the digits.
std::u16string Whole(float v) {
  const double r = RoundHalfEven(v);
  if (std::abs(r) < 0x1p63) return NumberText(static_cast<long long>(r));  // -0 is "0"
  return HugeWhole(r);
}
}  // namespace

std::u16string CoordinateText(float x, float y, float z) {
  return u"x= " + Whole(x) + u" y= " + Whole(y) + u" z=" + Whole(z);
}

DisplayList BuildRedrawList(const AppState& s, Rgb background) {
  const int lines = LineCount(s);
  DisplayList list;
  list.reserve(lines + 12);
  list.push_back(ClearPrim{background});
  list.push_back(ScaleFor(s));
  Rgb lineColour = kBlack;
  if (s.mblnDrawMode) {
    AddDrawModeMarks(list, s);
  } else {
    list.push_back(BackgroundPrim{s.mblnColorDraw ? kDarkGreen : kWhite});
    lineColour = s.mblnColorDraw ? kWhite : kBlack;
  }
  for (int k = 1; k <= 2 * lines - 1; k += 2) {
    list.push_back(LinePrim{{s.msngViewLineX[k], s.msngViewLineY[k]},
                            {s.msngViewLineX[k + 1], s.msngViewLineY[k + 1]},
                            lineColour,
                            1});
  }
  return list;
}

void RedrawFigure(const AppState& s, Canvas& canvas, Services& services) {
  canvas.DrawFigure(BuildRedrawList(s, canvas.FigureBackground()));
  PlayTurnSound(services);
}

void TransformAndRedraw(Context& c) {
  ComputeView(c.state);
  RedrawFigure(c.state, c.canvas, c.services);
}

void PlayTurnSound(Services& services) { services.PlayWave(u"./sound/turn.wav", false); }

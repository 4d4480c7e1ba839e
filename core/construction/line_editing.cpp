// Entering points: the first stroke holds a line start, the second records or removes the line.
#include "construction/line_editing.h"

#include <algorithm>
#include <string_view>

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "shell/controls_port.h"
#include "view/renderer.h"

namespace {
constexpr std::u16string_view kFigureFullText = u"これ以上線を引けません（650本まで）。";

// Points are the same only when every coordinate is equal as a float: no tolerance.
struct Point {
  float x = 0, y = 0, z = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

Point Ref(const AppState& s, int i) { return {s.msngRefX[i], s.msngRefY[i], s.msngRefZ[i]}; }
void SetRef(AppState& s, int i, Point p) { s.msngRefX[i] = p.x, s.msngRefY[i] = p.y, s.msngRefZ[i] = p.z; }
Point Entry(const AppState& s, int i) { return {s.msngLineX[i], s.msngLineY[i], s.msngLineZ[i]}; }
void SetEntry(AppState& s, int i, Point p) {
  s.msngLineX[i] = p.x, s.msngLineY[i] = p.y, s.msngLineZ[i] = p.z;
}

// The first line joining p and q in either direction, 0 when there is none.
int FindLine(const AppState& s, Point p, Point q) {
  for (int k = 1; k <= LineCount(s); ++k) {
    const Point a = Entry(s, 2 * k - 1), b = Entry(s, 2 * k);
    if ((a == p && b == q) || (a == q && b == p)) return k;
  }
  return 0;
}

// Later lines move down by one, keeping their order and direction.
void RemoveLine(AppState& s, int k) {
  const int n = LineCount(s);
  for (int i = 2 * k - 1; i <= 2 * n - 2; ++i) SetEntry(s, i, Entry(s, i + 2));
  s.mintLineCount = static_cast<int16_t>(n - 1);
}

// The second stroke: S = 1 removes an existing line, S = 0 appends a new one, anything else only
// lifts the pen. The pen always comes up at the line-end pointer.
void EndLine(Context& c, int16_t shift) {
  AppState& s = c.state;
  const Point p = Ref(s, 4), q = Ref(s, 5);
  const int k = FindLine(s, p, q);
  if (k > 0 && shift == 1) {
    RemoveLine(s, k);
  } else if (k == 0 && shift == 0 && p != q) {
    const int n = LineCount(s);
    if (n < kMaxLines) {
      SetEntry(s, 2 * n + 1, p);
      SetEntry(s, 2 * n + 2, q);
      s.mintLineCount = static_cast<int16_t>(n + 1);
    } else {
      // Line 651 has no entries left; refusing keeps the count and the arrays in agreement.
      c.controls.SetExplanationText(std::u16string(kFigureFullText));
    }
  }
  s.mblnModified = true;
  s.mblnNoLineStart = true;
  SetRef(s, 4, q);
  UpdateFigureCentre(s);
}
}  // namespace

void EnterPoint(Context& c, int16_t shift) {
  AppState& s = c.state;
  if (s.mblnTurning || !s.mblnDrawMode) return;
  if (s.mblnNoLineStart) {
    SetRef(s, 5, Ref(s, 4));
    s.mblnNoLineStart = false;
  } else {
    EndLine(c, shift);
  }
  TransformAndRedraw(c);
}

void TakeBack(Context& c) {
  AppState& s = c.state;
  if (s.mblnNoLineStart) {
    const int n = std::max(LineCount(s) - 1, 0);
    s.mintLineCount = static_cast<int16_t>(n);
    if (n == 0) {
      SetRef(s, 4, {});
      SetRef(s, 5, {});
    } else {
      SetRef(s, 4, Entry(s, 2 * n));
    }
  } else {
    EnterPoint(c, 1);
  }
  UpdateFigureCentre(s);
  TransformAndRedraw(c);
}

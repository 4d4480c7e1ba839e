// A state in draw mode over the recording window, with points and lines to compare and print.
#pragma once

#include <ostream>
#include <vector>

#include "fake_context.h"

struct Xyz {
  float x = 0, y = 0, z = 0;
  friend bool operator==(const Xyz&, const Xyz&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Xyz& p) {
    return os << "(" << p.x << ", " << p.y << ", " << p.z << ")";
  }
};
struct Line {
  Xyz from, to;
  friend bool operator==(const Line&, const Line&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Line& l) { return os << l.from << "-" << l.to; }
};
using Lines = std::vector<Line>;

inline Xyz EntryOf(const AppState& s, int i) { return {s.msngLineX[i], s.msngLineY[i], s.msngLineZ[i]}; }
inline Lines FigureOf(const AppState& s) {
  Lines out;
  for (int k = 1; k <= s.mintLineCount; ++k) out.push_back({EntryOf(s, 2 * k - 1), EntryOf(s, 2 * k)});
  return out;
}

class Drawing : public FakeContext {
 protected:
  void SetUp() override { Reset(); }
  void Reset() {
    InitialiseApplicationState(state);
    state.mblnDrawMode = true;
    w.drawn.clear();
  }
  Xyz Ref(int i) const { return {state.msngRefX[i], state.msngRefY[i], state.msngRefZ[i]}; }
  void SetRef(int i, Xyz p) { state.msngRefX[i] = p.x, state.msngRefY[i] = p.y, state.msngRefZ[i] = p.z; }
  Xyz Entry(int i) const { return EntryOf(state, i); }
  void SetFigure(const Lines& lines) {
    int i = 0;
    for (const Line& l : lines) {
      for (const Xyz& p : {l.from, l.to}) {
        ++i;
        state.msngLineX[i] = p.x, state.msngLineY[i] = p.y, state.msngLineZ[i] = p.z;
      }
    }
    state.mintLineCount = static_cast<int16_t>(lines.size());
    UpdateFigureCentre(state);
  }
  Lines Figure() const { return FigureOf(state); }
};

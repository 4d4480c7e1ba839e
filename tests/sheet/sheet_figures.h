// Figures for the worksheet tests, made from edges.
#pragma once

#include <memory>
#include <vector>

#include "edge_set.h"
#include "figure/app_state.h"

inline std::unique_ptr<AppState> FigureOf(const std::vector<Edge>& edges) {
  auto s = std::make_unique<AppState>();
  InitialiseApplicationState(*s);
  for (const Edge& e : edges) {
    const int k = ++s->mintLineCount;
    s->msngLineX[2 * k - 1] = float(e.a.x), s->msngLineY[2 * k - 1] = float(e.a.y),
                         s->msngLineZ[2 * k - 1] = float(e.a.z);
    s->msngLineX[2 * k] = float(e.b.x), s->msngLineY[2 * k] = float(e.b.y),
                     s->msngLineZ[2 * k] = float(e.b.z);
  }
  return s;
}

// A box that is not symmetric in its views would hide swapped axes: by default 40 wide, 20 high, 20 deep.
inline std::vector<Edge> Box(double w = 40, double h = 20, double d = 20) {
  std::vector<Edge> e;
  for (double a : {0.0, 1.0}) {
    for (double b : {0.0, 1.0}) {
      e.push_back({{0, a * h, b * d}, {w, a * h, b * d}});
      e.push_back({{a * w, 0, b * d}, {a * w, h, b * d}});
      e.push_back({{a * w, b * h, 0}, {a * w, b * h, d}});
    }
  }
  return e;
}

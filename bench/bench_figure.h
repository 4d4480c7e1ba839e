// The benchmark figure: 650 lines spread over 0..1000 mm, the same every run.
#pragma once

#include <random>

#include "figure/app_state.h"
#include "figure/figure_file.h"

inline AppState BenchFigure() {
  AppState s;
  InitialiseApplicationState(s);
  std::mt19937 random(650);
  std::uniform_int_distribution<int> mm(0, 1000);
  s.mintLineCount = kMaxLines;
  for (int i = 1; i <= kLastEntry; ++i) {
    s.msngLineX[i] = static_cast<float>(mm(random));
    s.msngLineY[i] = static_cast<float>(mm(random));
    s.msngLineZ[i] = static_cast<float>(mm(random));
  }
  UpdateFigureCentre(s);
  SetZoomFromCentre(s);  // as a loaded figure would be shown
  return s;
}

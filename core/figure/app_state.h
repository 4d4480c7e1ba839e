// The whole shared state of the program: the figure, reference points, view, limits and mode flags.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

inline constexpr int kMaxLines = 650;
inline constexpr int kLastEntry = 2 * kMaxLines;  // entries 0..1300; entry 0 is the figure centre

using CoordArray = std::array<float, kLastEntry + 1>;

struct AppState {
  // The figure: line k runs from entry 2k-1 to entry 2k.
  CoordArray msngLineX{}, msngLineY{}, msngLineZ{};
  int16_t mintLineCount = 0;

  // Reference points 0..5: origin, axis ends x/y/z, drawing pointer, line-end pointer.
  CoordArray msngRefX{}, msngRefY{}, msngRefZ{};

  // View-space copies written by ComputeView and drawn by the renderer.
  CoordArray msngViewLineX{}, msngViewLineY{};
  std::array<float, 6> msngViewRefX{}, msngViewRefY{};

  int16_t mintAngleH = -45;
  int16_t mintAngleV = 30;
  float msngZoom = 1.0f;

  int16_t mintUnitLength = 20;
  int16_t mintMaxSize = 200;
  std::u16string mstrDataPath = u"./data";

  bool mblnDrawMode = false;
  bool mblnNoLineStart = true;
  bool mblnTurning = false;
  int16_t mintTurnMode = 0;
  bool mblnModified = false;
  bool mblnThirdAngle = false;
  bool mblnColorDraw = true;
};

// The lines the figure holds: a count from a file or a slip is never trusted past the arrays.
inline int LineCount(const AppState& s) { return std::clamp<int>(s.mintLineCount, 0, kMaxLines); }

void InitialiseApplicationState(AppState& s);
// What a new figure starts from: no lines, the start-up view and zoom, pointers at the origin, pen up,
// nothing turning or changed. Limits, data folder, modes and the stale line entries stay.
void ResetFigureAndView(AppState& s);

// Centre of the box from the origin to the largest (rounded) coordinate on each axis.
void UpdateFigureCentre(AppState& s);

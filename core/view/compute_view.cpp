// Turn about the vertical axis, tilt, project. Pi is 3.1415 on purpose: stored drawings depend on it.
#include "view/compute_view.h"

#include <cmath>

#include "figure/app_state.h"

namespace {
constexpr double kPi = 3.1415;

struct Turn {
  double cosH, sinH, cosV, sinV;
};

Turn TurnFor(int16_t angleH, int16_t angleV) {
  const float h = static_cast<float>(static_cast<double>(static_cast<float>(angleH)) / 180 * kPi);
  const float v = static_cast<float>(static_cast<double>(-static_cast<float>(angleV)) / 180 * kPi);
  return {std::cos(double{h}), std::sin(double{h}), std::cos(double{v}), std::sin(double{v})};
}

inline void Project(const Turn& t, float x, float y, float z, float& vx, float& vy) {
  const double xr = x * t.cosH + z * t.sinH;
  const float zr = static_cast<float>(z * t.cosH - x * t.sinH);
  vx = static_cast<float>(xr);
  vy = static_cast<float>(y * t.cosV + zr * t.sinV);
}
}  // namespace

void ComputeView(AppState& s) {
  const Turn t = TurnFor(s.mintAngleH, s.mintAngleV);
  const int last = 2 * LineCount(s);
  for (int i = 0; i <= last; ++i) {
    Project(t, s.msngLineX[i], s.msngLineY[i], s.msngLineZ[i], s.msngViewLineX[i], s.msngViewLineY[i]);
  }
  for (int i = 0; i < 6; ++i) {
    Project(t, s.msngRefX[i], s.msngRefY[i], s.msngRefZ[i], s.msngViewRefX[i], s.msngViewRefY[i]);
  }
}

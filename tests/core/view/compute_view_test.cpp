// The view transform, down to the float bits that drawings depend on.
#include <gtest/gtest.h>

#include <cmath>

#include "figure/app_state.h"
#include "view/compute_view.h"

namespace {
AppState StateWithPoint(int16_t h, int16_t v, float x, float y, float z) {
  AppState s;
  InitialiseApplicationState(s);
  s.mintAngleH = h;
  s.mintAngleV = v;
  s.mintLineCount = 1;
  s.msngLineX[1] = x, s.msngLineY[1] = y, s.msngLineZ[1] = z;
  s.msngLineX[2] = 0, s.msngLineY[2] = 0, s.msngLineZ[2] = 0;
  return s;
}
}  // namespace

TEST(ComputeView, PresetViewsKeepTheResidueOfPiAs3_1415) {
  struct Case {
    int16_t h, v;
    float x, y, z;
    float vx, vy;
  } cases[] = {
      {0, 0, 20, 20, 20, 20.0f, 20.0f},         // front view: world x and y exactly
      {0, 90, 20, 20, 20, 20.0f, -19.99907f},   // top view
      {-90, 0, 20, 20, 20, -19.99907f, 20.0f},  // right side view
      {0, 90, 0, 2000, 0, 0.0f, 0.0926535f},    // the dropped y axis leaves a trace
  };
  for (const Case& c : cases) {
    AppState s = StateWithPoint(c.h, c.v, c.x, c.y, c.z);
    ComputeView(s);
    SCOPED_TRACE(testing::Message() << "H=" << c.h << " V=" << c.v);
    EXPECT_NEAR(s.msngViewLineX[1], c.vx, 5e-6f);
    EXPECT_NEAR(s.msngViewLineY[1], c.vy, 5e-6f);
  }
}

TEST(ComputeView, ResultsMatchDoubleArithmeticRoundedOnlyAtTheStatedPoints) {
  // Bit-exact against the formula written out independently, for a spread of angles and points.
  const float points[][3] = {
      {20, 20, 20}, {2000, 0, 0}, {0, 0, 2000}, {-37.5f, 123.25f, 999}, {1e6f, -3, 0.1f}};
  for (int h = -720; h <= 720; h += 35) {
    for (int v = -180; v <= 180; v += 25) {
      const double hr = static_cast<float>(h / 180.0 * 3.1415);
      const double vr = static_cast<float>(-v / 180.0 * 3.1415);
      for (const auto& p : points) {
        AppState s = StateWithPoint(static_cast<int16_t>(h), static_cast<int16_t>(v), p[0], p[1], p[2]);
        ComputeView(s);
        const float zr = static_cast<float>(p[2] * std::cos(hr) - p[0] * std::sin(hr));
        const float vx = static_cast<float>(p[0] * std::cos(hr) + p[2] * std::sin(hr));
        const float vy = static_cast<float>(p[1] * std::cos(vr) + zr * std::sin(vr));
        ASSERT_EQ(s.msngViewLineX[1], vx) << h << "," << v;
        ASSERT_EQ(s.msngViewLineY[1], vy) << h << "," << v;
      }
    }
  }
}

TEST(ComputeView, StartUpViewIsNotQuiteSymmetric) {
  AppState s;
  InitialiseApplicationState(s);
  ComputeView(s);
  // Axis ends x (ref 1) and z (ref 3) would mirror each other with the true pi.
  EXPECT_NEAR(std::abs(s.msngViewRefX[1]) - std::abs(s.msngViewRefX[3]), 0.066, 0.005);
  EXPECT_NEAR(s.msngViewRefY[1] - s.msngViewRefY[3], 0.033, 0.005);
  EXPECT_GT(s.msngViewRefX[1], 0);
  EXPECT_LT(s.msngViewRefX[3], 0);
  EXPECT_NEAR(s.msngViewRefY[2], 2000 * std::cos(30 * 3.1415 / 180), 1e-3);
}

TEST(ComputeView, WritesOnlyTheEntriesInUse) {
  AppState s;
  InitialiseApplicationState(s);
  s.msngLineX[0] = 10, s.msngLineY[0] = 20, s.msngLineZ[0] = 30;
  s.msngViewLineX[1] = 777;  // stale entry beyond 2N with no lines
  s.mintAngleH = 0, s.mintAngleV = 0;
  ComputeView(s);
  EXPECT_EQ(s.msngViewLineX[0], 10);  // the centre is always transformed
  EXPECT_EQ(s.msngViewLineY[0], 20);
  EXPECT_EQ(s.msngViewLineX[1], 777);

  // A full figure reaches entry 1300 and no further.
  s.mintLineCount = kMaxLines;
  s.msngLineX[kLastEntry] = 5;
  ComputeView(s);
  EXPECT_EQ(s.msngViewLineX[kLastEntry], 5);
}

TEST(ComputeView, FullTurnIsAFractionShortOf360) {
  AppState a = StateWithPoint(0, 0, 0, 0, 1000);
  AppState b = StateWithPoint(360, 0, 0, 0, 1000);
  ComputeView(a);
  ComputeView(b);
  EXPECT_EQ(a.msngViewLineX[1], 0);
  EXPECT_NEAR(b.msngViewLineX[1], -0.185, 0.002);  // 6.283 rad is about 0.0106 degrees short
}

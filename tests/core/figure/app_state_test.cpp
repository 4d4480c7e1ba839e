// Start-up values and the figure-centre rule.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "figure/app_state.h"

namespace {

struct Point {
  float x, y, z;
};

using Lines = std::vector<std::pair<Point, Point>>;

// Puts the given lines into the figure, start and end point of each in turn.
void SetLines(AppState& s, const Lines& lines) {
  int i = 0;
  for (const auto& [a, b] : lines) {
    for (const Point& p : {a, b}) {
      ++i;
      s.msngLineX[i] = p.x;
      s.msngLineY[i] = p.y;
      s.msngLineZ[i] = p.z;
    }
  }
  s.mintLineCount = static_cast<int16_t>(lines.size());
}

// A state with every field away from its start-up value, so the initialiser has to set each one.
AppState Scrambled() {
  AppState s;
  s.mintUnitLength = 5;
  s.mintMaxSize = 50;
  s.mstrDataPath = u"C:\\elsewhere";
  s.msngLineX[0] = s.msngLineY[0] = s.msngLineZ[0] = 77;
  s.mintLineCount = 12;
  s.mintAngleH = 90;
  s.mintAngleV = -90;
  s.msngZoom = 3.5f;
  s.msngViewLineX[0] = s.msngViewLineY[0] = 9;
  for (int i = 0; i <= 5; ++i) s.msngRefX[i] = s.msngRefY[i] = s.msngRefZ[i] = 33;
  s.mintTurnMode = 3;
  s.mblnDrawMode = true;
  s.mblnModified = true;
  s.mblnNoLineStart = false;
  s.mblnTurning = true;
  s.mblnThirdAngle = true;
  s.mblnColorDraw = false;
  return s;
}

TEST(InitialiseApplicationState, SetsEveryStartUpValue) {
  AppState s = Scrambled();
  InitialiseApplicationState(s);

  EXPECT_EQ(s.mintUnitLength, 20);
  EXPECT_EQ(s.mintMaxSize, 200);
  EXPECT_EQ(s.mstrDataPath, u"./data");
  EXPECT_EQ(s.mintLineCount, 0);
  EXPECT_EQ(s.msngLineX[0], 0.0f);
  EXPECT_EQ(s.msngLineY[0], 0.0f);
  EXPECT_EQ(s.msngLineZ[0], 0.0f);
  EXPECT_EQ(s.mintAngleH, -45);
  EXPECT_EQ(s.mintAngleV, 30);
  EXPECT_EQ(s.msngZoom, 1.0f);
  EXPECT_EQ(s.msngViewLineX[0], 0.0f);
  EXPECT_EQ(s.msngViewLineY[0], 0.0f);
  EXPECT_EQ(s.mintTurnMode, 0);
  EXPECT_FALSE(s.mblnDrawMode);
  EXPECT_FALSE(s.mblnModified);
  EXPECT_TRUE(s.mblnNoLineStart);
  EXPECT_FALSE(s.mblnTurning);
  EXPECT_FALSE(s.mblnThirdAngle);
  EXPECT_TRUE(s.mblnColorDraw);
  // The origin, the three axis ends and both pointers.
  const Point expected[6] = {{0, 0, 0}, {2000, 0, 0}, {0, 2000, 0}, {0, 0, 2000}, {0, 0, 0}, {0, 0, 0}};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(s.msngRefX[i], expected[i].x);
    EXPECT_EQ(s.msngRefY[i], expected[i].y);
    EXPECT_EQ(s.msngRefZ[i], expected[i].z);
  }
}

struct CentreCase {
  const char* name;
  Lines lines;
  Point centre;
  // Names the case in test listings instead of dumping its bytes.
  friend void PrintTo(const CentreCase& c, std::ostream* os) { *os << c.name; }
};

class CentreRule : public ::testing::TestWithParam<CentreCase> {};

TEST_P(CentreRule, IsHalfTheLargestRoundedCoordinatePerAxis) {
  const CentreCase& c = GetParam();
  AppState s;
  s.msngLineX[0] = s.msngLineY[0] = s.msngLineZ[0] = -1;  // whatever stood there before
  SetLines(s, c.lines);
  UpdateFigureCentre(s);
  EXPECT_EQ(s.msngLineX[0], c.centre.x);
  EXPECT_EQ(s.msngLineY[0], c.centre.y);
  EXPECT_EQ(s.msngLineZ[0], c.centre.z);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, CentreRule,
    ::testing::Values(
        CentreCase{"Empty", {}, {0, 0, 0}}, CentreCase{"OneLine", {{{0, 0, 0}, {20, 40, 60}}}, {10, 20, 30}},
        CentreCase{
            "LargestOfAllEndpoints", {{{100, 0, 10}, {0, 20, 0}}, {{40, 200, 0}, {0, 0, 80}}}, {50, 100, 40}},
        CentreCase{"RoundsBeforeHalving", {{{0, 0, 0}, {199.6f, 0.4f, 100.5f}}}, {100, 0, 50}},
        CentreCase{"HalfRoundsToEven", {{{0, 0, 0}, {101.5f, 102.5f, 0}}}, {51, 51, 0}},
        CentreCase{"NegativeNeverCounts", {{{-50, -300, -1}, {-20, -10, -0.4f}}}, {0, 0, 0}},
        CentreCase{"PlaneXZero", {{{0, 0, 0}, {0, 20, 20}}, {{0, 20, 20}, {0, 40, 0}}}, {0, 20, 10}},
        CentreCase{"OddMaximumGivesHalf", {{{0, 0, 0}, {15, 1, 0}}}, {7.5f, 0.5f, 0}},
        CentreCase{"FarBeyond16Bits", {{{0, 0, 0}, {1e9f, 40000, 32768}}}, {5e8f, 20000, 16384}},
        CentreCase{"LargestFloat", {{{0, 0, 0}, {3.4e38f, 0, 0}}}, {1.7e38f, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CentreRule, IgnoresStaleEntriesAboveTheCount) {
  AppState s;
  SetLines(s, Lines{{{0, 0, 0}, {20, 20, 20}}, {{0, 0, 0}, {400, 400, 400}}});
  s.mintLineCount = 1;  // the second line was removed; its entries stay behind
  UpdateFigureCentre(s);
  EXPECT_EQ(s.msngLineX[0], 10.0f);
  EXPECT_EQ(s.msngLineY[0], 10.0f);
  EXPECT_EQ(s.msngLineZ[0], 10.0f);
}

// A count beyond 650 would read on into the reference points (axis end x = 2000) and past the state.
TEST(CentreRule, CountIsClampedToTheArrays) {
  for (int16_t count : {int16_t{651}, int16_t{32767}, int16_t{-1}, int16_t{-32768}}) {
    AppState s;
    InitialiseApplicationState(s);
    SetLines(s, Lines{{{0, 0, 0}, {20, 40, 60}}});
    s.mintLineCount = count;
    UpdateFigureCentre(s);
    const float x = count > 0 ? 10 : 0, y = count > 0 ? 20 : 0, z = count > 0 ? 30 : 0;
    EXPECT_EQ(s.msngLineX[0], x) << count;
    EXPECT_EQ(s.msngLineY[0], y) << count;
    EXPECT_EQ(s.msngLineZ[0], z) << count;
  }
}

TEST(CentreRule, FullFigureReadsUpToTheLastEntry) {
  AppState s;
  s.mintLineCount = kMaxLines;
  s.msngLineX[kLastEntry] = 600;
  s.msngLineY[kLastEntry - 1] = 300;
  UpdateFigureCentre(s);
  EXPECT_EQ(s.msngLineX[0], 300.0f);
  EXPECT_EQ(s.msngLineY[0], 150.0f);
  EXPECT_EQ(s.msngLineZ[0], 0.0f);
}

}  // namespace

// Edge sets: merging collinear pieces, and comparing a learner's figure with the answer.
#include "edge_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include "figure/app_state.h"

namespace {
std::string Text(const std::vector<Edge>& edges) {
  std::ostringstream s;
  for (const Edge& e : edges) {
    s << "(" << e.a.x << "," << e.a.y << "," << e.a.z << ")-(" << e.b.x << "," << e.b.y << "," << e.b.z
      << ") ";
  }
  return s.str();
}

// The twelve edges of a 20 mm cube at the origin.
std::vector<Edge> Cube(double s = 20) {
  std::vector<Edge> e;
  for (double a : {0.0, s}) {
    for (double b : {0.0, s}) {
      e.push_back({{0, a, b}, {s, a, b}});
      e.push_back({{a, 0, b}, {a, s, b}});
      e.push_back({{a, b, 0}, {a, b, s}});
    }
  }
  return e;
}
}  // namespace

TEST(MergeEdges, JoinsCollinearPiecesOnly) {
  struct Case {
    const char* name;
    std::vector<Edge> in;
    const char* merged;
  } cases[] = {
      {"touching pieces", {{{0, 0, 0}, {10, 0, 0}}, {{10, 0, 0}, {20, 0, 0}}}, "(0,0,0)-(20,0,0) "},
      {"overlapping pieces", {{{0, 0, 0}, {15, 0, 0}}, {{5, 0, 0}, {20, 0, 0}}}, "(0,0,0)-(20,0,0) "},
      {"piece inside another", {{{0, 0, 0}, {20, 0, 0}}, {{5, 0, 0}, {10, 0, 0}}}, "(0,0,0)-(20,0,0) "},
      {"reversed piece", {{{20, 0, 0}, {0, 0, 0}}}, "(0,0,0)-(20,0,0) "},
      {"reversed diagonal pieces meeting",
       {{{0, 0, 0}, {10, 10, 10}}, {{20, 20, 20}, {10, 10, 10}}},
       "(0,0,0)-(20,20,20) "},
      {"parallel distinct lines",
       {{{0, 0, 0}, {10, 0, 0}}, {{10, 20, 0}, {20, 20, 0}}},
       "(0,0,0)-(10,0,0) (10,20,0)-(20,20,0) "},
      {"collinear with a gap",
       {{{0, 0, 0}, {10, 0, 0}}, {{15, 0, 0}, {20, 0, 0}}},
       "(0,0,0)-(10,0,0) (15,0,0)-(20,0,0) "},
      {"corner",
       {{{0, 0, 0}, {10, 0, 0}}, {{10, 0, 0}, {10, 10, 0}}},
       "(0,0,0)-(10,0,0) (10,0,0)-(10,10,0) "},
      {"zero-length line", {{{5, 5, 5}, {5, 5, 5}}, {{0, 0, 0}, {0, 0, 20}}}, "(0,0,0)-(0,0,20) "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Text(MergeEdges(c.in)), c.merged) << c.name;
  }
}

TEST(MergeEdges, GivesOneListWhateverTheOrderOfTheLines) {
  // Start points 0.0006 mm apart, so neighbours' starts are within the tolerance and further ones are not,
  // while their far ends are ordered the other way round: a tolerance inside the comparison is no ordering.
  std::vector<Edge> edges;
  for (int i = 0; i < 600; ++i) edges.push_back({{i * 0.0006, 0, 0}, {i * 0.0006, 10, -double(i)}});
  const std::string once = Text(MergeEdges(edges));
  std::mt19937 random(19);
  for (int round = 0; round < 5; ++round) {
    std::shuffle(edges.begin(), edges.end(), random);
    EXPECT_TRUE(Text(MergeEdges(edges)) == once) << "shuffle " << round;
  }
}

TEST(CompareEdges, FindsMissingAndExtraEdgesAndGridShifts) {
  const std::vector<Edge> answer = MergeEdges(Cube());
  const std::vector<Edge> whole = Cube();
  std::vector<Edge> reworked(whole.rbegin(), whole.rend());  // reordered
  reworked[0] = {reworked[0].b, reworked[0].a};              // one reversed
  const Edge split = reworked[3];
  const Point3 mid{(split.a.x + split.b.x) / 2, (split.a.y + split.b.y) / 2, (split.a.z + split.b.z) / 2};
  reworked[3] = {split.a, mid};
  reworked.push_back({split.b, mid});  // and one drawn in two strokes

  std::vector<Edge> missing = Cube();
  missing.erase(missing.begin() + 4);
  std::vector<Edge> extra = Cube();
  extra.push_back({{0, 0, 0}, {20, 20, 20}});
  const std::vector<Edge> moved = Shifted(Cube(), {20, 0, -40});
  const std::vector<Edge> movedOffGrid = Shifted(Cube(), {10, 0, 0});

  struct Case {
    const char* name;
    std::vector<Edge> learner;
    size_t missing, extra;
    bool shiftFound;
  } cases[] = {
      {"reordered, reversed and split", reworked, 0, 0, true},
      {"missing edge", missing, 1, 0, false},
      {"extra edge", extra, 0, 1, false},
      {"moved by whole grid steps", moved, 12, 12, true},
      {"moved off the grid", movedOffGrid, 12, 12, false},
  };
  for (const Case& c : cases) {
    const std::vector<Edge> learner = MergeEdges(c.learner);
    const EdgeDifference d = CompareEdges(answer, learner);
    EXPECT_EQ(d.missing.size(), c.missing) << c.name;
    EXPECT_EQ(d.extra.size(), c.extra) << c.name;
    const std::optional<Point3> by = FindGridShift(answer, learner, 20);
    EXPECT_EQ(by && CompareEdges(answer, MergeEdges(Shifted(learner, *by))).Matches(), c.shiftFound)
        << c.name;
  }
  const EdgeDifference d = CompareEdges(answer, MergeEdges(missing));
  ASSERT_EQ(d.missing.size(), 1u);
  EXPECT_EQ(Text(d.missing), Text(MergeEdges({Cube()[4]})));
}

TEST(CompareEdges, ReportsOnlyThePartsThatDiffer) {
  const std::vector<Edge> edge{{{0, 0, 0}, {40, 0, 0}}};
  struct Case {
    const char* name;
    std::vector<Edge> answer, learner;
    const char *missing, *extra;
  } cases[] = {
      {"half drawn", edge, {{{20, 0, 0}, {40, 0, 0}}}, "(0,0,0)-(20,0,0) ", ""},
      {"split by several pieces",
       edge,
       {{{0, 0, 0}, {10, 0, 0}}, {{15, 0, 0}, {25, 0, 0}}, {{30, 0, 0}, {40, 0, 0}}},
       "(10,0,0)-(15,0,0) (25,0,0)-(30,0,0) ",
       ""},
      {"pieces overlapping each other",
       edge,
       {{{0, 0, 0}, {25, 0, 0}}, {{35, 0, 0}, {15, 0, 0}}},
       "(35,0,0)-(40,0,0) ",
       ""},
      {"beyond both ends", edge, {{{-10, 0, 0}, {50, 0, 0}}}, "", "(-10,0,0)-(0,0,0) (40,0,0)-(50,0,0) "},
      {"across a gap between answer edges",
       {{{0, 0, 0}, {10, 0, 0}}, {{20, 0, 0}, {30, 0, 0}}},
       {{{5, 0, 0}, {25, 0, 0}}},
       "(0,0,0)-(5,0,0) (25,0,0)-(30,0,0) ",
       "(10,0,0)-(20,0,0) "},
      {"diagonal, half drawn",
       {{{0, 0, 0}, {20, 20, 20}}},
       {{{10, 10, 10}, {20, 20, 20}}},
       "(0,0,0)-(10,10,10) ",
       ""},
      {"parallel, not on the line",
       edge,
       {{{0, 20, 0}, {40, 20, 0}}},
       "(0,0,0)-(40,0,0) ",
       "(0,20,0)-(40,20,0) "},
      {"end within the tolerance", edge, {{{0, 0, 0}, {40.0009, 0, 0}}}, "", ""},
      {"end past the tolerance", edge, {{{0, 0, 0}, {40.002, 0, 0}}}, "", "(40,0,0)-(40.002,0,0) "},
      {"short by past the tolerance", edge, {{{0, 0, 0}, {39.998, 0, 0}}}, "(39.998,0,0)-(40,0,0) ", ""},
      {"off the line within the tolerance", edge, {{{0, 0, 0}, {40, 0.0009, 0}}}, "", ""},
      {"off the line past the tolerance",
       edge,
       {{{0, 0, 0}, {40, 0.002, 0}}},
       "(0,0,0)-(40,0,0) ",
       "(0,0,0)-(40,0.002,0) "},
  };
  for (const Case& c : cases) {
    const EdgeDifference d = CompareEdges(MergeEdges(c.answer), MergeEdges(c.learner));
    EXPECT_EQ(Text(d.missing), c.missing) << c.name;
    EXPECT_EQ(Text(d.extra), c.extra) << c.name;
  }
}

TEST(FindGridShift, TakesTheMoveMostVerticesAgreeOn) {
  const std::vector<Edge> answer = MergeEdges(Cube());
  std::vector<Edge> oneMoved = Cube();
  oneMoved[4] = {{0, 0, 0}, {20, 20, 0}};  // one edge wrong
  std::vector<Edge> oneMissing = Cube();
  oneMissing.erase(oneMissing.begin() + 4);

  struct Case {
    const char* name;
    std::vector<Edge> learner;
    Point3 shift;           // to lay the learner onto the answer
    size_t missing, extra;  // once shifted
  } cases[] = {
      {"moved, with one edge wrong", Shifted(oneMoved, {20, 0, -40}), {-20, 0, 40}, 1, 1},
      {"moved, with one edge missing", Shifted(oneMissing, {0, 60, 0}), {0, -60, 0}, 1, 0},
      {"in place, with one edge wrong", oneMoved, {0, 0, 0}, 1, 1},
      {"moved within the tolerance of the grid", Shifted(Cube(), {40.0005, 0, 0}), {-40, 0, 0}, 0, 0},
  };
  for (const Case& c : cases) {
    const std::vector<Edge> learner = MergeEdges(c.learner);
    const std::optional<Point3> by = FindGridShift(answer, learner, 20);
    ASSERT_TRUE(by) << c.name;
    EXPECT_EQ(Text({{*by, c.shift}}), Text({{c.shift, c.shift}})) << c.name;
    const EdgeDifference d = CompareEdges(answer, MergeEdges(Shifted(learner, *by)));
    EXPECT_EQ(d.missing.size(), c.missing) << c.name;
    EXPECT_EQ(d.extra.size(), c.extra) << c.name;
  }
}

// Line k runs from entry 2k-1 to 2k; entry 0 (the centre) and the stale entries past the count are no edge.
TEST(EdgesOfFigure, TakesEachLinesTwoEntriesUpToTheCount) {
  AppState s;
  for (int i = 0; i <= 6; ++i) {
    s.msngLineX[i] = static_cast<float>(i);
    s.msngLineY[i] = static_cast<float>(10 * i);
    s.msngLineZ[i] = static_cast<float>(100 * i);
  }
  struct Case {
    int16_t count;
    const char* edges;
  } cases[] = {
      {2, "(1,10,100)-(2,20,200) (3,30,300)-(4,40,400) "},
      {0, ""},
      {-3, ""},
  };
  for (const Case& c : cases) {
    s.mintLineCount = c.count;
    EXPECT_EQ(Text(EdgesOfFigure(s)), c.edges) << c.count;
  }
  s.mintLineCount = kMaxLines + 5;
  EXPECT_EQ(EdgesOfFigure(s).size(), size_t{kMaxLines});
}

// Collinear pieces are grouped by line, then their intervals along the line are joined or subtracted.
#include "edge_set.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "figure/app_state.h"

namespace {
Point3 Minus(const Point3& p, const Point3& q) { return {p.x - q.x, p.y - q.y, p.z - q.z}; }
double Dot(const Point3& p, const Point3& q) { return p.x * q.x + p.y * q.y + p.z * q.z; }
double Length(const Point3& p) { return std::sqrt(Dot(p, p)); }
Point3 Cross(const Point3& p, const Point3& q) {
  return {p.y * q.z - p.z * q.y, p.z * q.x - p.x * q.z, p.x * q.y - p.y * q.x};
}

// Coordinates snapped to the tolerance grid. Sorting compares these, never with a tolerance inside the
// comparison: "within the tolerance" is not transitive, so it is no strict weak ordering.
using PointKey = std::array<double, 3>;
PointKey Key(const Point3& p) {
  return {std::round(p.x / kEdgeTolerance), std::round(p.y / kEdgeTolerance),
          std::round(p.z / kEdgeTolerance)};
}

bool PointLess(const Point3& p, const Point3& q) { return Key(p) < Key(q); }

Edge Ordered(const Edge& e) { return PointLess(e.b, e.a) ? Edge{e.b, e.a} : e; }

bool EdgeLess(const Edge& e, const Edge& f) {
  return std::pair(Key(e.a), Key(e.b)) < std::pair(Key(f.a), Key(f.b));
}

// Distance of p from the line through e.
double OffLine(const Edge& e, const Point3& p) {
  const Point3 d = Minus(e.b, e.a);
  return Length(Cross(Minus(p, e.a), d)) / Length(d);
}

// Each lies on the other's line: asked both ways, so a long and a short edge at a slight angle agree.
bool Collinear(const Edge& e, const Edge& f) {
  return OffLine(e, f.a) < kEdgeTolerance && OffLine(e, f.b) < kEdgeTolerance &&
         OffLine(f, e.a) < kEdgeTolerance && OffLine(f, e.b) < kEdgeTolerance;
}

// The edges lying on one straight line, measured along its unit direction from an anchor point.
struct Line {
  Point3 anchor, dir;
  std::vector<Edge> pieces;

  bool Holds(const Edge& e) const {
    return Length(Cross(Minus(e.a, anchor), dir)) < kEdgeTolerance &&
           Length(Cross(Minus(e.b, anchor), dir)) < kEdgeTolerance;
  }
  double At(const Point3& p) const { return Dot(Minus(p, anchor), dir); }
};

// Pieces sorted along the line; each joins the previous run when it starts no later than that run ends.
void JoinPieces(const Line& line, std::vector<Edge>& out) {
  std::vector<Edge> pieces;
  for (const Edge& e : line.pieces) pieces.push_back(line.At(e.a) <= line.At(e.b) ? e : Edge{e.b, e.a});
  std::sort(pieces.begin(), pieces.end(),
            [&](const Edge& p, const Edge& q) { return line.At(p.a) < line.At(q.a); });
  Edge run = pieces.front();
  for (const Edge& e : pieces) {
    if (line.At(e.a) <= line.At(run.b) + kEdgeTolerance) {
      if (line.At(e.b) > line.At(run.b)) run.b = e.b;
    } else {
      out.push_back(Ordered(run));
      run = e;
    }
  }
  out.push_back(Ordered(run));
}

// The parts of each edge of `from` that no collinear edge of `cover` overlaps. A part ends where a covering
// edge ends, at that edge's own point. A gap no longer than the tolerance is no part: ends that differ by a
// float's rounding are the same end.
std::vector<Edge> Uncovered(const std::vector<Edge>& from, const std::vector<Edge>& cover) {
  struct Mark {
    double at;  // along the edge
    Point3 p;
  };
  std::vector<Edge> parts;
  for (const Edge& e : from) {
    const double len = Length(Minus(e.b, e.a));
    if (len < kEdgeTolerance) continue;
    const auto mark = [&](const Point3& p) { return Mark{Dot(Minus(p, e.a), Minus(e.b, e.a)) / len, p}; };
    std::vector<std::pair<Mark, Mark>> covered;
    for (const Edge& f : cover) {
      if (!Collinear(e, f)) continue;
      const Mark s = mark(f.a), t = mark(f.b);
      covered.push_back(s.at <= t.at ? std::pair(s, t) : std::pair(t, s));
    }
    std::sort(covered.begin(), covered.end(),
              [](const auto& p, const auto& q) { return p.first.at < q.first.at; });
    const Mark end{len, e.b};
    const auto keep = [&](const Mark& s, const Mark& t) {
      if (t.at - s.at > kEdgeTolerance) parts.push_back(Ordered({s.p, t.p}));
    };
    Mark open{0, e.a};  // where the part not yet covered begins
    for (const auto& [s, t] : covered) {
      keep(open, s.at < len ? s : end);
      if (t.at > open.at) open = t;
    }
    keep(open, end);
  }
  std::sort(parts.begin(), parts.end(), EdgeLess);
  return parts;
}

// Distinct end points, by their snapped coordinates.
std::vector<Point3> Vertices(const std::vector<Edge>& edges) {
  std::vector<Point3> v;
  for (const Edge& e : edges) v.insert(v.end(), {e.a, e.b});
  std::sort(v.begin(), v.end(), PointLess);
  v.erase(std::unique(v.begin(), v.end(), [](const Point3& p, const Point3& q) { return Key(p) == Key(q); }),
          v.end());
  return v;
}
}  // namespace

bool SamePoint(const Point3& p, const Point3& q) {
  return std::abs(p.x - q.x) <= kEdgeTolerance && std::abs(p.y - q.y) <= kEdgeTolerance &&
         std::abs(p.z - q.z) <= kEdgeTolerance;
}

std::vector<Edge> EdgesOfFigure(const AppState& s) {
  std::vector<Edge> edges;
  const int n = LineCount(s);
  const auto point = [&](int i) { return Point3{s.msngLineX[i], s.msngLineY[i], s.msngLineZ[i]}; };
  for (int k = 1; k <= n; ++k) edges.push_back({point(2 * k - 1), point(2 * k)});
  return edges;
}

std::vector<Edge> MergeEdges(const std::vector<Edge>& edges) {
  std::vector<Line> lines;
  for (const Edge& e : edges) {
    const Point3 d = Minus(e.b, e.a);
    const double len = Length(d);
    if (len < kEdgeTolerance) continue;
    const auto found = std::find_if(lines.begin(), lines.end(), [&](const Line& l) { return l.Holds(e); });
    if (found != lines.end()) {
      found->pieces.push_back(e);
    } else {
      lines.push_back({e.a, {d.x / len, d.y / len, d.z / len}, {e}});
    }
  }
  std::vector<Edge> merged;
  for (const Line& line : lines) JoinPieces(line, merged);
  std::sort(merged.begin(), merged.end(), EdgeLess);
  return merged;
}

EdgeDifference CompareEdges(const std::vector<Edge>& answer, const std::vector<Edge>& learner) {
  return {Uncovered(answer, learner), Uncovered(learner, answer)};
}

std::optional<Point3> FindGridShift(const std::vector<Edge>& answer, const std::vector<Edge>& learner,
                                    double unit) {
  if (!(unit > 0)) return std::nullopt;
  // Every answer vertex less every learner vertex, in whole steps, is a vote for that move; one wrong
  // edge costs a few votes, where taking the move from any single pair of edges would be thrown by it.
  // A vote is one integer, 21 bits an axis, so that sorting a million of them stays quick; a move of a
  // million steps or more is nobody's slip.
  constexpr double kRange = 1 << 20;
  const auto pack = [&](double x, double y, double z) {
    return uint64_t(x + kRange) << 42 | uint64_t(y + kRange) << 21 | uint64_t(z + kRange);
  };
  const auto unpack = [&](uint64_t v, int axis) { return double(v >> (42 - 21 * axis) & 0x1fffff) - kRange; };
  std::vector<uint64_t> votes;
  const std::vector<Point3> to = Vertices(answer), from = Vertices(learner);
  for (const Point3& a : to) {
    for (const Point3& l : from) {
      const Point3 d = Minus(a, l);
      const double x = std::round(d.x / unit), y = std::round(d.y / unit), z = std::round(d.z / unit);
      if (std::abs(x) < kRange && std::abs(y) < kRange && std::abs(z) < kRange &&
          SamePoint(d, {x * unit, y * unit, z * unit}))
        votes.push_back(pack(x, y, z));
    }
  }
  if (votes.empty()) return std::nullopt;
  std::sort(votes.begin(), votes.end());
  // Most votes wins; among equals the shortest move, then the least in coordinate order, so the answer
  // never depends on the order of the files' lines.
  const auto norm = [&](uint64_t v) {
    double n = 0;
    for (int axis = 0; axis < 3; ++axis) n += unpack(v, axis) * unpack(v, axis);
    return n;
  };
  uint64_t best = 0;
  size_t bestCount = 0;
  for (auto run = votes.begin(); run != votes.end();) {
    const auto end = std::upper_bound(run, votes.end(), *run);
    const size_t count = size_t(end - run);
    if (count > bestCount || (count == bestCount && norm(*run) < norm(best))) best = *run, bestCount = count;
    run = end;
  }
  return Point3{unpack(best, 0) * unit, unpack(best, 1) * unit, unpack(best, 2) * unit};
}

std::vector<Edge> Shifted(const std::vector<Edge>& edges, const Point3& by) {
  std::vector<Edge> out;
  out.reserve(edges.size());
  const auto move = [&](const Point3& p) { return Point3{p.x + by.x, p.y + by.y, p.z + by.z}; };
  for (const Edge& e : edges) out.push_back({move(e.a), move(e.b)});
  return out;
}

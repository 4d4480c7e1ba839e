// Collinear pieces are grouped by line, then their intervals along the line are joined.
#include "sheet/edge_set.h"

#include <algorithm>
#include <cmath>

#include "figure/app_state.h"

namespace {
Point3 Minus(const Point3& p, const Point3& q) { return {p.x - q.x, p.y - q.y, p.z - q.z}; }
double Dot(const Point3& p, const Point3& q) { return p.x * q.x + p.y * q.y + p.z * q.z; }
double Length(const Point3& p) { return std::sqrt(Dot(p, p)); }
Point3 Cross(const Point3& p, const Point3& q) {
  return {p.y * q.z - p.z * q.y, p.z * q.x - p.x * q.z, p.x * q.y - p.y * q.x};
}

bool PointLess(const Point3& p, const Point3& q) {
  if (std::abs(p.x - q.x) > kEdgeTolerance) return p.x < q.x;
  if (std::abs(p.y - q.y) > kEdgeTolerance) return p.y < q.y;
  if (std::abs(p.z - q.z) > kEdgeTolerance) return p.z < q.z;
  return false;
}

Edge Ordered(const Edge& e) { return PointLess(e.b, e.a) ? Edge{e.b, e.a} : e; }

bool EdgeLess(const Edge& e, const Edge& f) {
  if (PointLess(e.a, f.a)) return true;
  if (PointLess(f.a, e.a)) return false;
  return PointLess(e.b, f.b);
}

bool SameEdge(const Edge& e, const Edge& f) { return SamePoint(e.a, f.a) && SamePoint(e.b, f.b); }

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
}  // namespace

bool SamePoint(const Point3& p, const Point3& q) {
  return std::abs(p.x - q.x) <= kEdgeTolerance && std::abs(p.y - q.y) <= kEdgeTolerance &&
         std::abs(p.z - q.z) <= kEdgeTolerance;
}

std::vector<Edge> EdgesOfFigure(const AppState& s) {
  std::vector<Edge> edges;
  const int n = std::clamp<int>(s.mintLineCount, 0, kMaxLines);
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
  EdgeDifference d;
  const auto absent = [](const std::vector<Edge>& in, const Edge& e) {
    return std::none_of(in.begin(), in.end(), [&](const Edge& f) { return SameEdge(e, f); });
  };
  for (const Edge& e : answer)
    if (absent(learner, e)) d.missing.push_back(e);
  for (const Edge& e : learner)
    if (absent(answer, e)) d.extra.push_back(e);
  return d;
}

std::optional<Point3> FindGridShift(const std::vector<Edge>& answer, const std::vector<Edge>& learner,
                                    double unit) {
  if (answer.empty() || learner.empty() || !(unit > 0)) return std::nullopt;
  // Sorted lists start at their least point, so a whole-figure move shows as the move of the first edge.
  const Point3 by = Minus(answer.front().a, learner.front().a);
  for (const double v : {by.x, by.y, by.z}) {
    if (std::abs(v / unit - std::round(v / unit)) * unit > kEdgeTolerance) return std::nullopt;
  }
  if (!CompareEdges(answer, Shifted(learner, by)).Matches()) return std::nullopt;
  return by;
}

std::vector<Edge> Shifted(const std::vector<Edge>& edges, const Point3& by) {
  std::vector<Edge> out;
  out.reserve(edges.size());
  const auto move = [&](const Point3& p) { return Point3{p.x + by.x, p.y + by.y, p.z + by.z}; };
  for (const Edge& e : edges) out.push_back({move(e.a), move(e.b)});
  return out;
}

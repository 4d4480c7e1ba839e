// Figures compared as sets of edges: direction, order and the strokes an edge was drawn in do not matter.
#pragma once

#include <optional>
#include <vector>

struct AppState;

struct Point3 {
  double x = 0, y = 0, z = 0;
};

struct Edge {
  Point3 a, b;
};

// Coordinates closer than this (mm) are the same point; files carry floats, drawings whole millimetres.
inline constexpr double kEdgeTolerance = 1e-3;

bool SamePoint(const Point3& p, const Point3& q);

// The figure's lines as edges, in file order.
std::vector<Edge> EdgesOfFigure(const AppState& s);

// Joins collinear edges that touch or overlap into one and drops zero-length lines. Each edge comes out
// with its lesser end first (by x, then y, then z, on the tolerance grid) and the edges sorted, so equal
// figures give equal lists.
std::vector<Edge> MergeEdges(const std::vector<Edge>& edges);

// Only the parts that differ: an answer edge drawn half way is missing its other half, and a learner's
// edge is extra only where it lies outside every answer edge.
struct EdgeDifference {
  std::vector<Edge> missing;  // parts of the answer no learner edge covers
  std::vector<Edge> extra;    // parts of the learner's figure no answer edge covers
  bool Matches() const { return missing.empty() && extra.empty(); }
};

// Both lists as MergeEdges returns them.
EdgeDifference CompareEdges(const std::vector<Edge>& answer, const std::vector<Edge>& learner);

// The move, in whole steps of `unit` on each axis, that lays the most of the learner's vertices onto the
// answer's; nullopt when no pair of vertices is a whole number of steps apart. Figures that differ only
// by this move match once the learner's edges are shifted by it.
std::optional<Point3> FindGridShift(const std::vector<Edge>& answer, const std::vector<Edge>& learner,
                                    double unit);

std::vector<Edge> Shifted(const std::vector<Edge>& edges, const Point3& by);

// Writes the problem bank with the program's own writer: figures for each difficulty level, built on that
// level's pointer step and within its size, and an index in Japanese. ASCII file names survive zip files
// and any Windows code page; the index tells the teacher what each one is.
#include <QDir>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "figure/app_state.h"
#include "figure/figure_file.h"
#include "qt_files.h"
#include "settings/operation_settings.h"

namespace {
struct P {
  int x, y, z;
};
struct Line {
  P a, b;
};
using Lines = std::vector<Line>;

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A solid made of cells of the level's step: the edges are where the cells around a grid segment are not
// a flat face, joined along each straight run so that a learner draws each edge as one line.
class Cells {
 public:
  static constexpr int kN = 20;
  // Adds (or with `fill` false removes) the cells from corner a to corner b, in steps.
  Cells& Box(P a, P b, bool fill = true) {
    for (int x = a.x; x < b.x; ++x)
      for (int y = a.y; y < b.y; ++y)
        for (int z = a.z; z < b.z; ++z) cell_[x][y][z] = fill;
    return *this;
  }
  Cells& Cut(P a, P b) { return Box(a, b, false); }

  Lines Edges(int step) const {
    Lines lines;
    for (int axis = 0; axis < 3; ++axis) {
      // Along `axis`, for every grid line across the other two, the runs of segments that are edges.
      for (int u = 0; u <= kN; ++u)
        for (int v = 0; v <= kN; ++v) {
          int start = -1;
          for (int t = 0; t <= kN; ++t) {
            const bool edge = t < kN && IsEdge(axis, t, u, v);
            if (edge && start < 0) start = t;
            if (!edge && start >= 0) {
              lines.push_back({Point(axis, start, u, v, step), Point(axis, t, u, v, step)});
              start = -1;
            }
          }
        }
    }
    return lines;
  }

 private:
  bool At(int x, int y, int z) const {
    return x >= 0 && y >= 0 && z >= 0 && x < kN && y < kN && z < kN && cell_[x][y][z];
  }
  // The four cells around the segment from t to t+1 along `axis`, at grid position (u, v) across it.
  bool IsEdge(int axis, int t, int u, int v) const {
    std::array<bool, 4> c{};
    for (int i = 0; i < 4; ++i) {
      const int du = u - 1 + i % 2, dv = v - 1 + i / 2;
      c[i] = axis == 0 ? At(t, du, dv) : axis == 1 ? At(du, t, dv) : At(du, dv, t);
    }
    const int count = c[0] + c[1] + c[2] + c[3];
    // Two cells side by side make a flat face; two meeting only along the segment make two edges there.
    return count == 1 || count == 3 || (count == 2 && c[0] == c[3]);
  }
  static P Point(int axis, int t, int u, int v, int step) {
    return axis == 0   ? P{t * step, u * step, v * step}
           : axis == 1 ? P{u * step, t * step, v * step}
                       : P{u * step, v * step, t * step};
  }
  bool cell_[kN][kN][kN]{};
};

// A profile in the front plane (x right, y up) drawn from z = z0 to z = z1: both end faces and the lines
// joining their corners. Corners only: no three points of the profile in a row.
Lines FrontPrism(const std::vector<std::array<int, 2>>& profile, int z0, int z1) {
  Lines lines;
  for (size_t i = 0; i < profile.size(); ++i) {
    const auto& p = profile[i];
    const auto& q = profile[(i + 1) % profile.size()];
    for (int z : {z0, z1}) lines.push_back({{p[0], p[1], z}, {q[0], q[1], z}});
    lines.push_back({{p[0], p[1], z0}, {p[0], p[1], z1}});
  }
  return lines;
}

// The same with the profile in the side plane (z towards the front, y up), drawn from x = x0 to x = x1.
Lines SidePrism(const std::vector<std::array<int, 2>>& profile, int x0, int x1) {
  Lines lines = FrontPrism(profile, x0, x1);
  for (Line& l : lines)
    for (P* p : {&l.a, &l.b}) *p = {p->z, p->y, p->x};
  return lines;
}

// A four-sided solid from a bottom rectangle at y0 to a top rectangle, a ridge or a point at y1; each
// rectangle is {x0, z0, x1, z1}. Without `bottom` the lower edges are left to what it stands on.
Lines Frustum(std::array<int, 4> low, std::array<int, 4> high, int y0, int y1, bool bottom = true) {
  const auto corners = [](const std::array<int, 4>& r, int y) {
    return std::array<P, 4>{P{r[0], y, r[1]}, P{r[2], y, r[1]}, P{r[2], y, r[3]}, P{r[0], y, r[3]}};
  };
  const std::array<P, 4> b = corners(low, y0), t = corners(high, y1);
  Lines lines;
  for (int i = 0; i < 4; ++i) {
    if (bottom) lines.push_back({b[i], b[(i + 1) % 4]});
    lines.push_back({b[i], t[i]});
    lines.push_back({t[i], t[(i + 1) % 4]});
  }
  return lines;
}

bool Same(const P& p, const P& q) { return p.x == q.x && p.y == q.y && p.z == q.z; }

// Without lines of no length and lines given twice (a ridge is two sides of the top, an apex all four).
Lines Distinct(const Lines& lines) {
  Lines out;
  for (const Line& l : lines) {
    const auto same = [&](const Line& m) {
      return (Same(l.a, m.a) && Same(l.b, m.b)) || (Same(l.a, m.b) && Same(l.b, m.a));
    };
    if (!Same(l.a, l.b) && std::none_of(out.begin(), out.end(), same)) out.push_back(l);
  }
  return out;
}

// A cube of 100 whose corner at (100, 100, 100) is cut off 40 along each of its edges.
Lines CornerCutCube() {
  Lines lines = Cells().Box({0, 0, 0}, {10, 10, 10}).Edges(10);
  for (Line& l : lines) {
    if (!Same(l.b, {100, 100, 100})) continue;  // each line runs from its lesser end
    int& along = l.a.x != 100 ? l.b.x : l.a.y != 100 ? l.b.y : l.b.z;
    along = 60;
  }
  return lines + Lines{{{60, 100, 100}, {100, 60, 100}},
                       {{100, 60, 100}, {100, 100, 60}},
                       {{100, 100, 60}, {60, 100, 100}}};
}

struct Problem {
  const char* file;
  const char* name;
  Lines lines;
};

struct Level {
  const char* folder;
  const char* caption;
  std::vector<Problem> problems;
};

std::vector<Problem> Beginner(int s) {
  return {
      {"01-cube", "立方体", Cells().Box({0, 0, 0}, {2, 2, 2}).Edges(s)},
      {"02-block", "直方体", Cells().Box({0, 0, 0}, {4, 2, 3}).Edges(s)},
      {"03-tall-block", "縦長の直方体", Cells().Box({0, 0, 0}, {2, 5, 2}).Edges(s)},
      {"04-l-shape", "L字形", Cells().Box({0, 0, 0}, {4, 1, 2}).Box({0, 0, 0}, {1, 3, 2}).Edges(s)},
      {"05-steps", "2段の階段", Cells().Box({0, 0, 0}, {2, 1, 3}).Box({0, 0, 0}, {1, 2, 3}).Edges(s)},
      {"06-channel", "凹形", Cells().Box({0, 0, 0}, {3, 2, 2}).Cut({1, 1, 0}, {2, 2, 2}).Edges(s)},
      {"07-raised", "凸形", Cells().Box({0, 0, 0}, {3, 1, 2}).Box({1, 0, 0}, {2, 2, 2}).Edges(s)},
      {"08-notch", "角を切り欠いた直方体",
       Cells().Box({0, 0, 0}, {3, 2, 2}).Cut({2, 1, 1}, {3, 2, 2}).Edges(s)},
      {"09-wedge", "くさび", FrontPrism({{0, 0}, {80, 0}, {0, 60}}, 0, 40)},
      {"10-slope", "斜めの面のある台", SidePrism({{0, 0}, {80, 0}, {80, 20}, {0, 60}}, 0, 60)},
      {"11-house", "家の形", FrontPrism({{0, 0}, {80, 0}, {80, 40}, {40, 80}, {0, 40}}, 0, 60)},
  };
}

std::vector<Problem> Intermediate(int s) {
  return {
      {"01-three-steps", "3段の階段",
       Cells().Box({0, 0, 0}, {6, 2, 4}).Box({0, 0, 0}, {4, 4, 4}).Box({0, 0, 0}, {2, 6, 4}).Edges(s)},
      {"02-corner-cut", "角の欠けた直方体",
       Cells().Box({0, 0, 0}, {6, 4, 4}).Cut({3, 2, 2}, {6, 4, 4}).Edges(s)},
      {"03-corner-piece", "二方向のL字形",
       Cells().Box({0, 0, 0}, {6, 2, 6}).Box({0, 0, 0}, {2, 6, 6}).Cut({2, 0, 0}, {6, 2, 3}).Edges(s)},
      {"04-groove", "途中まで溝のある台",
       Cells().Box({0, 0, 0}, {6, 3, 6}).Cut({2, 1, 2}, {4, 3, 6}).Edges(s)},
      {"05-cross", "十字形", Cells().Box({0, 3, 0}, {8, 5, 3}).Box({3, 0, 0}, {5, 8, 3}).Edges(s)},
      {"06-plate-hole", "四角い穴のあいた板",
       Cells().Box({0, 0, 0}, {8, 2, 6}).Cut({3, 0, 2}, {5, 2, 4}).Edges(s)},
      {"07-t-block", "T字形", Cells().Box({0, 4, 0}, {8, 6, 4}).Box({3, 0, 0}, {5, 4, 4}).Edges(s)},
      {"08-chamfer", "角を斜めに落とした直方体",
       FrontPrism({{0, 0}, {80, 0}, {80, 30}, {50, 60}, {0, 60}}, 0, 50)},
      {"09-trapezoid", "台形の柱", FrontPrism({{0, 0}, {90, 0}, {70, 50}, {20, 50}}, 0, 40)},
      {"10-slope-notch", "斜めの面と切り欠き",
       SidePrism({{0, 0}, {90, 0}, {90, 20}, {50, 20}, {50, 40}, {0, 70}}, 0, 60)},
      {"11-pyramid", "四角すい", Frustum({0, 0, 80, 80}, {40, 40, 40, 40}, 0, 60)},
  };
}

std::vector<Problem> Advanced(int s) {
  return {
      {"01-frustum", "四角すい台", Frustum({0, 0, 160, 120}, {40, 30, 120, 90}, 0, 80)},
      {"02-hip-roof", "寄棟屋根の家",
       Cells().Box({0, 0, 0}, {16, 6, 10}).Edges(s) +
           Frustum({0, 0, 160, 100}, {50, 50, 110, 50}, 60, 130, false)},
      {"03-staircase", "4段の階段",
       Cells()
           .Box({0, 0, 0}, {16, 2, 8})
           .Box({0, 0, 0}, {12, 4, 8})
           .Box({0, 0, 0}, {8, 6, 8})
           .Box({0, 0, 0}, {4, 8, 8})
           .Edges(s)},
      {"04-frame", "中空の枠", Cells().Box({0, 0, 0}, {16, 16, 4}).Cut({4, 4, 0}, {12, 12, 4}).Edges(s)},
      {"05-two-notches", "二か所を切り欠いた直方体",
       Cells().Box({0, 0, 0}, {14, 8, 8}).Cut({0, 4, 0}, {4, 8, 4}).Cut({10, 0, 4}, {14, 4, 8}).Edges(s)},
      {"06-tower", "塔のある台",
       Cells()
           .Box({0, 0, 0}, {16, 4, 12})
           .Box({4, 4, 4}, {10, 14, 10})
           .Cut({6, 10, 4}, {8, 14, 10})
           .Edges(s)},
      {"07-cross-plate", "板の上の十字",
       Cells().Box({0, 0, 0}, {16, 2, 16}).Box({6, 2, 0}, {10, 6, 16}).Box({0, 2, 6}, {16, 6, 10}).Edges(s)},
      {"08-corner-cut-cube", "角を切り落とした立方体", CornerCutCube()},
      {"09-ramp-step", "段とスロープ",
       SidePrism({{0, 0}, {180, 0}, {180, 40}, {120, 40}, {60, 100}, {0, 100}}, 0, 80)},
      {"10-gable-wing", "切妻屋根の家",
       FrontPrism({{0, 0}, {160, 0}, {160, 80}, {80, 140}, {0, 80}}, 0, 120)},
      {"11-hollow-steps", "穴のあいた階段",
       Cells()
           .Box({0, 0, 0}, {18, 4, 10})
           .Box({0, 0, 0}, {12, 8, 10})
           .Box({0, 0, 0}, {6, 12, 10})
           .Cut({2, 0, 4}, {4, 12, 6})
           .Edges(s)},
  };
}

bool Write(const QString& path, const Lines& lines) {
  AppState s;
  InitialiseApplicationState(s);
  for (const Line& l : lines) {
    const int k = ++s.mintLineCount;
    for (const auto& [i, p] : {std::pair{2 * k - 1, l.a}, std::pair{2 * k, l.b}}) {
      s.msngLineX[i] = float(p.x), s.msngLineY[i] = float(p.y), s.msngLineZ[i] = float(p.z);
    }
  }
  UpdateFigureCentre(s);
  QtFiles files;
  std::u16string error;
  if (WriteFigureFile(files, path.toStdU16String(), s, error)) return true;
  std::fprintf(stderr, "%s\n", QString::fromStdU16String(error).toLocal8Bit().constData());
  return false;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_problems OUTPUT_FOLDER\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  const auto& [beginner, intermediate, advanced] = kDifficultyLevels;
  const Level levels[] = {
      {"1-shokyu", "初級", Beginner(beginner.unitLength)},
      {"2-chukyu", "中級", Intermediate(intermediate.unitLength)},
      {"3-jokyu", "上級", Advanced(advanced.unitLength)},
  };
  // UTF-8 with a byte-order mark and CR LF, so that Notepad on any Windows shows the Japanese.
  QStringList index{QStringLiteral("立体ヌボロ　問題集"), QString(),
                    QStringLiteral("作図モードで、作図ポインタを動かして作れる図形です。"
                                   "レベルごとに、その難易度の目盛りと大きさで作れます。"),
                    QStringLiteral("nuboro-sheet sheet で、三面図のワークシートにできます。")};
  for (size_t i = 0; i < std::size(levels); ++i) {
    const Level& level = levels[i];
    const DifficultyLevel& limits = kDifficultyLevels[i];
    if (!out.mkpath(QString::fromLatin1(level.folder))) return 1;
    index << QString()
          << QStringLiteral("%1（目盛り %2 mm、大きさ %3 mm まで）: %4")
                 .arg(QString::fromUtf8(level.caption))
                 .arg(limits.unitLength)
                 .arg(limits.maxSize)
                 .arg(QString::fromLatin1(level.folder));
    for (const Problem& p : level.problems) {
      const QString file =
          QStringLiteral("%1/%2.nbo").arg(QString::fromLatin1(level.folder), QString::fromLatin1(p.file));
      const Lines lines = Distinct(p.lines);
      if (!Write(out.filePath(file), lines)) return 1;
      index << QStringLiteral("  %1  %2（線 %3 本）").arg(file, QString::fromUtf8(p.name)).arg(lines.size());
    }
  }
  QFile text(out.filePath(QStringLiteral("index.txt")));
  const QByteArray bytes =
      "\xEF\xBB\xBF" + (index.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
  if (!text.open(QIODevice::WriteOnly | QIODevice::Truncate) || text.write(bytes) != bytes.size() ||
      !text.flush())
    return 1;
  return 0;
}

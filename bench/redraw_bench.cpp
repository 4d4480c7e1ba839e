// A whole redraw on the real main window at the 1024 x 768 layout: display list, rasterising, block copy,
// repaint; beside it, plain QPainter::drawLines of the same lines into a same-size image, the baseline.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "bench_figure.h"
#include "construction/dispatch.h"
#include "shell/window_layout.h"
#include "view/compute_view.h"
#include "view/renderer.h"
#include "window/frm_nubo_win.h"
#include "window/picture_box.h"

namespace {
double Min(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

void Aggregates(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true)->ComputeStatistics("min", Min);
}

// The 1024 x 768 layout as the menu item applies it, on the window the program shows.
class LargeLayout {
 public:
  explicit LargeLayout(bool drawMode) : state(BenchFigure()), window(state) {
    window.LoadMainWindow();
    SetUpMainWindow(window);
    SetUpDrawingArea(window, window);
    window.show();
    ApplyScreenLayout(window.Ctx(), 2);
    state.mblnDrawMode = drawMode;
    state.mblnNoLineStart = !drawMode;  // in draw mode a start point is held
    state.msngRefX[4] = 200, state.msngRefY[4] = 400, state.msngRefZ[4] = 600;
    state.msngRefX[5] = 800, state.msngRefY[5] = 0, state.msngRefZ[5] = 200;
    QApplication::processEvents();
    ComputeView(state);
  }
  Rect Canvas() const { return window.Placement(Control::picFigBox); }

  AppState state;
  FrmNuboWin window;
};

void Redraw(benchmark::State& st, bool drawMode) {
  LargeLayout l(drawMode);
  for (auto _ : st) RedrawFigure(l.state, l.window, l.window);
  const Rect c = l.Canvas();
  st.SetLabel(QStringLiteral("canvas %1x%2 at (%3, %4)")
                  .arg(c.width())
                  .arg(c.height())
                  .arg(c.x())
                  .arg(c.y())
                  .toStdString());
}

// The figure's lines in canvas pixels, as the back buffer maps them.
std::vector<QLineF> CanvasLines(const AppState& s, QSize size) {
  const DisplayList list = BuildRedrawList(s, kDarkGreen);
  ScalePrim scale;
  std::vector<QLineF> lines;
  for (const Primitive& p : list) {
    if (const auto* sc = std::get_if<ScalePrim>(&p)) scale = *sc;
    const auto* l = std::get_if<LinePrim>(&p);
    if (!l || l->width != 1) continue;
    const double sx = size.width() / double{scale.width}, sy = size.height() / double{scale.height};
    const auto map = [&](ViewPoint v) {
      return QPointF((v.x - scale.left) * sx + 0.5, (v.y - scale.top) * sy + 0.5);
    };
    lines.emplace_back(map(l->from), map(l->to));
  }
  return lines;
}
}  // namespace

static void BM_RedrawNormalMode(benchmark::State& st) { Redraw(st, false); }
static void BM_RedrawDrawModeHeldStart(benchmark::State& st) { Redraw(st, true); }
BENCHMARK(BM_RedrawNormalMode)->Apply(Aggregates);
BENCHMARK(BM_RedrawDrawModeHeldStart)->Apply(Aggregates);

// The baseline: a clear and the same lines through QPainter's cosmetic pen into a same-size RGB32 image.
static void BM_BaselineQPainterDrawLines(benchmark::State& st) {
  LargeLayout l(false);
  const QSize size(l.Canvas().width(), l.Canvas().height());
  const std::vector<QLineF> lines = CanvasLines(l.state, size);
  QImage image(size, QImage::Format_RGB32);
  QPen pen(Qt::white, 1);
  pen.setCosmetic(true);
  for (auto _ : st) {
    QPainter p(&image);
    p.fillRect(image.rect(), QColor(0, 51, 0));
    p.setPen(pen);
    p.drawLines(lines.data(), static_cast<int>(lines.size()));
  }
  st.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_BaselineQPainterDrawLines)->Apply(Aggregates);

// The parts of a normal-mode redraw, to see where the time goes.
static void BM_BuildListOnly(benchmark::State& st) {
  AppState s = BenchFigure();
  ComputeView(s);
  for (auto _ : st) benchmark::DoNotOptimize(BuildRedrawList(s, kDarkGreen));
}
static void BM_RasteriseOnly(benchmark::State& st) {
  AppState s = BenchFigure();
  ComputeView(s);
  BackBuffer buffer;
  buffer.Resize(QSize(872, 664), 1.0);
  const DisplayList list = BuildRedrawList(s, kDarkGreen);
  for (auto _ : st) buffer.Rasterise(list);
}
static void BM_BlockCopyOnly(benchmark::State& st) {
  BackBuffer buffer;
  buffer.Resize(QSize(872, 664), 1.0);
  PictureBox box;
  box.resize(872, 664);
  for (auto _ : st) box.BlockCopyFrom(buffer.Image());
}
BENCHMARK(BM_BuildListOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RasteriseOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BlockCopyOnly)->Unit(benchmark::kMicrosecond);

// A whole redraw at the largest layout's canvas: display list, rasterising, block copy, repaint.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench_figure.h"
#include "platform/picture_box.h"
#include "shell/frm_nubo_win.h"
#include "view/compute_view.h"
#include "view/renderer.h"

namespace {
// The 1024 x 768 layout's canvas: 872 wide, 738 - 28 - 20 - 2 high.
const QRect kLargeCanvas(2, 30, 872, 688);

void Redraw(benchmark::State& st, bool drawMode) {
  AppState s = BenchFigure();
  s.mblnDrawMode = drawMode;
  s.mblnNoLineStart = !drawMode;
  s.msngRefX[4] = 200, s.msngRefY[4] = 400, s.msngRefZ[4] = 600;
  s.msngRefX[5] = 800, s.msngRefY[5] = 0, s.msngRefZ[5] = 200;
  FrmNuboWin window(s);
  window.LoadMainWindow();
  window.SetClientSize(QSize(1024, 738));
  window.Place(QStringLiteral("picbkgFigBox"), kLargeCanvas);
  window.Place(QStringLiteral("picFigBox"), kLargeCanvas);
  window.show();
  QApplication::processEvents();
  ComputeView(s);
  for (auto _ : st) RedrawFigure(s, window);
}
}  // namespace

static void BM_RedrawNormalMode(benchmark::State& st) { Redraw(st, false); }
static void BM_RedrawDrawModeHeldStart(benchmark::State& st) { Redraw(st, true); }
BENCHMARK(BM_RedrawNormalMode)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RedrawDrawModeHeldStart)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

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
  buffer.Resize(kLargeCanvas.size(), 1.0);
  const DisplayList list = BuildRedrawList(s, kDarkGreen);
  for (auto _ : st) buffer.Rasterise(list);
}
static void BM_BlockCopyOnly(benchmark::State& st) {
  BackBuffer buffer;
  buffer.Resize(kLargeCanvas.size(), 1.0);
  PictureBox box;
  box.resize(kLargeCanvas.size());
  for (auto _ : st) box.BlockCopyFrom(buffer.Image());
}
BENCHMARK(BM_BuildListOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RasteriseOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BlockCopyOnly)->Unit(benchmark::kMicrosecond);

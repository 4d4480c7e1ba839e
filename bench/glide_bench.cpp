// One glide frame of the full 650-line figure at the largest canvas: transform, redraw, present.
// The plain frame copy is the baseline: what merely moving a frame's pixels costs on this machine.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScreen>
#include <chrono>
#include <cstring>
#include <thread>

#include "bench_figure.h"
#include "construction/dispatch.h"
#include "view/compute_view.h"
#include "view/renderer.h"
#include "view/view_commands.h"
#include "window/frm_nubo_win.h"

namespace {
// The 1024 x 768 layout's canvas.
const QRect kLargeCanvas(2, 30, 872, 688);

struct BenchWindow {
  explicit BenchWindow(AppState& s) : window(s) {
    window.LoadMainWindow();
    window.SetClientSize(Size(1024, 738));
    const Rect canvas(kLargeCanvas.x(), kLargeCanvas.y(), kLargeCanvas.width(), kLargeCanvas.height());
    window.Place(Control::picbkgFigBox, canvas);
    window.Place(Control::picFigBox, canvas);
    window.show();
    QApplication::processEvents();
  }
  FrmNuboWin window;
};
}  // namespace

static void BM_PlainFrameCopy(benchmark::State& st) {
  QImage from(kLargeCanvas.size(), QImage::Format_RGB32), to(kLargeCanvas.size(), QImage::Format_RGB32);
  for (auto _ : st) {
    from.fill(Qt::darkGreen);
    std::memcpy(to.bits(), from.constBits(), static_cast<size_t>(from.sizeInBytes()));
    benchmark::DoNotOptimize(to.bits());
  }
}
BENCHMARK(BM_PlainFrameCopy)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A frame without the wait for the next refresh: what the glide asks of one refresh period.
static void BM_GlideFrame(benchmark::State& st) {
  AppState s = BenchFigure();
  BenchWindow w(s);
  for (auto _ : st) {
    s.mintAngleH = AngleStepUp(s.mintAngleH);
    ComputeView(s);
    RedrawFigure(s, w.window, w.window);
    w.window.PresentGlideFrame();
  }
  const QScreen* screen = w.window.screen();
  const double rate = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
  st.counters["refresh_us"] = 1e6 / rate;
}
BENCHMARK(BM_GlideFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A whole paced glide, front view from the start-up view: 9 frames; the counters give the spacing.
static void BM_PacedGlide(benchmark::State& st) {
  AppState s = BenchFigure();
  BenchWindow w(s);
  WatchmanState watchman;
  Context c{s, w.window, w.window, w.window, w.window, watchman};
  double least = 1e9, sum = 0;
  int gaps = 0;
  for (auto _ : st) {
    s.mintAngleH = -45, s.mintAngleV = 30;
    GoToView(c, kFrontView.h, kFrontView.v);
    st.PauseTiming();
    const auto& t = w.window.GlideFrameTimes();
    for (size_t i = t.size() - 8; i < t.size(); ++i) {
      const double gap = std::chrono::duration<double, std::micro>(t[i] - t[i - 1]).count();
      least = std::min(least, gap);
      sum += gap;
      ++gaps;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // apart from the next glide
    st.ResumeTiming();
  }
  st.counters["least_gap_us"] = least;
  st.counters["mean_gap_us"] = sum / gaps;
}
BENCHMARK(BM_PacedGlide)->Unit(benchmark::kMillisecond)->Iterations(20);

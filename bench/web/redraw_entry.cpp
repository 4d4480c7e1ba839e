// What the speed page times in the page: whole redraws of the 650-line benchmark figure on a canvas of
// the normal size, and the same lines in canvas pixels for the 2D-context baseline.
#include <emscripten.h>

#include <variant>
#include <vector>

#include "bench_figure.h"
#include "view/compute_view.h"
#include "view/renderer.h"
#include "web/front/page_canvas.h"

namespace {
struct Bench {
  Bench() : state(BenchFigure()) {
    ComputeView(state);
    list = BuildRedrawList(state, canvas.FigureBackground());
    ScalePrim scale;
    for (const Primitive& p : list) {
      if (const auto* s = std::get_if<ScalePrim>(&p)) scale = *s;
      if (const auto* l = std::get_if<LinePrim>(&p)) {
        const float sx = kWidth / scale.width, sy = kHeight / scale.height;
        pixels.insert(pixels.end(),
                      {(l->from.x - scale.left) * sx + 0.5f, (l->from.y - scale.top) * sy + 0.5f,
                       (l->to.x - scale.left) * sx + 0.5f, (l->to.y - scale.top) * sy + 0.5f});
      }
    }
  }
  // PageCanvas starts at the normal size.
  static constexpr float kWidth = 488, kHeight = 376;
  AppState state;
  PageCanvas canvas;
  DisplayList list;
  std::vector<float> pixels;
};

Bench& TheBench() {
  static Bench bench;
  return bench;
}
}  // namespace

// clang-format off
EM_JS(void, js_offer_bench, (), {
  globalThis.nuboroBench = {
    redraw: (times) => Module._bench_redraw(times),
    lines: () => {
      const start = Module._bench_lines() >> 2;
      return Array.from(HEAPF32.subarray(start, start + Module._bench_line_count() * 4));
    },
  };
});
// clang-format on

extern "C" {
// Draws the figure `times` times as the program redraws it: rasterised, then put on the page's canvas.
EMSCRIPTEN_KEEPALIVE void bench_redraw(int times) {
  Bench& b = TheBench();
  for (int i = 0; i < times; ++i) b.canvas.DrawFigure(b.list);
}

// The figure's lines as x1, y1, x2, y2 in the canvas's pixels, mapped as the rasteriser maps them.
EMSCRIPTEN_KEEPALIVE const float* bench_lines() { return TheBench().pixels.data(); }
EMSCRIPTEN_KEEPALIVE int bench_line_count() { return static_cast<int>(TheBench().pixels.size() / 4); }
}

// Offered to the page as soon as the module runs.
namespace {
[[maybe_unused]] const bool offered = (js_offer_bench(), true);
}

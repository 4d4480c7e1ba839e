// The view transform and the figure file format on a full 650-line figure.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "bench_figure.h"
#include "figure/figure_file.h"
#include "qt_files.h"
#include "view/compute_view.h"

namespace {
double Min(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

void Aggregates(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true)->ComputeStatistics("min", Min);
}
}  // namespace

static void BM_ComputeView(benchmark::State& st) {
  AppState s = BenchFigure();
  for (auto _ : st) {
    ComputeView(s);
    benchmark::DoNotOptimize(s.msngViewLineX.data());
    s.mintAngleH = static_cast<int16_t>((s.mintAngleH + 5) % 360);
  }
}
BENCHMARK(BM_ComputeView)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_WriteFigureFile(benchmark::State& st) {
  AppState s = BenchFigure();
  QTemporaryDir dir;
  const std::u16string path = dir.filePath(QStringLiteral("bench.nbo")).toStdU16String();
  QtFiles disk;
  std::u16string error;
  for (auto _ : st) {
    if (!WriteFigureFile(disk, path, s, error)) st.SkipWithError("write failed");
  }
}
BENCHMARK(BM_WriteFigureFile)->Apply(Aggregates);

// The baseline: the same bytes, already made, through QSaveFile with its sync; no writer can beat it.
static void BM_BaselineSaveFileOnly(benchmark::State& st) {
  const QByteArray bytes = QByteArray::fromStdString(FigureFileBytes(BenchFigure()));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bench.nbo"));
  for (auto _ : st) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
      st.SkipWithError("write failed");
  }
}
BENCHMARK(BM_BaselineSaveFileOnly)->Apply(Aggregates);

// The text alone, without the file system.
static void BM_FigureFileBytes(benchmark::State& st) {
  AppState s = BenchFigure();
  for (auto _ : st) benchmark::DoNotOptimize(FigureFileBytes(s));
}
BENCHMARK(BM_FigureFileBytes)->Apply(Aggregates);

static void BM_ReadFigureFile(benchmark::State& st) {
  AppState s = BenchFigure();
  QTemporaryDir dir;
  const std::u16string path = dir.filePath(QStringLiteral("bench.nbo")).toStdU16String();
  QtFiles disk;
  std::u16string error;
  WriteFigureFile(disk, path, s, error);
  for (auto _ : st) {
    if (!ReadFigureFile(disk, path, s, error)) st.SkipWithError("read failed");
  }
}
BENCHMARK(BM_ReadFigureFile)->Apply(Aggregates);

// The baseline: the file's bytes read whole, and decoded to text, without parsing a number.
static void BM_BaselineReadAndDecodeOnly(benchmark::State& st) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bench.nbo"));
  QtFiles disk;
  std::u16string error;
  WriteFigureFile(disk, path.toStdU16String(), BenchFigure(), error);
  for (auto _ : st) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) st.SkipWithError("read failed");
    benchmark::DoNotOptimize(QStringDecoder("Shift_JIS")(file.readAll()).operator QString());
  }
}
BENCHMARK(BM_BaselineReadAndDecodeOnly)->Apply(Aggregates);

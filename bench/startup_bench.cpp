// Start-up as the program runs it, to the main window shown with the sample figure: time and peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QTranslator>

#include "figure/app_state.h"
#include "platform/translation.h"
#include "settings/settings_store.h"
#include "shell/frm_nubo_win.h"
#include "shell/startup.h"

namespace {
// The program's folder is the app folder of the build tree, where the sample figure lies.
class BenchWindow : public FrmNuboWin {
 public:
  using FrmNuboWin::FrmNuboWin;
  QString ProgramFolder() const override { return QStringLiteral(NUBORO_APP_DIR); }
  // The user's own settings are neither read nor written by a measurement.
  SettingsStore& Settings() override { return settings; }
  struct : SettingsStore {
    std::optional<QString> Read(const QString&, const QString&) override { return std::nullopt; }
    void Write(const QString&, const QString&, const QString&) override {}
  } settings;
};
}  // namespace

static void BM_FirstWindowPeakMemory(benchmark::State& st) {
  for (auto _ : st) {
    QTranslator qtJapanese;
    InstallToolkitJapanese(qtJapanese);
    AppState state;
    BenchWindow window(state);
    StartUp(window.Ctx());
    QApplication::processEvents();
    QApplication::removeTranslator(&qtJapanese);
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  st.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_FirstWindowPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Start-up in its fixed order; the splash stays up until the main window is shown.
#include "shell/startup.h"

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "figure/figure_file.h"
#include "figure/sample_figure.h"
#include "settings/operation_settings.h"
#include "shell/about.h"
#include "shell/status_bar.h"
#include "shell/window.h"
#include "shell/window_layout.h"

namespace {
// Every load and save would fail, or write an empty trailer, without a word; say it once.
void WarnWithoutFigureCodec(Window& w) {
  w.ShowMessage({QStringLiteral("この環境では文字コード Shift_JIS を変換できないため、"
                                "図形データの読み込みと保存ができません。"),
                 QStringLiteral("エラー"), MessageButtons::Ok, MessageIcon::Exclamation});
}
}  // namespace

void StartUp(Context& c) { StartUp(c, FigureTextCodecAvailable()); }

void StartUp(Context& c, bool figureCodecAvailable) {
  Window& w = c.window;
  ShowAbout(kAboutSplash, w);
  w.LoadMainWindow();
  SetUpMainWindow(w);
  w.PrepareOtherOptions();
  SetUpDrawingArea(w);
  SetInitialCommandState(w);
  InitialiseApplicationState(c.state);
  if (!figureCodecAvailable) WarnWithoutFigureCodec(w);
  // Read with the start-up limits; the stored level replaces them just after.
  LoadSampleFigure(c.state, w);
  ReadSettings(c, w.Settings());
  w.ShowMainWindow();
  w.UnloadAboutWindow();
  w.SetExplanationText(kWelcomeText.toString());
  w.SetAngleText(kStartUpAngleText.toString());
}

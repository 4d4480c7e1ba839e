// Start-up in its fixed order; the splash stays up until the main window is shown.
#include "shell/startup.h"

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "figure/figure_file.h"
#include "figure/sample_figure.h"
#include "settings/operation_settings.h"
#include "shell/about.h"
#include "shell/controls_port.h"
#include "shell/dialogs.h"
#include "shell/services.h"
#include "shell/status_bar.h"
#include "shell/window_layout.h"

namespace {
// Every load and save would fail, or write an empty trailer, without a word; say it once.
void WarnWithoutFigureCodec(Dialogs& d) {
  d.ShowMessage({QStringLiteral("この環境では文字コード Shift_JIS を変換できないため、"
                                "図形データの読み込みと保存ができません。"),
                 QStringLiteral("エラー"), MessageButtons::Ok, MessageIcon::Exclamation});
}
}  // namespace

void StartUp(Context& c) { StartUp(c, FigureTextCodecAvailable()); }

void StartUp(Context& c, bool figureCodecAvailable) {
  ShowAbout(kAboutSplash, c.controls, c.dialogs, c.services);
  c.controls.LoadMainWindow();
  SetUpMainWindow(c.controls);
  c.dialogs.PrepareOtherOptions();
  SetUpDrawingArea(c.controls, c.services);
  SetInitialCommandState(c.controls);
  InitialiseApplicationState(c.state);
  if (!figureCodecAvailable) WarnWithoutFigureCodec(c.dialogs);
  // Read with the start-up limits; the stored level replaces them just after.
  LoadSampleFigure(c.state, c.canvas, c.dialogs, c.services);
  ReadSettings(c, c.services.Settings());
  c.controls.ShowMainWindow();
  c.dialogs.UnloadAboutWindow();
  c.controls.SetExplanationText(kWelcomeText.toString());
  c.controls.SetAngleText(kStartUpAngleText.toString());
}

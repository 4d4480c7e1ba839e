// Start-up in its fixed order; the splash stays up until the main window is shown.
#include "shell/startup.h"

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "figure/sample_figure.h"
#include "settings/operation_settings.h"
#include "shell/about.h"
#include "shell/controls_port.h"
#include "shell/dialogs.h"
#include "shell/services.h"
#include "shell/status_bar.h"
#include "shell/window_layout.h"

void StartUp(Context& c) {
  ShowAbout(kAboutSplash, c.controls, c.dialogs, c.services);
  c.controls.LoadMainWindow();
  SetUpMainWindow(c.controls);
  c.dialogs.PrepareOtherOptions();
  SetUpDrawingArea(c.controls, c.services);
  SetInitialCommandState(c.controls);
  InitialiseApplicationState(c.state);
  // Read with the start-up limits; the stored level replaces them just after.
  LoadSampleFigure(c.state, c.canvas, c.dialogs, c.services);
  ReadSettings(c, c.services.Settings());
  c.controls.ShowMainWindow();
  c.dialogs.UnloadAboutWindow();
  c.controls.SetExplanationText(std::u16string(kWelcomeText));
  c.controls.SetAngleText(std::u16string(kStartUpAngleText));
}

// Start-up in its fixed order; the splash stays up until the main window is shown.
#include "shell/startup.h"

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "figure/sample_figure.h"
#include "settings/operation_settings.h"
#include "shell/about.h"
#include "shell/status_bar.h"
#include "shell/window.h"
#include "shell/window_layout.h"

void StartUp(Context& c) {
  Window& w = c.window;
  ShowAbout(kAboutSplash, w);
  w.LoadMainWindow();
  SetUpMainWindow(w);
  w.PrepareOtherOptions();
  SetUpDrawingArea(w);
  SetInitialCommandState(w);
  InitialiseApplicationState(c.state);
  // Read with the start-up limits; the stored level replaces them just after.
  LoadSampleFigure(c.state, w);
  ReadSettings(c, w.Settings());
  w.ShowMainWindow();
  w.UnloadAboutWindow();
  w.SetExplanationText(kWelcomeText.toString());
  w.SetAngleText(kStartUpAngleText.toString());
}

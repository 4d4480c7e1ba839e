// Start-up in its fixed order; the splash stays up until the main window is shown.
#include "shell/startup.h"

#include "figure/app_state.h"
#include "figure/sample_figure.h"
#include "shell/about.h"
#include "shell/status_bar.h"
#include "shell/window.h"
#include "shell/window_layout.h"

void StartUp(AppState& s, Window& w) {
  ShowAbout(kAboutSplash, w);
  SetUpMainWindow(w);
  SetUpDrawingArea(w);
  SetInitialCommandState(w);
  InitialiseApplicationState(s);
  LoadSampleFigure(s, w);
  w.ShowMainWindow();
  w.UnloadAboutWindow();
  w.SetExplanationText(kWelcomeText.toString());
  w.SetAngleText(kStartUpAngleText.toString());
}

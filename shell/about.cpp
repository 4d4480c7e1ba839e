// The About window as splash and as version box, and the help command.
#include "shell/about.h"

#include "shell/window.h"

void ShowAbout(int16_t mode, Window& w) {
  w.SetWaitCursor(true);
  w.LoadAboutWindow();
  w.SetWaitCursor(false);
  if (mode != kAboutVersionBox && mode != kAboutSplash) return;
  const bool versionBox = mode == kAboutVersionBox;
  w.ShowAboutWindow((versionBox ? kVersionPicture : kSplashPicture).toString(), versionBox);
  // Paint it now: the waiting sound below blocks the event loop.
  w.ProcessPendingEvents();
  w.PlayWave(kSplashSound.toString(), true);
}

void OpenHelp(Window& w) { w.OpenHelpFile(kHelpFile.toString()); }

// The About window as splash and as version box, and the help command.
#include "shell/about.h"

#include "shell/controls_port.h"
#include "shell/dialogs.h"
#include "shell/services.h"

void ShowAbout(int16_t mode, Controls& controls, Dialogs& dialogs, Services& services) {
  controls.SetWaitCursor(true);
  dialogs.LoadAboutWindow();
  controls.SetWaitCursor(false);
  if (mode != kAboutVersionBox && mode != kAboutSplash) return;
  const bool versionBox = mode == kAboutVersionBox;
  dialogs.ShowAboutWindow(std::u16string(versionBox ? kVersionPicture : kSplashPicture), versionBox);
  // Paint it now: the waiting sound below blocks the event loop.
  services.ProcessPendingEvents();
  services.PlayWave(std::u16string(kSplashSound), true);
}

void OpenHelp(Dialogs& d) { d.OpenHelpFile(std::u16string(kHelpFile)); }

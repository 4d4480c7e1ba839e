// Quit: the save question, the confirmation, the settings, the end.
#include "shell/quit.h"

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "figure/load_save.h"
#include "settings/operation_settings.h"
#include "shell/window.h"

namespace {
MessageAnswer Ask(Window& w, const char* text, const char* title, MessageButtons buttons) {
  return w.ShowMessage({QString::fromUtf8(text), QString::fromUtf8(title), buttons, MessageIcon::Question});
}
}  // namespace

void OfferToSave(Context& c) {
  if (c.state.mblnModified &&
      Ask(c.window, kSaveQuestion, kWaitTitle, MessageButtons::YesNo) == MessageAnswer::Yes)
    SaveFigure(c);
}

void Quit(Context& c) {
  OfferToSave(c);
  // Saving does not clear the modified flag: a Cancel here and a second Quit ask about saving again.
  if (Ask(c.window, kQuitQuestion, kQuitTitle, MessageButtons::OkCancel) != MessageAnswer::Ok) return;
  StoreSettings(c, c.window.Settings());
  c.window.EndProgram();
}

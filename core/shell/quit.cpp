// Quit and new figure: the questions first, then the end or the fresh start.
#include "shell/quit.h"

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "figure/load_save.h"
#include "settings/operation_settings.h"
#include "shell/controls_port.h"
#include "shell/dialogs.h"
#include "shell/services.h"
#include "shell/status_bar.h"
#include "view/rotation.h"
#include "view/third_angle.h"
#include "view/view_commands.h"

namespace {
MessageAnswer Ask(Dialogs& w, std::u16string_view text, std::u16string_view title, MessageButtons buttons) {
  return w.ShowMessage({std::u16string(text), std::u16string(title), buttons, MessageIcon::Question});
}
}  // namespace

void OfferToSave(Context& c) {
  if (c.state.mblnModified &&
      Ask(c.dialogs, kSaveQuestion, kWaitTitle, MessageButtons::YesNo) == MessageAnswer::Yes)
    SaveFigure(c);
}

void Quit(Context& c) {
  OfferToSave(c);
  // Saving does not clear the modified flag: a Cancel here and a second Quit ask about saving again.
  if (Ask(c.dialogs, kQuitQuestion, kQuitTitle, MessageButtons::OkCancel) != MessageAnswer::Ok) return;
  StoreSettings(c, c.services.Settings());
  c.services.EndProgram();
}

void QuitThenStopTurning(Context& c, int16_t) {
  Quit(c);
  StopTurning(c);
}

void NewFigure(Context& c) {
  if (Ask(c.dialogs, kNewFigureQuestion, kWaitTitle, MessageButtons::YesNo) != MessageAnswer::Yes) return;
  OfferToSave(c);
  if (c.state.mblnTurning) StopTurning(c);
  ResetFigureAndView(c.state);
  if (c.state.mblnThirdAngle) ToggleThirdAngle(c);
  c.controls.SetTitle(TitleWithFile({}));
  // The next dialog proposes no name, and the watchman's title has no file in it.
  c.dialogs.SetDialogFileName({});
  SetView(c, kIsometricView.h, kIsometricView.v);
}

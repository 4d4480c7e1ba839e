// The two copy commands: switch to the normal layout, copy, and switch back.
#include "shell/clipboard_copy.h"

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "shell/canvas.h"
#include "shell/controls_port.h"
#include "shell/dialogs.h"
#include "shell/services.h"
#include "shell/window_layout.h"
#include "view/renderer.h"

namespace {
void CopyPicture(Context& c, bool colour) {
  const Controls& w = c.controls;
  const int16_t remembered = w.IsChecked(Control::mnuNormalSize)   ? 0
                             : w.IsChecked(Control::mnuExpansion1) ? 1
                                                                   : 2;
  // The normal layout also hides the three views, so only a copy at the normal size can be refused.
  if (remembered != 0) ApplyScreenLayout(c, 0);
  if (c.state.mblnThirdAngle) {
    c.dialogs.ShowMessage({std::u16string(kCopyRefusedText), {}, MessageButtons::Ok, MessageIcon::None});
  } else if (colour) {
    c.services.PutFigureBoxOnClipboard();
  } else {
    c.state.mblnColorDraw = false;
    RedrawFigure(c.state, c.canvas, c.services);
    c.services.PutFigureBoxOnClipboard();
    c.state.mblnColorDraw = true;
    RedrawFigure(c.state, c.canvas, c.services);
  }
  if (remembered != 0) ApplyScreenLayout(c, remembered);
}
}  // namespace

void CopyPictureInColour(Context& c) { CopyPicture(c, true); }
void CopyPictureInMonochrome(Context& c) { CopyPicture(c, false); }

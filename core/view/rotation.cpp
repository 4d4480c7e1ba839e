// Continuous rotation: the direction cycle, the tick's own wrap rules, and the preset buttons that
// stay disabled while the figure turns.
#include "view/rotation.h"

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "shell/controls_port.h"
#include "shell/services.h"
#include "view/renderer.h"
#include "view/view_commands.h"

namespace {
constexpr Control kTimer = Control::TurningTimer;

// The four view presets on the toolbar.
void EnablePresetButtons(Controls& w, bool on) {
  for (Control key :
       {Control::cmdFrontView, Control::cmdTopView, Control::cmdSideView, Control::cmdEqualAngleView})
    w.SetEnabled(key, on);
}

// Unlike the single steps, downward ticks wrap every angle below 5, negative ones included.
int16_t TickDown(int16_t a) { return a < 5 ? int16_t{355} : static_cast<int16_t>(a - 5); }
}  // namespace

void StartTurning(Context& c) {
  AppState& s = c.state;
  if (s.mblnTurning) {
    s.mintTurnMode = s.mintTurnMode == 4 ? int16_t{1} : static_cast<int16_t>(s.mintTurnMode + 1);
  } else {
    s.mblnTurning = true;
    s.mintTurnMode = 1;
    c.services.SetTimerRunning(kTimer, true);
    EnablePresetButtons(c.controls, false);
  }
  c.controls.SetExplanationText(std::u16string(kTurningText));
}

void TurnTick(Context& c) {
  AppState& s = c.state;
  switch (s.mintTurnMode) {
    case 1: s.mintAngleH = AngleStepUp(s.mintAngleH); break;
    case 2: s.mintAngleH = TickDown(s.mintAngleH); break;
    case 3: s.mintAngleV = AngleStepUp(s.mintAngleV); break;
    case 4: s.mintAngleV = TickDown(s.mintAngleV); break;
    default: break;
  }
  TransformAndRedraw(c);
}

void StopTurning(Context& c) {
  if (!c.state.mblnTurning) return;
  c.state.mblnTurning = false;
  c.services.SetTimerRunning(kTimer, false);
  EnablePresetButtons(c.controls, true);
  c.controls.SetExplanationText({});
}

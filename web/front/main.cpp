// The browser front-end: the four ports over the page, and the core started as on the desktop.
#include <cstdint>

#include "core/construction/dispatch.h"
#include "core/figure/app_state.h"
#include "core/figure/load_save.h"
#include "core/settings/operation_settings.h"
#include "core/settings/other_options.h"
#include "core/shell/startup.h"
#include "core/shell/status_bar.h"
#include "core/view/hand_gesture.h"
#include "web/front/page_canvas.h"
#include "web/front/page_controls.h"
#include "web/front/page_dialogs.h"
#include "web/front/page_services.h"
#include "web/glue/page.h"

namespace {

struct Program;
Program& TheProgram();

struct Program {
  AppState state;
  PageCanvas canvas;
  PageControls controls{canvas};
  PageServices services;
  PageDialogs dialogs{services.FileSystem(),
                      [](const OtherOptionValues& v) { ApplyOtherOptions(TheProgram().context, v); }};
  WatchmanState watchman;
  Context context{state, canvas, controls, dialogs, services, watchman};
  HandGesture hands;
  bool handsExplained = false;
};

Program& TheProgram() {
  static Program program;
  return program;
}

// A tab is closed, not quit: the settings are written after every command, as the desktop writes them at
// its end, and a store that refuses them is reported at quit as there.
void KeepSettings() {
  Context& c = TheProgram().context;
  WriteSettings(c, c.services.Settings());
}

// The page's ids are the table's; anything else is no control.
bool IsControl(int id) { return id >= 0 && id < kControlCount; }

void Hand(int event, int a, int b) {
  Program& p = TheProgram();
  HandSteps steps;
  switch (static_cast<page::HandEvent>(event)) {
    case page::HandEvent::Press: p.hands.Press(a, b); break;
    case page::HandEvent::Move: steps = p.hands.Move(a, b); break;
    case page::HandEvent::Release: p.hands.Release(); break;
    case page::HandEvent::Wheel: steps = p.hands.Wheel(a); break;
    case page::HandEvent::Pinch: steps = p.hands.Pinch(a); break;
    case page::HandEvent::PinchEnd: p.hands.PinchEnd(); break;
  }
  RunHandSteps(p.context, MainDispatchTables(), steps, p.handsExplained);
}

}  // namespace

int main() {
  page::Connect({
      .start = [] { StartUp(TheProgram().context); },
      .key_down =
          [](int key, int shift) {
            KeyDown(TheProgram().context, MainDispatchTables(), static_cast<int16_t>(key),
                    static_cast<int16_t>(shift));
            KeepSettings();
          },
      .control =
          [](int id) {
            if (!IsControl(id)) return;
            const int button = id - static_cast<int>(Control::command1_0);
            if (button >= 0 && button < kPictureButtonCount)
              PictureButtonClick(TheProgram().context, MainDispatchTables(),
                                 static_cast<PictureButton>(button));
            else
              Click(TheProgram().context, MainDispatchTables(), static_cast<Control>(id));
            KeepSettings();
          },
      .timer =
          [](int id) { TimerTick(TheProgram().context, MainDispatchTables(), static_cast<Control>(id)); },
      .hand = Hand,
      // A dropped file opens as a chosen one does: the same question first when the figure has changes.
      .drop =
          [] {
            LoadFigure(TheProgram().context);
            KeepSettings();
          },
  });
}

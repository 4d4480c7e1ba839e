// The browser front-end: the four ports over the page, and the core started as on the desktop.
#include <cstdint>

#include "core/construction/dispatch.h"
#include "core/figure/app_state.h"
#include "core/shell/startup.h"
#include "core/shell/status_bar.h"
#include "web/front/page_canvas.h"
#include "web/front/page_controls.h"
#include "web/front/page_dialogs.h"
#include "web/front/page_services.h"
#include "web/glue/page.h"

namespace {

struct Program {
  AppState state;
  PageCanvas canvas;
  PageControls controls{canvas};
  PageDialogs dialogs;
  PageServices services;
  WatchmanState watchman;
  Context context{state, canvas, controls, dialogs, services, watchman};
};

Program& TheProgram() {
  static Program program;
  return program;
}

}  // namespace

int main() {
  page::Connect({
      .start = [] { StartUp(TheProgram().context); },
      .key_down =
          [](int key, int shift) {
            KeyDown(TheProgram().context, MainDispatchTables(), static_cast<int16_t>(key),
                    static_cast<int16_t>(shift));
          },
      .control = [](int id) { Click(TheProgram().context, MainDispatchTables(), static_cast<Control>(id)); },
      .timer =
          [](int id) { TimerTick(TheProgram().context, MainDispatchTables(), static_cast<Control>(id)); },
  });
}

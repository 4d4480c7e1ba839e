// The browser front-end: the four ports over the page, and the core started as on the desktop.
#include <cstdint>

#include "core/construction/dispatch.h"
#include "core/figure/app_state.h"
#include "core/figure/load_save.h"
#include "core/settings/other_options.h"
#include "core/shell/startup.h"
#include "core/shell/status_bar.h"
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
  PageDialogs dialogs{services.FileSystem(), services.Settings(),
                      [](const OtherOptionValues& v) { ApplyOtherOptions(TheProgram().context, v); }};
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
      // A dropped file opens as a chosen one does: the same question first when the figure has changes.
      .drop = [] { LoadFigure(TheProgram().context); },
  });
}

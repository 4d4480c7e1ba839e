// The rows that bind the doors of the main window to the operations.
#include <array>

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "settings/data_path.h"
#include "settings/operation_settings.h"
#include "shell/about.h"
#include "shell/status_bar.h"
#include "shell/window.h"
#include "shell/window_layout.h"

namespace {
// Until the quit question exists, every way out stores the settings and ends the program.
void EndNow(Context& c) {
  StoreSettings(c, c.window.Settings());
  c.window.EndProgram();
}

constexpr std::array<MenuRow, 13> kMenuRows{{
    {"mnuFin", EndNow},
    {"mnuBeginner", [](Context& c) { SetLevel(c, 0); }},
    {"mnuMidClass", [](Context& c) { SetLevel(c, 1); }},
    {"mnuSenior", [](Context& c) { SetLevel(c, 2); }},
    {"mnuOtherOption", [](Context& c) { c.window.OpenOtherOptions(); }},
    {"mnuDrawEnabled", ToggleDrawPermission},
    {"mnuSaveEnabled", ToggleSavePermission},
    {"mnuDataPath", ChangeDataFolder},
    {"mnuNormalSize", [](Context& c) { ApplyScreenLayout(c, 0); }},
    {"mnuExpansion1", [](Context& c) { ApplyScreenLayout(c, 1); }},
    {"mnuExpansion2", [](Context& c) { ApplyScreenLayout(c, 2); }},
    {"mnuHelpCall", [](Context& c) { OpenHelp(c.window); }},
    {"mnuShowVersion", [](Context& c) { ShowAbout(kAboutVersionBox, c.window); }},
}};

constexpr std::array<ToolbarRow, 1> kToolbarRows{{
    {"cmdFin", EndNow},
}};

constexpr std::array<TimerRow, 2> kTimerRows{{
    {"Watchman", [](Context& c) { WatchmanTick(c.state, c.watchman, c.window); }},
    {"WatchExplanation", [](Context& c) { ExplanationResetTick(c.window); }},
}};

const DispatchTables kTables{kMenuRows, kToolbarRows, {}, {}, {}, kTimerRows, EndNow};
}  // namespace

const DispatchTables& MainDispatchTables() { return kTables; }

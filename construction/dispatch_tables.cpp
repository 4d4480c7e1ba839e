// The rows that bind the doors of the main window to the operations.
#include <array>

#include "construction/dispatch.h"
#include "construction/draw_mode.h"
#include "construction/line_editing.h"
#include "construction/virtual_keys.h"
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

constexpr std::array<MenuRow, 14> kMenuRows{{
    {"mnuFin", EndNow},
    {"mnuDraw", ToggleDrawMode},
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

constexpr std::array<ToolbarRow, 2> kToolbarRows{{
    {"cmdFin", EndNow},
    {"cmdDrawFig", ToggleDrawMode},
}};

// Drawing: the pointer steps (+ on the left, - on the right), take back, enter, origin.
constexpr std::array<PictureRow, 9> kPictureRows{{
    {4, [](Context& c) { StepAlongAxis(c, Axis::X, 0); }},
    {5, [](Context& c) { StepAlongAxis(c, Axis::X, 1); }},
    {6, [](Context& c) { StepAlongAxis(c, Axis::Y, 0); }},
    {7, [](Context& c) { StepAlongAxis(c, Axis::Y, 1); }},
    {8, [](Context& c) { StepAlongAxis(c, Axis::Z, 0); }},
    {9, [](Context& c) { StepAlongAxis(c, Axis::Z, 1); }},
    {10, TakeBack},
    {11, [](Context& c) { EnterPoint(c, 0); }},
    {12, PointerToOrigin},
}};

// A key row that runs the same for every modifier state.
constexpr KeyRow AnyShift(int16_t key, KeyOperation run) { return {key, run, run, run}; }

constexpr std::array<KeyRow, 1> kGeneralKeyRows{{
    AnyShift(kVkF1 + 7, [](Context& c, int16_t) { ToggleDrawMode(c); }),  // F8
}};

constexpr std::array<KeyRow, 6> kDrawModeKeyRows{{
    AnyShift('X', [](Context& c, int16_t shift) { StepAlongAxis(c, Axis::X, shift); }),
    AnyShift('Y', [](Context& c, int16_t shift) { StepAlongAxis(c, Axis::Y, shift); }),
    AnyShift('Z', [](Context& c, int16_t shift) { StepAlongAxis(c, Axis::Z, shift); }),
    AnyShift('O', [](Context& c, int16_t) { PointerToOrigin(c); }),
    AnyShift(kVkReturn, EnterPoint),
    AnyShift(kVkBack, [](Context& c, int16_t) { TakeBack(c); }),
}};

constexpr std::array<TimerRow, 2> kTimerRows{{
    {"Watchman", [](Context& c) { WatchmanTick(c.state, c.watchman, c.window); }},
    {"WatchExplanation", [](Context& c) { ExplanationResetTick(c.window); }},
}};

const DispatchTables kTables{kMenuRows,        kToolbarRows, kPictureRows, kGeneralKeyRows,
                             kDrawModeKeyRows, kTimerRows,   EndNow};
}  // namespace

const DispatchTables& MainDispatchTables() { return kTables; }

// The rows that bind the doors of the main window to the operations.
#include <array>

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "figure/load_save.h"
#include "settings/data_path.h"
#include "settings/operation_settings.h"
#include "shell/about.h"
#include "shell/clipboard_copy.h"
#include "shell/quit.h"
#include "shell/status_bar.h"
#include "shell/window.h"
#include "shell/window_layout.h"

namespace {
constexpr std::array<MenuRow, 16> kMenuRows{{
    {"mnuFileSave", SaveFigure},
    {"mnuFin", Quit},
    {"mnuColorCopy", CopyPictureInColour},
    {"mnuMonoCopy", CopyPictureInMonochrome},
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
    {"cmdFin", Quit},
    {"cmdFigSave", SaveFigure},
}};

constexpr std::array<TimerRow, 2> kTimerRows{{
    {"Watchman", [](Context& c) { WatchmanTick(c.state, c.watchman, c.window); }},
    {"WatchExplanation", [](Context& c) { ExplanationResetTick(c.window); }},
}};

const DispatchTables kTables{kMenuRows, kToolbarRows, {}, {}, {}, kTimerRows, Quit};
}  // namespace

const DispatchTables& MainDispatchTables() { return kTables; }

// The rows that bind the doors of the main window to the operations.
#include <array>

#include "construction/dispatch.h"
#include "construction/draw_mode.h"
#include "construction/line_editing.h"
#include "construction/virtual_keys.h"
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
#include "view/rotation.h"
#include "view/third_angle.h"
#include "view/view_commands.h"

namespace {
// The four presets glide when chosen from a menu, the toolbar or a plain key; Shift jumps.
template <ViewAngles view>
void Glide(Context& c) {
  GoToView(c, view.h, view.v);
}
template <ViewAngles view>
void GlideKey(Context& c, int16_t) {
  GoToView(c, view.h, view.v);
}
template <ViewAngles view>
void JumpKey(Context& c, int16_t) {
  SetView(c, view.h, view.v);
}
// A key operation that ignores the modifier state.
template <Operation op>
void Unshifted(Context& c, int16_t) {
  op(c);
}
// A key row that runs the same for every modifier state.
constexpr KeyRow AnyShift(int16_t key, KeyOperation run) { return {key, run, run, run}; }

template <Axis axis>
void StepKey(Context& c, int16_t shift) {
  StepAlongAxis(c, axis, shift);
}
template <Axis axis, int16_t shift>
void StepButton(Context& c) {
  StepAlongAxis(c, axis, shift);
}

constexpr std::array<MenuRow, 25> kMenuRows{{
    {"mnuFileLoad", LoadFigure},
    {"mnuFileSave", SaveFigure},
    {"mnuFin", Quit},
    {"mnuNewFig", NewFigure},
    {"mnuColorCopy", CopyPictureInColour},
    {"mnuMonoCopy", CopyPictureInMonochrome},
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
    {"mnuFrontView", Glide<kFrontView>},
    {"mnuTopView", Glide<kTopView>},
    {"mnuSideView", Glide<kSideView>},
    {"mnuEqualAngleView", Glide<kIsometricView>},
    {"mnuThirdAngleProjectionMethod", ToggleThirdAngle},
    {"mnuContinuousTurn", StartTurning},
}};

constexpr std::array<ToolbarRow, 14> kToolbarRows{{
    {"cmdFin", Quit},
    {"cmdFigLoad", LoadFigure},
    {"cmdFigSave", SaveFigure},
    {"cmdNewFig", NewFigure},
    {"cmdDrawFig", ToggleDrawMode},
    {"cmdMagnify", Magnify},
    {"cmdReduce", Reduce},
    {"cmdContinuousTurn", StartTurning},
    {"cmdESC", StopTurning},
    {"cmdFrontView", Glide<kFrontView>},
    {"cmdTopView", Glide<kTopView>},
    {"cmdSideView", Glide<kSideView>},
    {"cmdEqualAngleView", Glide<kIsometricView>},
    {"cmdThirdAngleProjectionMethod", ToggleThirdAngle},
}};

// Buttons 1 and 2 are crossed with respect to their arrows: 1 points left and turns like Right.
// Drawing: the pointer steps (+ on the left, - on the right), take back, enter, origin.
constexpr std::array<PictureRow, 13> kPictureRows{{
    {0, VerticalAngleUp},
    {1, HorizontalAngleUp},
    {2, HorizontalAngleDown},
    {3, VerticalAngleDown},
    {4, StepButton<Axis::X, 0>},
    {5, StepButton<Axis::X, 1>},
    {6, StepButton<Axis::Y, 0>},
    {7, StepButton<Axis::Y, 1>},
    {8, StepButton<Axis::Z, 0>},
    {9, StepButton<Axis::Z, 1>},
    {10, TakeBack},
    {11, [](Context& c) { EnterPoint(c, 0); }},
    {12, PointerToOrigin},
}};

constexpr std::array<KeyRow, 13> kGeneralKeyRows{{
    {kVkF2, Unshifted<Magnify>, Unshifted<Reduce>, nullptr},
    {kVkF3, GlideKey<kFrontView>, JumpKey<kFrontView>, nullptr},
    {kVkF4, GlideKey<kTopView>, JumpKey<kTopView>, nullptr},
    {kVkF5, GlideKey<kSideView>, JumpKey<kSideView>, nullptr},
    {kVkF6, GlideKey<kIsometricView>, JumpKey<kIsometricView>, nullptr},
    AnyShift(kVkF7, Unshifted<ToggleThirdAngle>),
    AnyShift(kVkF8, Unshifted<ToggleDrawMode>),
    AnyShift(kVkUp, Unshifted<VerticalAngleUp>),
    AnyShift(kVkDown, Unshifted<VerticalAngleDown>),
    AnyShift(kVkRight, Unshifted<HorizontalAngleUp>),
    AnyShift(kVkLeft, Unshifted<HorizontalAngleDown>),
    AnyShift(kVkSpace, Unshifted<StartTurning>),
    {kVkEscape, Unshifted<StopTurning>, QuitThenStopTurning, Unshifted<StopTurning>},
}};

constexpr std::array<KeyRow, 6> kDrawModeKeyRows{{
    AnyShift('X', StepKey<Axis::X>),
    AnyShift('Y', StepKey<Axis::Y>),
    AnyShift('Z', StepKey<Axis::Z>),
    AnyShift('O', Unshifted<PointerToOrigin>),
    AnyShift(kVkReturn, EnterPoint),
    AnyShift(kVkBack, Unshifted<TakeBack>),
}};

constexpr std::array<TimerRow, 3> kTimerRows{{
    {"Watchman", [](Context& c) { WatchmanTick(c.state, c.watchman, c.window); }},
    {"WatchExplanation", [](Context& c) { ExplanationResetTick(c.window); }},
    {"TurningTimer", TurnTick},
}};

const DispatchTables kTables{kMenuRows,        kToolbarRows, kPictureRows, kGeneralKeyRows,
                             kDrawModeKeyRows, kTimerRows,   Quit};
}  // namespace

const DispatchTables& MainDispatchTables() { return kTables; }

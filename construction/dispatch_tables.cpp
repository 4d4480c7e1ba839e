// The rows that bind the doors of the main window to the operations.
#include <array>

#include "construction/dispatch.h"
#include "construction/virtual_keys.h"
#include "figure/app_state.h"
#include "settings/data_path.h"
#include "settings/operation_settings.h"
#include "shell/about.h"
#include "shell/status_bar.h"
#include "shell/window.h"
#include "shell/window_layout.h"
#include "view/rotation.h"
#include "view/third_angle.h"
#include "view/view_commands.h"

namespace {
// Until the quit question exists, every way out stores the settings and ends the program.
void EndNow(Context& c) {
  StoreSettings(c, c.window.Settings());
  c.window.EndProgram();
}

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
// A key row that runs an operation whatever the modifier state.
template <Operation op>
void AnyShift(Context& c, int16_t) {
  op(c);
}

constexpr std::array<MenuRow, 19> kMenuRows{{
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
    {"mnuFrontView", Glide<kFrontView>},
    {"mnuTopView", Glide<kTopView>},
    {"mnuSideView", Glide<kSideView>},
    {"mnuEqualAngleView", Glide<kIsometricView>},
    {"mnuThirdAngleProjectionMethod", ToggleThirdAngle},
    {"mnuContinuousTurn", StartTurning},
}};

constexpr std::array<ToolbarRow, 10> kToolbarRows{{
    {"cmdFin", EndNow},
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
constexpr std::array<PictureRow, 4> kPictureRows{{
    {0, VerticalAngleUp},
    {1, HorizontalAngleUp},
    {2, HorizontalAngleDown},
    {3, VerticalAngleDown},
}};

constexpr std::array<KeyRow, 12> kGeneralKeys{{
    {kVkF1 + 1, AnyShift<Magnify>, AnyShift<Reduce>, nullptr},
    {kVkF1 + 2, GlideKey<kFrontView>, JumpKey<kFrontView>, nullptr},
    {kVkF1 + 3, GlideKey<kTopView>, JumpKey<kTopView>, nullptr},
    {kVkF1 + 4, GlideKey<kSideView>, JumpKey<kSideView>, nullptr},
    {kVkF1 + 5, GlideKey<kIsometricView>, JumpKey<kIsometricView>, nullptr},
    {kVkF1 + 6, AnyShift<ToggleThirdAngle>, AnyShift<ToggleThirdAngle>, AnyShift<ToggleThirdAngle>},
    {kVkUp, AnyShift<VerticalAngleUp>, AnyShift<VerticalAngleUp>, AnyShift<VerticalAngleUp>},
    {kVkDown, AnyShift<VerticalAngleDown>, AnyShift<VerticalAngleDown>, AnyShift<VerticalAngleDown>},
    {kVkRight, AnyShift<HorizontalAngleUp>, AnyShift<HorizontalAngleUp>, AnyShift<HorizontalAngleUp>},
    {kVkLeft, AnyShift<HorizontalAngleDown>, AnyShift<HorizontalAngleDown>, AnyShift<HorizontalAngleDown>},
    {kVkSpace, AnyShift<StartTurning>, AnyShift<StartTurning>, AnyShift<StartTurning>},
    // Shift+Esc belongs to quitting.
    {kVkEscape, AnyShift<StopTurning>, nullptr, AnyShift<StopTurning>},
}};

constexpr std::array<TimerRow, 3> kTimerRows{{
    {"Watchman", [](Context& c) { WatchmanTick(c.state, c.watchman, c.window); }},
    {"WatchExplanation", [](Context& c) { ExplanationResetTick(c.window); }},
    {"TurningTimer", TurnTick},
}};

const DispatchTables kTables{kMenuRows, kToolbarRows, kPictureRows, kGeneralKeys, {}, kTimerRows, EndNow};
}  // namespace

const DispatchTables& MainDispatchTables() { return kTables; }

// The rows that bind the doors of the main window to the operations, and the controls' one table.
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
#include "shell/canvas.h"
#include "shell/clipboard_copy.h"
#include "shell/controls_port.h"
#include "shell/dialogs.h"
#include "shell/quit.h"
#include "shell/status_bar.h"
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

using K = ControlKind;
using C = Control;
constexpr ControlRow Menu(C id, const char* name, const char* caption) {
  return {id, nullptr, name, K::TopLevel, caption};
}
constexpr ControlRow Submenu(C id, const char* name, const char* caption, int level) {
  return {id, nullptr, name, K::Submenu, caption, level};
}
constexpr ControlRow Separator(C id, const char* name, int level) {
  return {id, nullptr, name, K::Separator, "", level};
}
constexpr ControlRow Item(C id, const char* name, const char* caption, int level, Operation run,
                          const char* shortcut = "") {
  return {id, run, name, K::Item, caption, level, shortcut};
}
// Ticked or not by the operations; a click alone does not move the mark.
constexpr ControlRow Choice(C id, const char* name, const char* caption, Operation run) {
  return {id, run, name, K::Item, caption, 2, "", true};
}
constexpr ControlRow Key(C id, const char* name, int position, const char* tooltip, Operation run) {
  return {id, run, name, K::ToolbarKey, tooltip, position};
}
constexpr ControlRow Button(C id, const char* name, const char* spoken, Operation run) {
  return {id, run, name, K::PictureButton, spoken};
}
constexpr ControlRow Canvas(C id, const char* name) { return {id, nullptr, name, K::Canvas}; }
constexpr ControlRow Timer(C id, const char* name, Operation run) { return {id, run, name, K::Timer}; }

// The one table of the window's controls, in id order.
constexpr std::array<ControlRow, kControlCount> kControlTable{{
    Menu(C::mnuFile, "mnuFile", "ファイル(&F)"),
    Item(C::mnuFileLoad, "mnuFileLoad", "読込み(&L)", 1, LoadFigure, "Ctrl+L"),
    Item(C::mnuFileSave, "mnuFileSave", "保存", 1, SaveFigure, "Ctrl+S"),
    Separator(C::mnuSep, "mnuSep", 1),
    Item(C::mnuFin, "mnuFin", "終了", 1, Quit),
    Menu(C::mnuEdit, "mnuEdit", "編集(&E)"),
    Item(C::mnuDraw, "mnuDraw", "作図", 1, ToggleDrawMode),
    Item(C::mnuNewFig, "mnuNewFig", "新規図面", 1, NewFigure),
    Separator(C::hifun4, "hifun4", 1),
    Submenu(C::mnuCopy, "mnuCopy", "コピー", 1),
    Item(C::mnuColorCopy, "mnuColorCopy", "カラーでコピー", 2, CopyPictureInColour),
    Item(C::mnuMonoCopy, "mnuMonoCopy", "モノクロでコピー", 2, CopyPictureInMonochrome),
    Menu(C::mnuView, "mnuView", "表示(&V)"),
    Item(C::mnuContinuousTurn, "mnuContinuousTurn", "連続回転表示", 1, StartTurning),
    Separator(C::mnuSep2, "mnuSep2", 1),
    Item(C::mnuFrontView, "mnuFrontView", "正面図", 1, Glide<kFrontView>),
    Item(C::mnuTopView, "mnuTopView", "平面図", 1, Glide<kTopView>),
    Item(C::mnuSideView, "mnuSideView", "右側面図", 1, Glide<kSideView>),
    Item(C::mnuEqualAngleView, "mnuEqualAngleView", "等角図", 1, Glide<kIsometricView>),
    Separator(C::haifun, "haifun", 1),
    Item(C::mnuThirdAngleProjectionMethod, "mnuThirdAngleProjectionMethod", "三角法表示", 1,
         ToggleThirdAngle),
    Menu(C::mnuOption, "mnuOption", "オプション(&O)"),
    Submenu(C::mnuDifficulty, "mnuDifficulty", "操作の難易度", 1),
    Choice(C::mnuBeginner, "mnuBeginner", "初級", [](Context& c) { SetLevel(c, 0); }),
    Choice(C::mnuMidClass, "mnuMidClass", "中級", [](Context& c) { SetLevel(c, 1); }),
    Choice(C::mnuSenior, "mnuSenior", "上級", [](Context& c) { SetLevel(c, 2); }),
    Separator(C::hifun3, "hifun3", 2),
    Item(C::mnuOtherOption, "mnuOtherOption", "さらに細かい設定", 2,
         [](Context& c) { c.dialogs.OpenOtherOptions(); }),
    Separator(C::hifun, "hifun", 1),
    Submenu(C::mnuWiindowSize, "mnuWiindowSize", "画面の大きさ", 1),
    Choice(C::mnuNormalSize, "mnuNormalSize", "ノーマル(640×480)",
           [](Context& c) { ApplyScreenLayout(c, 0); }),
    Choice(C::mnuExpansion1, "mnuExpansion1", "拡張１(800×600)", [](Context& c) { ApplyScreenLayout(c, 1); }),
    Choice(C::mnuExpansion2, "mnuExpansion2", "拡張２(1024×768)",
           [](Context& c) { ApplyScreenLayout(c, 2); }),
    Separator(C::mnuHifun2, "mnuHifun2", 1),
    {C::mnuDrawEnabled, ToggleDrawPermission, "mnuDrawEnabled", K::Item, "作図を許可", 1, "", true},
    {C::mnuSaveEnabled, ToggleSavePermission, "mnuSaveEnabled", K::Item, "データの保存を許可", 1, "", true},
    Separator(C::mnuHiFun, "mnuHiFun", 1),
    Item(C::mnuDataPath, "mnuDataPath", "データの保存場所変更", 1, ChangeDataFolder),
    Menu(C::mnuHelp, "mnuHelp", "ヘルプ(&H)"),
    Item(C::mnuHelpCall, "mnuHelpCall", "ヘルプみー！", 1, [](Context& c) { OpenHelp(c.dialogs); }),
    Item(C::mnuShowVersion, "mnuShowVersion", "バージョン情報", 1,
         [](Context& c) { ShowAbout(kAboutVersionBox, c.controls, c.dialogs, c.services); }),

    // Positions 2, 5, 8, 11 and 14 are separators.
    Key(C::cmdFin, "cmdFin", 1, "立体ヌボロの終了", Quit),
    Key(C::cmdFigLoad, "cmdFigLoad", 3, "図形データの読み込み", LoadFigure),
    Key(C::cmdFigSave, "cmdFigSave", 4, "図形データの保存", SaveFigure),
    Key(C::cmdDrawFig, "cmdDrawFig", 6, "作図モードと通常モードの切り替えボタン", ToggleDrawMode),
    Key(C::cmdNewFig, "cmdNewFig", 7, "今までの図を消して新しい図を描く", NewFigure),
    Key(C::cmdMagnify, "cmdMagnify", 9, "図を大きくする", Magnify),
    Key(C::cmdReduce, "cmdReduce", 10, "図を小さくする", Reduce),
    Key(C::cmdContinuousTurn, "cmdContinuousTurn", 12, "図を回転し続けさせる", StartTurning),
    Key(C::cmdESC, "cmdESC", 13, "回転を止める", StopTurning),
    Key(C::cmdFrontView, "cmdFrontView", 15, "正面図を表示", Glide<kFrontView>),
    Key(C::cmdTopView, "cmdTopView", 16, "平面図を表示", Glide<kTopView>),
    Key(C::cmdSideView, "cmdSideView", 17, "右側面図を表示", Glide<kSideView>),
    Key(C::cmdEqualAngleView, "cmdEqualAngleView", 18, "等角図を表示", Glide<kIsometricView>),
    Key(C::cmdThirdAngleProjectionMethod, "cmdThirdAngleProjectionMethod", 19, "三角法で図形を表示します。",
        ToggleThirdAngle),

    // The buttons show only icons, so screen readers speak these names.
    // Drawing: the pointer steps (+ on the left, - on the right), take back, enter, origin.
    Button(C::command1_0, "command1(0)", "縦の角度を＋5°", VerticalAngleUp),
    Button(C::command1_1, "command1(1)", "横の角度を＋5°", HorizontalAngleUp),
    Button(C::command1_2, "command1(2)", "横の角度を－5°", HorizontalAngleDown),
    Button(C::command1_3, "command1(3)", "縦の角度を－5°", VerticalAngleDown),
    Button(C::command1_4, "command1(4)", "ポインタを＋Ｘへ", StepButton<Axis::X, 0>),
    Button(C::command1_5, "command1(5)", "ポインタを－Ｘへ", StepButton<Axis::X, 1>),
    Button(C::command1_6, "command1(6)", "ポインタを＋Ｙへ", StepButton<Axis::Y, 0>),
    Button(C::command1_7, "command1(7)", "ポインタを－Ｙへ", StepButton<Axis::Y, 1>),
    Button(C::command1_8, "command1(8)", "ポインタを＋Ｚへ", StepButton<Axis::Z, 0>),
    Button(C::command1_9, "command1(9)", "ポインタを－Ｚへ", StepButton<Axis::Z, 1>),
    Button(C::command1_10, "command1(10)", "取り消し", TakeBack),
    Button(C::command1_11, "command1(11)", "点を決める", [](Context& c) { EnterPoint(c, 0); }),
    Button(C::command1_12, "command1(12)", "ポインタを原点へ", PointerToOrigin),

    Canvas(C::picFigBox, "picFigBox"),
    Canvas(C::picbkgFigBox, "picbkgFigBox"),
    Canvas(C::picFrontView, "picFrontView"),
    Canvas(C::picTopVIew, "picTopVIew"),
    Canvas(C::picSideView, "picSideView"),
    Canvas(C::picSecondaryTools, "picSecondaryTools"),

    Timer(C::TurningTimer, "TurningTimer", TurnTick),
    Timer(C::Watchman, "Watchman",
          [](Context& c) { WatchmanTick(c.state, c.watchman, c.controls, c.dialogs); }),
    Timer(C::WatchExplanation, "WatchExplanation", [](Context& c) { ExplanationResetTick(c.controls); }),
}};

constexpr bool InIdOrder() {
  for (size_t i = 0; i < kControlTable.size(); ++i) {
    if (kControlTable[i].id != static_cast<Control>(i)) return false;
  }
  return true;
}
static_assert(InIdOrder(), "RowOf indexes the table by id");

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

const DispatchTables kTables{kControlTable, kGeneralKeyRows, kDrawModeKeyRows, Quit};
}  // namespace

const DispatchTables& MainDispatchTables() { return kTables; }

std::span<const ControlRow> ControlTable() { return kControlTable; }

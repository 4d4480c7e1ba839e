// The main window's controls as typed ids: menu items, toolbar keys, picture buttons, canvases, timers.
#pragma once

#include <cstdint>
#include <span>

struct Context;
using Operation = void (*)(Context&);

// Named as the window's design names them; the order is the menu tree's, then the toolbar's from the
// left, then the picture buttons by index.
// clang-format off
enum class Control : uint8_t {
  mnuFile, mnuFileLoad, mnuFileSave, mnuSep, mnuFin,
  mnuEdit, mnuDraw, mnuNewFig, hifun4, mnuCopy, mnuColorCopy, mnuMonoCopy,
  mnuView, mnuContinuousTurn, mnuSep2, mnuFrontView, mnuTopView, mnuSideView, mnuEqualAngleView, haifun,
  mnuThirdAngleProjectionMethod,
  mnuOption, mnuDifficulty, mnuBeginner, mnuMidClass, mnuSenior, hifun3, mnuOtherOption, hifun,
  mnuWiindowSize, mnuNormalSize, mnuExpansion1, mnuExpansion2, mnuHifun2, mnuDrawEnabled, mnuSaveEnabled,
  mnuHiFun, mnuDataPath,
  mnuHelp, mnuHelpCall, mnuShowVersion,

  cmdFin, cmdFigLoad, cmdFigSave, cmdDrawFig, cmdNewFig, cmdMagnify, cmdReduce, cmdContinuousTurn, cmdESC,
  cmdFrontView, cmdTopView, cmdSideView, cmdEqualAngleView, cmdThirdAngleProjectionMethod,

  command1_0, command1_1, command1_2, command1_3, command1_4, command1_5, command1_6, command1_7,
  command1_8, command1_9, command1_10, command1_11, command1_12,

  picFigBox, picbkgFigBox, picFrontView, picTopVIew, picSideView, picSecondaryTools,

  TurningTimer, Watchman, WatchExplanation,
};
// clang-format on
inline constexpr int kControlCount = static_cast<int>(Control::WatchExplanation) + 1;

// The control array command1, by index. Buttons 1 and 2 are crossed with respect to their arrows.
// clang-format off
enum class PictureButton : int16_t {
  VerticalUp, HorizontalUp, HorizontalDown, VerticalDown,
  XPlus, XMinus, YPlus, YMinus, ZPlus, ZMinus,
  TakeBack, Enter, Origin,
};
// clang-format on
inline constexpr int kPictureButtonCount = 13;

constexpr Control Command1(PictureButton b) {
  return static_cast<Control>(static_cast<int>(Control::command1_0) + static_cast<int>(b));
}
constexpr Control Command1(int index) { return Command1(static_cast<PictureButton>(index)); }

enum class ControlKind : uint8_t {
  TopLevel,
  Item,
  Submenu,
  Separator,
  ToolbarKey,
  PictureButton,
  Canvas,
  Timer
};

struct ControlRow {
  Control id;
  Operation run = nullptr;
  const char* name = "";  // the design name: object name and icon
  ControlKind kind = ControlKind::Item;
  // Menus: with "&" before the access letter. Toolbar keys and picture buttons show icons only: their
  // tooltip or spoken name.
  const char* caption = "";
  int place = 0;  // menus: 0 the bar, 1 below it, 2 in a submenu; toolbar: position 1..19 from the left
  const char* shortcut = "";  // "Ctrl+L"
  bool checkable = false;
};

// Every control in id order, with what it runs in the program.
std::span<const ControlRow> ControlTable();
inline const ControlRow& RowOf(Control id) { return ControlTable()[static_cast<size_t>(id)]; }
inline const char* ControlName(Control id) { return RowOf(id).name; }

inline constexpr int kToolbarPositions = 19;

// Icon size of a picture button in pixels: the two big ones are 48, the rest 32.
constexpr int PictureButtonIconSize(PictureButton b) {
  return b == PictureButton::Enter || b == PictureButton::Origin ? 48 : 32;
}

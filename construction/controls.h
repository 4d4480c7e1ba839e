// The main window's controls as data: the menu tree, the toolbar positions and the picture buttons.
#pragma once

#include <array>
#include <cstdint>

enum class MenuKind { TopLevel, Item, Submenu, Separator };

struct MenuEntry {
  const char* name;
  const char* caption;  // with "&" before the access letter
  int level;            // 0 for the menu bar itself, 1 below it, 2 in a submenu
  MenuKind kind;
  const char* shortcut = "";  // "Ctrl+L"
  bool checkable = false;
};

inline constexpr std::array<MenuEntry, 41> kMenuTree{{
    {"mnuFile", "ファイル(&F)", 0, MenuKind::TopLevel},
    {"mnuFileLoad", "読込み(&L)", 1, MenuKind::Item, "Ctrl+L"},
    {"mnuFileSave", "保存", 1, MenuKind::Item, "Ctrl+S"},
    {"mnuSep", "", 1, MenuKind::Separator},
    {"mnuFin", "終了", 1, MenuKind::Item},
    {"mnuEdit", "編集(&E)", 0, MenuKind::TopLevel},
    {"mnuDraw", "作図", 1, MenuKind::Item},
    {"mnuNewFig", "新規図面", 1, MenuKind::Item},
    {"hifun4", "", 1, MenuKind::Separator},
    {"mnuCopy", "コピー", 1, MenuKind::Submenu},
    {"mnuColorCopy", "カラーでコピー", 2, MenuKind::Item},
    {"mnuMonoCopy", "モノクロでコピー", 2, MenuKind::Item},
    {"mnuView", "表示(&V)", 0, MenuKind::TopLevel},
    {"mnuContinuousTurn", "連続回転表示", 1, MenuKind::Item},
    {"mnuSep2", "", 1, MenuKind::Separator},
    {"mnuFrontView", "正面図", 1, MenuKind::Item},
    {"mnuTopView", "平面図", 1, MenuKind::Item},
    {"mnuSideView", "右側面図", 1, MenuKind::Item},
    {"mnuEqualAngleView", "等角図", 1, MenuKind::Item},
    {"haifun", "", 1, MenuKind::Separator},
    {"mnuThirdAngleProjectionMethod", "三角法表示", 1, MenuKind::Item},
    {"mnuOption", "オプション(&O)", 0, MenuKind::TopLevel},
    {"mnuDifficulty", "操作の難易度", 1, MenuKind::Submenu},
    {"mnuBeginner", "初級", 2, MenuKind::Item, "", true},
    {"mnuMidClass", "中級", 2, MenuKind::Item, "", true},
    {"mnuSenior", "上級", 2, MenuKind::Item, "", true},
    {"hifun3", "", 2, MenuKind::Separator},
    {"mnuOtherOption", "さらに細かい設定", 2, MenuKind::Item},
    {"hifun", "", 1, MenuKind::Separator},
    {"mnuWiindowSize", "画面の大きさ", 1, MenuKind::Submenu},
    {"mnuNormalSize", "ノーマル(640×480)", 2, MenuKind::Item, "", true},
    {"mnuExpansion1", "拡張１(800×600)", 2, MenuKind::Item, "", true},
    {"mnuExpansion2", "拡張２(1024×768)", 2, MenuKind::Item, "", true},
    {"mnuHifun2", "", 1, MenuKind::Separator},
    {"mnuDrawEnabled", "作図を許可", 1, MenuKind::Item, "", true},
    {"mnuSaveEnabled", "データの保存を許可", 1, MenuKind::Item, "", true},
    {"mnuHiFun", "", 1, MenuKind::Separator},
    {"mnuDataPath", "データの保存場所変更", 1, MenuKind::Item},
    {"mnuHelp", "ヘルプ(&H)", 0, MenuKind::TopLevel},
    {"mnuHelpCall", "ヘルプみー！", 1, MenuKind::Item},
    {"mnuShowVersion", "バージョン情報", 1, MenuKind::Item},
}};

// Toolbar positions 1..19 from the left, separators counted; a separator has no key.
struct ToolbarEntry {
  const char* key;
  const char* tooltip;
};

inline constexpr std::array<ToolbarEntry, 19> kToolbar{{
    {"cmdFin", "立体ヌボロの終了"},
    {nullptr, nullptr},
    {"cmdFigLoad", "図形データの読み込み"},
    {"cmdFigSave", "図形データの保存"},
    {nullptr, nullptr},
    {"cmdDrawFig", "作図モードと通常モードの切り替えボタン"},
    {"cmdNewFig", "今までの図を消して新しい図を描く"},
    {nullptr, nullptr},
    {"cmdMagnify", "図を大きくする"},
    {"cmdReduce", "図を小さくする"},
    {nullptr, nullptr},
    {"cmdContinuousTurn", "図を回転し続けさせる"},
    {"cmdESC", "回転を止める"},
    {nullptr, nullptr},
    {"cmdFrontView", "正面図を表示"},
    {"cmdTopView", "平面図を表示"},
    {"cmdSideView", "右側面図を表示"},
    {"cmdEqualAngleView", "等角図を表示"},
    {"cmdThirdAngleProjectionMethod", "三角法で図形を表示します。"},
}};

inline constexpr int kPictureButtonCount = 13;

// What each picture button does, in words: the buttons show only icons, so screen readers speak these.
inline constexpr std::array<const char*, kPictureButtonCount> kPictureButtonNames{{
    "縦の角度を＋5°",
    "横の角度を＋5°",
    "横の角度を－5°",
    "縦の角度を－5°",
    "ポインタを＋Ｘへ",
    "ポインタを－Ｘへ",
    "ポインタを＋Ｙへ",
    "ポインタを－Ｙへ",
    "ポインタを＋Ｚへ",
    "ポインタを－Ｚへ",
    "取り消し",
    "点を決める",
    "ポインタを原点へ",
}};

// Icon size of picture button `index` in pixels: the two big ones are 48, the rest 32.
constexpr int PictureButtonIconSize(int index) { return index == 11 || index == 12 ? 48 : 32; }

// Levels and permissions live in the menu check marks; the store keeps them as plain texts.
#include "settings/operation_settings.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "figure/text.h"
#include "settings/settings_store.h"
#include "shell/controls_port.h"
#include "shell/dialogs.h"
#include "shell/window_layout.h"

namespace {
constexpr Control kDrawControls[] = {Control::cmdDrawFig, Control::mnuDraw, Control::mnuDifficulty};
constexpr Control kSaveControls[] = {Control::cmdFigSave, Control::mnuFileSave};

template <size_t N>
void SetPermission(Controls& w, Control item, const Control (&controls)[N], bool on) {
  w.SetChecked(item, on);
  for (Control c : controls) w.SetEnabled(c, on);
}

void TickLevel(Context& c, int level) {
  for (int i = 0; i < 3; ++i) c.controls.SetChecked(kDifficultyLevels[i].menuItem, i == level);
  c.state.mintMaxSize = kDifficultyLevels[level].maxSize;
  c.state.mintUnitLength = kDifficultyLevels[level].unitLength;
}

// The index of the ticked item of a group of three, the last one when none of the first two is.
int TickedOfThree(const Controls& w, Control first, Control second) {
  return w.IsChecked(first) ? 0 : w.IsChecked(second) ? 1 : 2;
}

std::optional<std::u16string> Stored(SettingsStore& store, std::u16string_view key) {
  return store.Read(std::u16string(kSettingsSection), std::u16string(key));
}

// The text's ASCII letters in lower case; nothing when it holds anything past ASCII.
std::optional<std::string> LowerAscii(std::u16string_view text) {
  std::string out;
  for (const char16_t ch : text) {
    if (ch >= 0x80) return std::nullopt;
    out += static_cast<char>(ch >= u'A' && ch <= u'Z' ? ch - u'A' + u'a' : ch);
  }
  return out;
}

// A stored number 0..2; a text that is no 16-bit number counts as absent and takes the default 0.
std::optional<int> StoredChoice(SettingsStore& store, std::u16string_view key) {
  const std::optional<std::u16string> text = Stored(store, key);
  const std::optional<long long> n = text ? StoredNumber(*text) : std::nullopt;
  if (!n || *n < INT16_MIN || *n > INT16_MAX) return 0;
  if (*n < 0 || *n > 2) return std::nullopt;
  return static_cast<int>(*n);
}

bool StoredFlag(SettingsStore& store, std::u16string_view key) {
  const std::optional<std::u16string> text = Stored(store, key);
  return text ? StoredBoolean(*text).value_or(true) : true;
}
}  // namespace

std::optional<long long> StoredNumber(std::u16string_view text) {
  // Digits past ASCII make no number, as the stored texts are read everywhere.
  const std::optional<std::string> ascii = LowerAscii(Trimmed(text));
  if (!ascii) return std::nullopt;
  const char* first = ascii->data();
  const char* last = first + ascii->size();
  if (first != last && *first == '+' && last - first > 1 && first[1] != '-') ++first;
  long long n = 0;
  const auto [end, ec] = std::from_chars(first, last, n);
  if (ec != std::errc() || end != last || first == last) return std::nullopt;
  return n;
}

std::optional<bool> StoredBoolean(std::u16string_view text) {
  const std::optional<std::string> t = LowerAscii(Trimmed(text));
  if (t == "true") return true;
  if (t == "false") return false;
  if (const auto n = StoredNumber(text)) return *n != 0;
  return std::nullopt;
}

std::optional<int> TickedLevel(Context& c) {
  for (int i = 0; i < 3; ++i) {
    if (c.controls.IsChecked(kDifficultyLevels[i].menuItem)) return i;
  }
  return std::nullopt;
}

void SetLevel(Context& c, int level) {
  if (level < 0 || level > 2 || c.controls.IsChecked(kDifficultyLevels[level].menuItem)) return;
  TickLevel(c, level);
}

void ToggleDrawPermission(Context& c) {
  SetPermission(c.controls, Control::mnuDrawEnabled, kDrawControls,
                !c.controls.IsChecked(Control::mnuDrawEnabled));
}

void ToggleSavePermission(Context& c) {
  SetPermission(c.controls, Control::mnuSaveEnabled, kSaveControls,
                !c.controls.IsChecked(Control::mnuSaveEnabled));
}

void ReadSettings(Context& c, SettingsStore& store) {
  if (const auto level = StoredChoice(store, u"Difficulty")) TickLevel(c, *level);
  if (const auto size = StoredChoice(store, u"ScreenSize"))
    ApplyScreenLayout(c, FittingScreenSize(static_cast<int16_t>(*size), c.controls.ScreenSize()));
  SetPermission(c.controls, Control::mnuDrawEnabled, kDrawControls, StoredFlag(store, u"DrawEnabled"));
  SetPermission(c.controls, Control::mnuSaveEnabled, kSaveControls, StoredFlag(store, u"SaveEnabled"));
  // An empty folder would send the file dialogs wherever the process happens to be.
  const std::u16string dataPath = Stored(store, u"DataPath").value_or(std::u16string());
  c.state.mstrDataPath = Trimmed(dataPath).empty() ? u"./data" : dataPath;
}

void WriteSettings(Context& c, SettingsStore& store) {
  const std::u16string section(kSettingsSection);
  const auto flag = [&](Control item) {
    return std::u16string(c.controls.IsChecked(item) ? u"True" : u"False");
  };
  store.Write(section, u"Difficulty",
              NumberText(TickedOfThree(c.controls, Control::mnuBeginner, Control::mnuMidClass)));
  store.Write(section, u"ScreenSize",
              NumberText(TickedOfThree(c.controls, Control::mnuNormalSize, Control::mnuExpansion1)));
  store.Write(section, u"DrawEnabled", flag(Control::mnuDrawEnabled));
  store.Write(section, u"SaveEnabled", flag(Control::mnuSaveEnabled));
  store.Write(section, u"DataPath", c.state.mstrDataPath);
}

void StoreSettings(Context& c, SettingsStore& store) {
  WriteSettings(c, store);
  // The program ends right after this; settings lost without a word would surprise the teacher next time.
  if (!store.Sync())
    c.dialogs.ShowMessage({u"設定を保存できませんでした。\n保存先: " + store.Location(), u"エラー",
                           MessageButtons::Ok, MessageIcon::Exclamation});
}

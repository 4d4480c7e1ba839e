// Levels and permissions live in the menu check marks; the store keeps them as plain texts.
#include "settings/operation_settings.h"

#include <cstdint>

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "settings/settings_store.h"
#include "shell/controls_port.h"
#include "shell/dialogs.h"
#include "shell/window_layout.h"

namespace {
constexpr Control kDrawControls[] = {Control::cmdDrawFig, Control::mnuDraw, Control::mnuDifficulty};
constexpr Control kSaveControls[] = {Control::cmdFigSave, Control::mnuFileSave};

QString Name(const char* n) { return QString::fromLatin1(n); }

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

std::optional<QString> Stored(SettingsStore& store, const char* key) {
  return store.Read(Name(kSettingsSection), Name(key));
}

// A stored number 0..2; a text that is no 16-bit number counts as absent and takes the default 0.
std::optional<int> StoredChoice(SettingsStore& store, const char* key) {
  const std::optional<QString> text = Stored(store, key);
  const std::optional<long long> n = text ? StoredNumber(*text) : std::nullopt;
  if (!n || *n < INT16_MIN || *n > INT16_MAX) return 0;
  if (*n < 0 || *n > 2) return std::nullopt;
  return static_cast<int>(*n);
}

bool StoredFlag(SettingsStore& store, const char* key) {
  const std::optional<QString> text = Stored(store, key);
  return text ? StoredBoolean(*text).value_or(true) : true;
}
}  // namespace

std::optional<long long> StoredNumber(const QString& text) {
  bool ok = false;
  const long long n = text.trimmed().toLongLong(&ok);
  return ok ? std::optional<long long>(n) : std::nullopt;
}

std::optional<bool> StoredBoolean(const QString& text) {
  const QString t = text.trimmed();
  if (t.compare(u"True", Qt::CaseInsensitive) == 0) return true;
  if (t.compare(u"False", Qt::CaseInsensitive) == 0) return false;
  if (const auto n = StoredNumber(t)) return *n != 0;
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
  if (const auto level = StoredChoice(store, "Difficulty")) TickLevel(c, *level);
  if (const auto size = StoredChoice(store, "ScreenSize"))
    ApplyScreenLayout(c, FittingScreenSize(static_cast<int16_t>(*size), c.controls.ScreenSize()));
  SetPermission(c.controls, Control::mnuDrawEnabled, kDrawControls, StoredFlag(store, "DrawEnabled"));
  SetPermission(c.controls, Control::mnuSaveEnabled, kSaveControls, StoredFlag(store, "SaveEnabled"));
  // An empty folder would send the file dialogs wherever the process happens to be.
  const QString dataPath = Stored(store, "DataPath").value_or(QString());
  c.state.mstrDataPath = dataPath.trimmed().isEmpty() ? QStringLiteral("./data") : dataPath;
}

void StoreSettings(Context& c, SettingsStore& store) {
  const QString section = Name(kSettingsSection);
  const auto flag = [&](Control item) {
    return c.controls.IsChecked(item) ? QStringLiteral("True") : QStringLiteral("False");
  };
  store.Write(section, QStringLiteral("Difficulty"),
              QString::number(TickedOfThree(c.controls, Control::mnuBeginner, Control::mnuMidClass)));
  store.Write(section, QStringLiteral("ScreenSize"),
              QString::number(TickedOfThree(c.controls, Control::mnuNormalSize, Control::mnuExpansion1)));
  store.Write(section, QStringLiteral("DrawEnabled"), flag(Control::mnuDrawEnabled));
  store.Write(section, QStringLiteral("SaveEnabled"), flag(Control::mnuSaveEnabled));
  store.Write(section, QStringLiteral("DataPath"), c.state.mstrDataPath);
  // The program ends right after this; settings lost without a word would surprise the teacher next time.
  if (!store.Sync())
    c.dialogs.ShowMessage({QStringLiteral("設定を保存できませんでした。\n保存先: ") + store.Location(),
                           QStringLiteral("エラー"), MessageButtons::Ok, MessageIcon::Exclamation});
}

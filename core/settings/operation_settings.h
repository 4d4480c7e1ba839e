// Difficulty levels, the two permissions, and reading and storing the five settings.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "construction/controls.h"

struct Context;
class SettingsStore;

struct DifficultyLevel {
  Control menuItem;
  int16_t maxSize;     // mintMaxSize, mm
  int16_t unitLength;  // mintUnitLength, mm
};

// Indexed by the stored "Difficulty" value.
inline constexpr std::array<DifficultyLevel, 3> kDifficultyLevels{{
    {Control::mnuBeginner, 100, 20},
    {Control::mnuMidClass, 100, 10},
    {Control::mnuSenior, 200, 10},
}};

inline constexpr std::u16string_view kSettingsApplication = u"立体ヌボロforWin";
inline constexpr std::u16string_view kSettingsSection = u"Option";

// The level whose menu item is ticked, or nothing.
std::optional<int> TickedLevel(Context& c);

void SetLevel(Context& c, int level);
void ToggleDrawPermission(Context& c);
void ToggleSavePermission(Context& c);

void ReadSettings(Context& c, SettingsStore& store);
// The settings as they stand, written without a word; StoreSettings also makes sure they are kept.
void WriteSettings(Context& c, SettingsStore& store);
void StoreSettings(Context& c, SettingsStore& store);

// Conversions of stored texts; nothing when the text is not a value of that kind.
std::optional<long long> StoredNumber(std::u16string_view text);
std::optional<bool> StoredBoolean(std::u16string_view text);

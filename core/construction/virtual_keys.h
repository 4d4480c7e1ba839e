// Keys as the dispatcher knows them: virtual-key codes and a modifier bit set (1 Shift, 2 Ctrl, 4 Alt).
#pragma once

#include <cstdint>

inline constexpr int16_t kVkBack = 8, kVkReturn = 13, kVkEscape = 27, kVkSpace = 32;
inline constexpr int16_t kVkLeft = 37, kVkUp = 38, kVkRight = 39, kVkDown = 40;
inline constexpr int16_t kVkF1 = 112, kVkF2 = 113, kVkF3 = 114, kVkF4 = 115, kVkF5 = 116, kVkF6 = 117,
                         kVkF7 = 118, kVkF8 = 119;

// Qt's key events in the dispatcher's terms: virtual-key codes and the modifier bit set.
#pragma once

#include <QtCore/qnamespace.h>
#include <cstdint>

// 0 for a key that has no code here.
int16_t VirtualKeyFromQt(int qtKey);
int16_t ModifierState(Qt::KeyboardModifiers modifiers);

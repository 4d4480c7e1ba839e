// Qt's keys and modifiers in the dispatcher's terms.
#include "window/qt_keys.h"

#include <gtest/gtest.h>

TEST(VirtualKeys, QtKeysMapToWindowsCodes) {
  struct Case {
    int qt;
    int16_t vk;
  } cases[] = {
      {Qt::Key_Backspace, 8}, {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Escape, 27},
      {Qt::Key_Space, 32},    {Qt::Key_Left, 37},   {Qt::Key_Up, 38},    {Qt::Key_Right, 39},
      {Qt::Key_Down, 40},     {Qt::Key_A, 65},      {Qt::Key_X, 88},     {Qt::Key_Z, 90},
      {Qt::Key_F2, 113},      {Qt::Key_F8, 119},    {Qt::Key_Shift, 0},  {Qt::Key_Tab, 0},
  };
  for (const Case& k : cases) EXPECT_EQ(VirtualKeyFromQt(k.qt), k.vk) << k.qt;
  EXPECT_EQ(ModifierState(Qt::NoModifier), 0);
  EXPECT_EQ(ModifierState(Qt::ShiftModifier), 1);
  EXPECT_EQ(ModifierState(Qt::ControlModifier | Qt::AltModifier), 6);
  EXPECT_EQ(ModifierState(Qt::ShiftModifier | Qt::KeypadModifier), 1);  // keypad Enter counts as plain
}

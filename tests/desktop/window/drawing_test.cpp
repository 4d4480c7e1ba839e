// A learner at the real window builds a figure with the keyboard alone.
#include <gtest/gtest.h>

#include <QTimer>

#include "construction/drawing_fixture.h"
#include "test_main_window.h"

namespace {
class Learner : public StartedWindow {
 protected:
  // Keys: a letter, "+" before a key for Shift, "E" Enter, "<" Backspace, "8" F8; blanks ignored.
  void Type(const char* keys) {
    for (const char* k = keys; *k; ++k) {
      if (*k == ' ') continue;
      Qt::KeyboardModifiers mods = Qt::NoModifier;
      if (*k == '+') mods = Qt::ShiftModifier, ++k;
      const int key = *k == 'E'   ? Qt::Key_Return
                      : *k == '<' ? Qt::Key_Backspace
                      : *k == '8' ? Qt::Key_F8
                                  : Qt::Key_A + (*k - 'A');
      Press(key, mods);
    }
  }
  QString TitleAfterWatchman() {
    QMetaObject::invokeMethod(window.findChild<QTimer*>(QStringLiteral("Watchman")), "timeout");
    return window.windowTitle();
  }
};
}  // namespace

TEST_F(Learner, BuildsAUnitCubeWithKeysAlone) {
  ASSERT_EQ(state.mintLineCount, 12) << "the sample figure";
  ASSERT_EQ(state.mintUnitLength, 20);
  // Draw mode, then take the sample back line by line: that alone is no change to save.
  Type("8<<<<<<<<<<<<");
  EXPECT_EQ(state.mintLineCount, 0);
  EXPECT_EQ(TitleAfterWatchman(), QStringLiteral("立体ヌボロ for Windows Ver3.1"));

  Type("EXE EZE E+XE E+ZE");     // the bottom square
  Type("EYYE <");                // one step too far up: taken back
  Type("EYE");                   // the first edge up
  Type("EXE EZE E+XE E+ZE");     // the top square
  Type("X E+YE Z EYE +X E+YE");  // the other three edges up, moving with the pen up between

  const Xyz o{0, 0, 0}, x{20, 0, 0}, xz{20, 0, 20}, z{0, 0, 20};
  const Xyz y{0, 20, 0}, xy{20, 20, 0}, xyz{20, 20, 20}, yz{0, 20, 20};
  EXPECT_EQ(FigureOf(state), (Lines{{o, x},
                                    {x, xz},
                                    {xz, z},
                                    {z, o},
                                    {o, y},
                                    {y, xy},
                                    {xy, xyz},
                                    {xyz, yz},
                                    {yz, y},
                                    {xy, x},
                                    {xz, xyz},
                                    {yz, z}}));
  EXPECT_EQ(EntryOf(state, 0), (Xyz{10, 10, 10})) << "the centre";
  EXPECT_TRUE(state.mblnNoLineStart);
  EXPECT_EQ((Xyz{state.msngRefX[4], state.msngRefY[4], state.msngRefZ[4]}), z);
  TitleAfterWatchman();
  EXPECT_EQ(TitleAfterWatchman(), QStringLiteral("立体ヌボロ for Windows Ver3.1\u3000*[変更あり]"));
}

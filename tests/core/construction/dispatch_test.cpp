// The dispatcher: which rows run for which door, table and modifier state, and the key guard.
#include <gtest/gtest.h>

#include <QStringList>

#include "construction/virtual_keys.h"
#include "fake_context.h"

namespace {
// Each test row writes what ran into this log, so a test sees exactly which rows fired.
QStringList* gLog = nullptr;
void Log(const QString& what) { gLog->append(what); }

const KeyRow kGeneral[] = {
    {kVkEscape, [](Context&, int16_t s) { Log(QStringLiteral("esc plain %1").arg(s)); },
     [](Context&, int16_t s) { Log(QStringLiteral("esc shift %1").arg(s)); }, nullptr},
    {113, [](Context&, int16_t s) { Log(QStringLiteral("f2 %1").arg(s)); },
     [](Context&, int16_t s) { Log(QStringLiteral("f2 %1").arg(s)); },
     [](Context&, int16_t s) { Log(QStringLiteral("f2 %1").arg(s)); }},
};
const KeyRow kDraw[] = {
    {'X', [](Context&, int16_t) { Log(QStringLiteral("x+")); },
     [](Context&, int16_t) { Log(QStringLiteral("x-")); }, nullptr},
};
const ControlRow kControls[] = {
    {Control::mnuShowVersion, [](Context&) { Log(QStringLiteral("version")); }},
    {Control::cmdFin, [](Context&) { Log(QStringLiteral("fin")); }},
    {Control::command1_4, [](Context&) { Log(QStringLiteral("button 4")); }},
    {Control::Watchman, [](Context&) { Log(QStringLiteral("tick")); }},
};
const DispatchTables kTables{kControls, kGeneral, kDraw, [](Context&) { Log(QStringLiteral("close")); }};

class Dispatch : public FakeContext {
 protected:
  void SetUp() override {
    gLog = &log;
    FakeContext::SetUp();
  }
  void TearDown() override { gLog = nullptr; }
  QStringList log;
};
}  // namespace

TEST_F(Dispatch, KeyRowsFollowTheModifierStateAndTheDrawModeTable) {
  struct Case {
    bool drawMode;
    int16_t key, shift;
    QStringList ran;
  } cases[] = {
      {false, kVkEscape, 0, {"esc plain 0"}},
      {false, kVkEscape, 1, {"esc shift 1"}},
      {false, kVkEscape, 2, {}},  // Ctrl+Esc: the row names nothing
      {false, kVkEscape, 3, {}},
      {false, 113, 6, {"f2 6"}},  // a row for every state
      {false, 'X', 0, {}},        // draw-mode keys sleep outside draw mode
      {true, 'X', 0, {"x+"}},
      {true, 'X', 1, {"x-"}},
      {true, 'X', 4, {}},
      {true, kVkEscape, 0, {"esc plain 0"}},
      {true, 'Q', 0, {}},
  };
  for (const Case& k : cases) {
    log.clear();
    state.mblnDrawMode = k.drawMode;
    KeyDown(c, kTables, k.key, k.shift);
    EXPECT_EQ(log, k.ran) << "key " << k.key << " shift " << k.shift << " draw " << k.drawMode;
  }
}

TEST_F(Dispatch, KeyPreviewIsOffWhileTheOperationAndPendingEventsRun) {
  // A key-down that arrives during the pass of pending events (auto-repeat) finds the preview off
  // and is dropped; the window only dispatches while the preview is on.
  int repeatsDispatched = 0;
  w.onProcessEvents = [&] {
    EXPECT_FALSE(w.keyPreview);
    if (w.keyPreview) {
      ++repeatsDispatched;
      KeyDown(c, kTables, kVkEscape, 0);
    }
  };
  KeyDown(c, kTables, kVkEscape, 0);
  EXPECT_EQ(repeatsDispatched, 0);
  EXPECT_EQ(log, QStringList{"esc plain 0"});
  EXPECT_TRUE(w.keyPreview);
  // Every key, bound or not, gets its one pass of pending events.
  KeyDown(c, kTables, 'Q', 0);
  EXPECT_EQ(w.calls.count(QStringLiteral("ProcessPendingEvents")), 2);
}

TEST_F(Dispatch, ClicksRunOnlyEnabledControls) {
  Click(c, kTables, Control::mnuShowVersion);
  Click(c, kTables, Control::cmdFin);
  Click(c, kTables, Control::mnuFile);  // a submenu header runs nothing
  EXPECT_EQ(log, (QStringList{"version", "fin"}));

  log.clear();
  w.SetEnabled(Control::mnuShowVersion, false);
  w.SetEnabled(Control::cmdFin, false);
  Click(c, kTables, Control::mnuShowVersion);
  Click(c, kTables, Control::cmdFin);
  EXPECT_TRUE(log.isEmpty());
}

TEST_F(Dispatch, PictureButtonsAlwaysGiveTheFocusBackToTheCanvas) {
  PictureButtonClick(c, kTables, PictureButton::XPlus);
  PictureButtonClick(c, kTables, PictureButton::YMinus);  // no row
  w.SetEnabled(Control::command1_4, false);
  PictureButtonClick(c, kTables, PictureButton::XPlus);
  EXPECT_EQ(log, QStringList{"button 4"});
  EXPECT_EQ(w.calls.count(QStringLiteral("FocusFigureBox")), 3);
}

TEST_F(Dispatch, CloseRequestAndTimersRunTheirRows) {
  CloseRequest(c, kTables);
  TimerTick(c, kTables, Control::Watchman);
  TimerTick(c, kTables, Control::TurningTimer);
  EXPECT_EQ(log, (QStringList{"close", "tick"}));
}

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

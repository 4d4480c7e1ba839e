// The dispatcher: which rows run for which door, table and modifier state, and the key guard.
#include <gtest/gtest.h>

#include "construction/virtual_keys.h"
#include "fake_context.h"

namespace {
// Each test row writes what ran into this log, so a test sees exactly which rows fired.
CallList* gLog = nullptr;
void Log(const std::u16string& what) { gLog->push_back(what); }

const KeyRow kGeneral[] = {
    {kVkEscape, [](Context&, int16_t s) { Log(u"esc plain " + NumberText(s)); },
     [](Context&, int16_t s) { Log(u"esc shift " + NumberText(s)); }, nullptr},
    {113, [](Context&, int16_t s) { Log(u"f2 " + NumberText(s)); },
     [](Context&, int16_t s) { Log(u"f2 " + NumberText(s)); },
     [](Context&, int16_t s) { Log(u"f2 " + NumberText(s)); }},
};
const KeyRow kDraw[] = {
    {'X', [](Context&, int16_t) { Log(u"x+"); }, [](Context&, int16_t) { Log(u"x-"); }, nullptr},
};
const ControlRow kControls[] = {
    {Control::mnuShowVersion, [](Context&) { Log(u"version"); }},
    {Control::cmdFin, [](Context&) { Log(u"fin"); }},
    {Control::command1_4, [](Context&) { Log(u"button 4"); }},
    {Control::Watchman, [](Context&) { Log(u"tick"); }},
};
const DispatchTables kTables{kControls, kGeneral, kDraw, [](Context&) { Log(u"close"); }};

class Dispatch : public FakeContext {
 protected:
  void SetUp() override {
    gLog = &log;
    FakeContext::SetUp();
  }
  void TearDown() override { gLog = nullptr; }
  CallList log;
};
}  // namespace

TEST_F(Dispatch, KeyRowsFollowTheModifierStateAndTheDrawModeTable) {
  struct Case {
    bool drawMode;
    int16_t key, shift;
    CallList ran;
  } cases[] = {
      {false, kVkEscape, 0, {u"esc plain 0"}},
      {false, kVkEscape, 1, {u"esc shift 1"}},
      {false, kVkEscape, 2, {}},  // Ctrl+Esc: the row names nothing
      {false, kVkEscape, 3, {}},
      {false, 113, 6, {u"f2 6"}},  // a row for every state
      {false, 'X', 0, {}},         // draw-mode keys sleep outside draw mode
      {true, 'X', 0, {u"x+"}},
      {true, 'X', 1, {u"x-"}},
      {true, 'X', 4, {}},
      {true, kVkEscape, 0, {u"esc plain 0"}},
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
  EXPECT_EQ(log, CallList{u"esc plain 0"});
  EXPECT_TRUE(w.keyPreview);
  // Every key, bound or not, gets its one pass of pending events.
  KeyDown(c, kTables, 'Q', 0);
  EXPECT_EQ(w.calls.count(u"ProcessPendingEvents"), 2);
}

TEST_F(Dispatch, ClicksRunOnlyEnabledControls) {
  Click(c, kTables, Control::mnuShowVersion);
  Click(c, kTables, Control::cmdFin);
  Click(c, kTables, Control::mnuFile);  // a submenu header runs nothing
  EXPECT_EQ(log, (CallList{u"version", u"fin"}));

  log.clear();
  w.SetEnabled(Control::mnuShowVersion, false);
  w.SetEnabled(Control::cmdFin, false);
  Click(c, kTables, Control::mnuShowVersion);
  Click(c, kTables, Control::cmdFin);
  EXPECT_TRUE(log.empty());
}

TEST_F(Dispatch, PictureButtonsAlwaysGiveTheFocusBackToTheCanvas) {
  PictureButtonClick(c, kTables, PictureButton::XPlus);
  PictureButtonClick(c, kTables, PictureButton::YMinus);  // no row
  w.SetEnabled(Control::command1_4, false);
  PictureButtonClick(c, kTables, PictureButton::XPlus);
  EXPECT_EQ(log, CallList{u"button 4"});
  EXPECT_EQ(w.calls.count(u"FocusFigureBox"), 3);
}

TEST_F(Dispatch, CloseRequestAndTimersRunTheirRows) {
  CloseRequest(c, kTables);
  TimerTick(c, kTables, Control::Watchman);
  TimerTick(c, kTables, Control::TurningTimer);
  EXPECT_EQ(log, (CallList{u"close", u"tick"}));
}

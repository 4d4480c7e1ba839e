// Quit with its two questions, through every door.
#include "shell/quit.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "fake_context.h"
#include "figure/figure_file.h"
#include "shell/startup.h"
#include "test_main_window.h"
#include "view/rotation.h"

namespace {
using A = MessageAnswer;

class Quitting : public FakeContext {
 protected:
  void SetUp() override {
    SetUpControls();
    FakeContext::SetUp();
    state.mstrDataPath = u"/data";
  }
  CallList Asked() const {
    CallList texts;
    for (const Message& m : w.messages) texts << m.text;
    return texts;
  }
  bool Ended() const { return w.calls.contains(u"EndProgram"); }
  CallList Saved() const {
    CallList names;
    for (const auto& [path, bytes] : w.memoryFiles.files) names << FilePartOfPath(path);
    return names;
  }
};

const std::u16string kSave = std::u16string(kSaveQuestion);
const std::u16string kSure = std::u16string(kQuitQuestion);
}  // namespace

TEST_F(Quitting, AsksToSaveOnlyAModifiedFigureThenAsksToEnd) {
  struct Case {
    const char* name;
    bool modified;
    std::deque<A> answers;
    std::deque<std::optional<std::u16string>> files;
    CallList asked;
    bool ended;
    CallList saved;
  } cases[] = {
      {"unmodified, OK", false, {A::Ok}, {}, {kSure}, true, {}},
      {"unmodified, Cancel", false, {A::Cancel}, {}, {kSure}, false, {}},
      {"modified, No, OK", true, {A::No, A::Ok}, {}, {kSave, kSure}, true, {}},
      {"Yes, save cancelled, OK", true, {A::Yes, A::Ok}, {std::nullopt}, {kSave, kSure}, true, {}},
      {"Yes, saved, Cancel", true, {A::Yes, A::Cancel}, {u"/data/fig"}, {kSave, kSure}, false, {u"fig.nbo"}},
  };
  for (Case& k : cases) {
    SCOPED_TRACE(k.name);
    SetUp();
    w = FakeWindow();
    state.mblnModified = k.modified;
    w.answers = k.answers;
    w.fileAnswers = k.files;
    Quit(c);
    EXPECT_EQ(Asked(), k.asked);
    EXPECT_EQ(Ended(), k.ended);
    EXPECT_EQ(w.settings.writes.size(), k.ended ? 5 : 0) << "settings are stored only on the way out";
    EXPECT_EQ(Saved(), k.saved);
    EXPECT_EQ(state.mblnModified, k.modified);
    for (const Message& m : w.messages) {
      EXPECT_EQ(m.icon, MessageIcon::Question);
      EXPECT_EQ(m.title, m.text == kSave ? kWaitTitle : kQuitTitle);
      EXPECT_EQ(m.buttons, m.text == kSave ? MessageButtons::YesNo : MessageButtons::OkCancel);
    }
  }
  // After a save and a Cancel the figure is still modified: the next Quit asks about saving again.
  w.messages.clear();
  w.answers = {A::No, A::Cancel};
  Quit(c);
  EXPECT_EQ(Asked(), (CallList{kSave, kSure}));
}

TEST_F(Quitting, SettingsThatCannotBeKeptAreToldBeforeTheEnd) {
  w.settings.failSync = true;
  w.answers = {A::Ok};
  Quit(c);
  ASSERT_EQ(w.messages.size(), 2u);
  EXPECT_EQ(w.messages[1].title, u"エラー");
  EXPECT_TRUE(Ended());
}

// 終了, the ✕ key and the close box all ask; Cancel keeps the window open, OK ends it.
using QuitDoors = StartedWindow;
TEST_F(QuitDoors, EveryWayOutAsksFirst) {
  const std::function<void()> doors[] = {
      [&] { window.MenuItem(Control::mnuFin)->trigger(); },
      [&] { window.ToolbarButton(1)->trigger(); },
      [&] { window.close(); },
  };
  int ended = 0;
  for (const auto& door : doors) {
    window.messages.clear();
    window.answers = {A::Cancel};
    door();
    EXPECT_EQ(window.endRequests, ended);
    EXPECT_TRUE(window.isVisible());
    window.answers = {A::Ok};
    door();
    EXPECT_EQ(window.endRequests, ++ended);
    ASSERT_EQ(window.messages.size(), 2u);
    EXPECT_EQ(window.messages[1].text, kSure);
  }
}

// Shift+Esc during a rotation: the question comes while it still turns; a decline then stops it.
TEST_F(Quitting, ShiftEscAsksFirstAndStopsTheRotationAfterADecline) {
  struct Watching : FakeWindow {
    const AppState* state = nullptr;
    bool turningWhenAsked = false;
    MessageAnswer ShowMessage(const Message& m) override {
      turningWhenAsked = state->mblnTurning;
      return FakeWindow::ShowMessage(m);
    }
  } watching;
  watching.state = &state;
  Context wc{state, watching, watching, watching, watching, watchman};
  state.mblnTurning = true;
  watching.SetTimerRunning(Control::TurningTimer, true);
  watching.answers = {A::Cancel};
  KeyDown(wc, MainDispatchTables(), 27, 1);
  ASSERT_EQ(watching.messages.size(), 1u);
  EXPECT_EQ(watching.messages[0].text, kSure);
  EXPECT_TRUE(watching.turningWhenAsked);
  EXPECT_FALSE(state.mblnTurning);
  EXPECT_FALSE(watching.runningTimers.contains(Control::TurningTimer));
  EXPECT_FALSE(watching.calls.contains(u"EndProgram"));
}

TEST_F(Quitting, NewFigureAnsweredNoChangesNothing) {
  state.mintLineCount = 0;
  state.mblnModified = true;
  w.title = u"before";
  w.answers = {A::No};
  const AppState before = state;
  NewFigure(c);
  EXPECT_EQ(Asked(), CallList{std::u16string(kNewFigureQuestion)});
  EXPECT_EQ(w.messages[0].title, std::u16string(kWaitTitle));
  EXPECT_EQ(w.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(w.drawn.empty());
  EXPECT_EQ(w.title, u"before");
  EXPECT_EQ(state.mblnModified, before.mblnModified);
}

// Yes resets the figure and the view and nothing more: limits, data folder and draw mode stay.
TEST_F(Quitting, NewFigureResetsItsListAndKeepsTheRest) {
  w.checked.insert(Control::mnuNormalSize);
  state.msngLineX[0] = 50;
  state.msngLineX[2] = 100;
  state.mintLineCount = 1;
  state.msngZoom = 3;
  state.mintAngleH = 10;
  state.msngRefX[4] = 40;
  state.msngRefY[5] = 20;
  state.mblnNoLineStart = false;
  state.mblnModified = true;
  state.mblnDrawMode = true;
  state.mintUnitLength = 5;
  state.mintMaxSize = 150;
  // Turning as the learner starts it: the timer runs and the view presets are off.
  StartTurning(c);
  StartTurning(c);
  state.mblnThirdAngle = true;
  w.dialogFileName = u"/data/old.nbo";
  w.answers = {A::Yes, A::No};
  NewFigure(c);

  EXPECT_EQ(Asked(), (CallList{std::u16string(kNewFigureQuestion), kSave}));
  EXPECT_EQ(state.mintLineCount, 0);
  EXPECT_EQ(state.msngLineX[0], 0);
  EXPECT_EQ(state.msngLineX[2], 100) << "entries above 0 stay stale";
  EXPECT_EQ(state.mintAngleH, -45);
  EXPECT_EQ(state.mintAngleV, 35);
  EXPECT_EQ(state.msngZoom, 1.0f);
  EXPECT_EQ(state.msngRefX[4], 0);
  EXPECT_EQ(state.msngRefY[5], 0);
  EXPECT_TRUE(state.mblnNoLineStart);
  EXPECT_FALSE(state.mblnModified);
  EXPECT_FALSE(state.mblnTurning);
  EXPECT_EQ(state.mintTurnMode, 0);
  EXPECT_TRUE(w.runningTimers.empty());
  for (Control preset :
       {Control::cmdFrontView, Control::cmdTopView, Control::cmdSideView, Control::cmdEqualAngleView})
    EXPECT_TRUE(w.IsEnabled(preset)) << ControlName(preset);
  EXPECT_EQ(w.explanation, std::u16string());
  EXPECT_FALSE(state.mblnThirdAngle);
  EXPECT_TRUE(state.mblnDrawMode);
  EXPECT_EQ(state.mintUnitLength, 5);
  EXPECT_EQ(state.mintMaxSize, 150);
  EXPECT_EQ(state.mstrDataPath, u"/data");
  EXPECT_TRUE(state.mblnColorDraw);
  EXPECT_EQ(w.title, u"立体ヌボロ for Windows Ver3.1  [  ]");
  EXPECT_TRUE(w.dialogFileName.empty());
  // The watchman leaves that caption alone.
  WatchmanTick(state, watchman, w, w);
  EXPECT_EQ(w.title, u"立体ヌボロ for Windows Ver3.1  [  ]");
}

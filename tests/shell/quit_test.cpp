// Quit with its two questions, through every door.
#include "shell/quit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "construction/dispatch.h"
#include "fake_window.h"
#include "figure/app_state.h"
#include "shell/startup.h"
#include "shell/status_bar.h"
#include "shell/window_layout.h"
#include "test_main_window.h"

namespace {
using A = MessageAnswer;

class Quitting : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpDrawingArea(w);
    SetInitialCommandState(w);
    InitialiseApplicationState(state);
    state.mstrDataPath = dir.path();
  }
  QStringList Asked() const {
    QStringList texts;
    for (const Message& m : w.messages) texts << m.text;
    return texts;
  }
  bool Ended() const { return w.calls.contains(QStringLiteral("EndProgram")); }

  QTemporaryDir dir;
  AppState state;
  FakeWindow w;
  WatchmanState watchman;
  Context c{state, w, watchman};
};

const QString kSave = QString::fromUtf8(kSaveQuestion);
const QString kSure = QString::fromUtf8(kQuitQuestion);
}  // namespace

TEST_F(Quitting, AsksToSaveOnlyAModifiedFigureThenAsksToEnd) {
  struct Case {
    const char* name;
    bool modified;
    std::deque<A> answers;
    std::deque<std::optional<QString>> files;
    QStringList asked;
    bool ended;
    QStringList saved;
  } cases[] = {
      {"unmodified, OK", false, {A::Ok}, {}, {kSure}, true, {}},
      {"unmodified, Cancel", false, {A::Cancel}, {}, {kSure}, false, {}},
      {"modified, No, OK", true, {A::No, A::Ok}, {}, {kSave, kSure}, true, {}},
      {"Yes, save cancelled, OK", true, {A::Yes, A::Ok}, {std::nullopt}, {kSave, kSure}, true, {}},
      {"Yes, saved, Cancel",
       true,
       {A::Yes, A::Cancel},
       {dir.filePath("fig")},
       {kSave, kSure},
       false,
       {"fig.nbo"}},
  };
  for (Case& k : cases) {
    SCOPED_TRACE(k.name);
    SetUp();
    w = FakeWindow();
    for (const QString& f : QDir(dir.path()).entryList(QDir::Files)) QFile::remove(dir.filePath(f));
    state.mblnModified = k.modified;
    w.answers = k.answers;
    w.fileAnswers = k.files;
    Quit(c);
    EXPECT_EQ(Asked(), k.asked);
    EXPECT_EQ(Ended(), k.ended);
    EXPECT_EQ(w.settings.writes.size(), k.ended ? 5 : 0) << "settings are stored only on the way out";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), k.saved);
    EXPECT_EQ(state.mblnModified, k.modified);
    for (const Message& m : w.messages) {
      EXPECT_EQ(m.icon, MessageIcon::Question);
      EXPECT_EQ(m.title, QString::fromUtf8(m.text == kSave ? kWaitTitle : kQuitTitle));
      EXPECT_EQ(m.buttons, m.text == kSave ? MessageButtons::YesNo : MessageButtons::OkCancel);
    }
  }
  // After a save and a Cancel the figure is still modified: the next Quit asks about saving again.
  w.messages.clear();
  w.answers = {A::No, A::Cancel};
  Quit(c);
  EXPECT_EQ(Asked(), (QStringList{kSave, kSure}));
}

TEST_F(Quitting, SettingsThatCannotBeKeptAreToldBeforeTheEnd) {
  w.settings.failSync = true;
  w.answers = {A::Ok};
  Quit(c);
  ASSERT_EQ(w.messages.size(), 2u);
  EXPECT_EQ(w.messages[1].title, QStringLiteral("エラー"));
  EXPECT_TRUE(Ended());
}

// 終了, the ✕ key and the close box all ask; Cancel keeps the window open, OK ends it.
TEST(QuitDoors, EveryWayOutAsksFirst) {
  AppState state;
  TestWindow window{state};
  StartUp(window.Ctx());
  QApplication::processEvents();
  const std::function<void()> doors[] = {
      [&] { window.MenuItem(QStringLiteral("mnuFin"))->trigger(); },
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

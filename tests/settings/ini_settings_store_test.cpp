// The settings file: where it lives, what it holds, and that nothing in it can stop the program.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "fake_context.h"
#include "file_bytes.h"
#include "platform/ini_settings_store.h"
#include "settings/operation_settings.h"

namespace {
class IniStore : public FakeContext {
 protected:
  void SetUp() override {
    SetUpControls();
    FakeContext::SetUp();
  }
  // Reads the file into a fresh window state, as start-up would.
  void ReadFrom(const QString& path) {
    IniSettingsStore store(path);
    ReadSettings(c, store);
  }
  QTemporaryDir dir;
  QString file = dir.filePath(QStringLiteral("立体ヌボロforWin.ini"));
};
}  // namespace

TEST_F(IniStore, LivesInTheUsersConfigFolderUnderTheApplicationName) {
  IniSettingsStore store;
  EXPECT_EQ(store.FileName(), QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                  QStringLiteral("/立体ヌボロforWin.ini"));
}

TEST_F(IniStore, StoresTheFiveKeysAsPlainTextsAndKeepsOtherKeys) {
  ASSERT_TRUE(PutFile(file, "[Other]\nteacher=Sato\n\n[Option]\nExtra=1\n"));
  ReadFrom(file);
  SetLevel(c, 1);
  ToggleDrawPermission(c);
  {
    IniSettingsStore store(file);
    StoreSettings(c, store);
  }
  const QByteArray text = FileBytes(file);
  for (const char* line : {"[Option]", "Difficulty=1", "ScreenSize=0", "DrawEnabled=False",
                           "SaveEnabled=True", "DataPath=./data", "Extra=1", "[Other]", "teacher=Sato"})
    EXPECT_TRUE(text.contains(line)) << line << "\n" << text.constData();

  // And a second start reads back what the first stored.
  SetUp();
  ReadFrom(file);
  EXPECT_TRUE(w.IsChecked(QStringLiteral("mnuMidClass")));
  EXPECT_FALSE(w.IsChecked(QStringLiteral("mnuDrawEnabled")));
  EXPECT_EQ(state.mstrDataPath, QStringLiteral("./data"));
}

TEST_F(IniStore, FoldersWithCommasAndJapaneseSurviveTheRoundTrip) {
  state.mstrDataPath = QStringLiteral("/home/生徒/図形, 2年");
  {
    IniSettingsStore store(file);
    StoreSettings(c, store);
  }
  state.mstrDataPath.clear();
  ReadFrom(file);
  EXPECT_EQ(state.mstrDataPath, QStringLiteral("/home/生徒/図形, 2年"));
}

TEST_F(IniStore, GarbageFilesGiveTheDefaults) {
  QRandomGenerator random(20261207);
  QList<QByteArray> files = {
      "[Option]\nDifficulty=abc\nScreenSize=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5)\nDrawEnabled=perhaps\n",
      "[Option]\nDifficulty=99999999999999999999999\nScreenSize=-40000\nSaveEnabled=2.5e300\n",
      "[Option\nDifficulty=2\n\\\\\\\n=\n[[]]\n",
      QByteArray(4096, '\0'),
  };
  for (int n = 0; n < 20; ++n) {
    QByteArray noise(1 + random.bounded(3000), '\0');
    for (char& b : noise) b = static_cast<char>(random.bounded(256));
    files << noise;
  }
  for (const QByteArray& bytes : files) {
    SetUp();
    ASSERT_TRUE(PutFile(file, bytes));
    ReadFrom(file);
    // Whatever was read, the program is in one of its own states.
    EXPECT_TRUE(TickedLevel(c).has_value());
    EXPECT_GE(state.mintUnitLength, 10);
    EXPECT_LE(state.mintMaxSize, 200);
    EXPECT_FALSE(w.clientSize.isEmpty());
  }
  // The plainly garbled keys of the first file fall back to the defaults.
  SetUp();
  ASSERT_TRUE(PutFile(file, files[0]));
  ReadFrom(file);
  EXPECT_TRUE(w.IsChecked(QStringLiteral("mnuBeginner")));
  EXPECT_EQ(state.mintMaxSize, 100);
  EXPECT_EQ(w.clientSize, QSize(640, 450));
  EXPECT_TRUE(w.IsChecked(QStringLiteral("mnuDrawEnabled")));
}

// A line QSettings cannot parse costs only itself: the teacher's other keys are read, and kept at quit.
TEST_F(IniStore, AStrayLineHidesNoReadableKey) {
  const QByteArray keys =
      "Difficulty=2\nScreenSize=1\nDrawEnabled=False\nSaveEnabled=False\nDataPath=/home/teacher/figures\n";
  const QByteArray files[] = {
      "[Option]\nfoo\n" + keys,
      "[Option]\nDifficulty=2\nfoo\nScreenSize=1\nDrawEnabled=False\nSaveEnabled=False\n"
      "DataPath=/home/teacher/figures\n",
      "[Option]\n" + keys + "foo\n=\n",
      "junk before any section\n[Option]\n" + keys,
  };
  for (const QByteArray& bytes : files) {
    SetUp();
    ASSERT_TRUE(PutFile(file, bytes));
    ReadFrom(file);
    EXPECT_TRUE(w.IsChecked(QStringLiteral("mnuSenior"))) << bytes.constData();
    EXPECT_EQ(state.mintMaxSize, 200);
    EXPECT_TRUE(w.IsChecked(QStringLiteral("mnuExpansion1")));
    EXPECT_FALSE(w.IsChecked(QStringLiteral("mnuDrawEnabled")));
    EXPECT_FALSE(w.IsChecked(QStringLiteral("mnuSaveEnabled")));
    EXPECT_EQ(state.mstrDataPath, QStringLiteral("/home/teacher/figures"));

    IniSettingsStore store(file);
    StoreSettings(c, store);
    EXPECT_TRUE(w.messages.empty()) << "a skipped line is no failure to keep the settings";
    EXPECT_TRUE(FileBytes(file).contains("SaveEnabled=False"));
  }
}

// Settings that cannot be kept are said so at quit, with the place they were meant for.
TEST_F(IniStore, AnUnwritablePlaceIsReportedAtQuit) {
  ASSERT_TRUE(PutFile(dir.filePath(QStringLiteral("plain-file")), "not a folder"));
  const QString places[] = {
      dir.filePath(QStringLiteral("plain-file/立体ヌボロforWin.ini")),  // the folder cannot be made
      dir.filePath(QStringLiteral("folder.ini")),                       // a folder stands at the name
  };
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
  for (const QString& place : places) {
    SetUp();
    w.messages.clear();
    IniSettingsStore store(place);
    StoreSettings(c, store);
    ASSERT_EQ(w.messages.size(), 1u) << place.toStdString();
    EXPECT_EQ(w.messages[0].title, QStringLiteral("エラー"));
    EXPECT_TRUE(w.messages[0].text.contains(place));
  }
}

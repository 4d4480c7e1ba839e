// The settings file: where it lives, what it holds, and that nothing in it can stop the program.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "fake_context.h"
#include "file_bytes.h"
#include "services/ini_settings_store.h"
#include "qt_convert.h"
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
  EXPECT_TRUE(w.IsChecked(Control::mnuMidClass));
  EXPECT_FALSE(w.IsChecked(Control::mnuDrawEnabled));
  EXPECT_EQ(state.mstrDataPath, u"./data");
}

// Every value the program may store, in the file as the program wrote it before (QSettings' own INI form)
// and as it writes it now: read back the same. The plain ones are written as they are.
TEST_F(IniStore, ValuesSurviveTheOldWriterAndTheNewOne) {
  const struct {
    const char* value;
    const char* line;  // as the new writer puts it
    bool oldWriterToo = true;
  } cases[] = {
      {"/home/生徒/図形, 2年", "DataPath=/home/生徒/図形, 2年"},
      {"C:\\data\\", "DataPath=C:\\data\\"},
      {"say \"hi\"", "DataPath=say \"hi\""},
      {"a;b", "DataPath=a;b"},
      {"x=y", "DataPath=x=y"},
      {"\\\\server\\share", "DataPath=\\\\server\\share"},
      {"'single'", "DataPath='single'"},
      {"@home", "DataPath=@home"},
      {"", "DataPath="},
      // Read back only thanks to a pair of quotes around them.
      {" lead", "DataPath=\" lead\""},
      {"trail\t", "DataPath=\"trail\t\"", false},  // the old writer's "\t" is read as it stands
      {"\"quoted\"", "DataPath=\"\"quoted\"\""},
      {"C:\\\\doubled", "DataPath=\"C:\\\\doubled\""},
  };
  int n = 0;
  for (const auto& k : cases) {
    const QString value = QString::fromUtf8(k.value);
    const QString oldFile = dir.filePath(QStringLiteral("old%1.ini").arg(n));
    const QString newFile = dir.filePath(QStringLiteral("new%1.ini").arg(n++));
    {
      QSettings old(file, QSettings::IniFormat);
      old.setValue(QStringLiteral("Option/DataPath"), value);
      old.sync();
      // Copies: QSettings would hand a reader of the same name the keys it holds, not read the file.
      ASSERT_TRUE(PutFile(oldFile, FileBytes(file)));
      IniSettingsStore store(file + u'2');
      store.Write(u"Option", u"DataPath", FromQt(value));
      ASSERT_TRUE(store.Sync());
      ASSERT_TRUE(PutFile(newFile, FileBytes(file + u'2')));
    }
    EXPECT_TRUE(FileBytes(newFile).contains(QByteArray(k.line) + '\n')) << FileBytes(newFile).constData();
    for (const QString& f : {oldFile, newFile}) {
      if (f == oldFile && !k.oldWriterToo) continue;
      EXPECT_EQ(IniSettingsStore(f).Read(u"Option", u"DataPath"), FromQt(value)) << FileBytes(f).constData();
    }
  }
}

// A folder name with a line break has no line to live on: the stored folder stays, and the teacher is told.
TEST_F(IniStore, AValueWithALineBreakKeepsTheStoredOneAndIsReported) {
  ASSERT_TRUE(PutFile(file, "[Option]\nDataPath=/home/teacher/figures\nDifficulty=0\n"));
  SetLevel(c, 2);
  state.mstrDataPath = u"/home/teacher/two\nlines";
  {
    IniSettingsStore store(file);
    StoreSettings(c, store);
  }
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0].title, u"エラー");
  const QByteArray text = FileBytes(file);
  EXPECT_TRUE(text.contains("DataPath=/home/teacher/figures\n")) << text.constData();
  EXPECT_TRUE(text.contains("Difficulty=2\n")) << text.constData();
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
    EXPECT_TRUE(w.clientSize.width() > 0 && w.clientSize.height() > 0);
  }
  // The plainly garbled keys of the first file fall back to the defaults.
  SetUp();
  ASSERT_TRUE(PutFile(file, files[0]));
  ReadFrom(file);
  EXPECT_TRUE(w.IsChecked(Control::mnuBeginner));
  EXPECT_EQ(state.mintMaxSize, 100);
  EXPECT_EQ(w.clientSize, Size(640, 450));
  EXPECT_TRUE(w.IsChecked(Control::mnuDrawEnabled));
}

// One line is one key: no quote, backslash, comma, semicolon or junk line reaches past its own line, and
// quitting keeps the teacher's keys.
TEST_F(IniStore, NoLineReachesPastItself) {
  const QByteArray keys =
      "Difficulty=2\nScreenSize=1\nDrawEnabled=False\nSaveEnabled=False\nDataPath=/home/teacher/figures\n";
  const QByteArray others = "Difficulty=2\nScreenSize=1\nDrawEnabled=False\nSaveEnabled=False\n";
  QRandomGenerator random(20261219);
  QByteArray noise(5000, '\0');
  for (char& b : noise) b = static_cast<char>(random.bounded(256));
  const char* teacher = "/home/teacher/figures";
  const struct {
    QByteArray bytes;
    const char* dataPath;
  } cases[] = {
      {"[Option]\nfoo\n" + keys, teacher},
      {"[Option]\nDifficulty=2\nfoo\nScreenSize=1\nDrawEnabled=False\nSaveEnabled=False\n"
       "DataPath=/home/teacher/figures\n",
       teacher},
      {"[Option]\n" + keys + "foo\n=\n", teacher},
      {"junk before any section\n[Option]\n" + keys, teacher},
      {"[Option]\nDataPath=\"C:\\data\n" + others, "\"C:\\data"},
      {"[Option]\nDataPath=D:\\data\\\n" + others, "D:\\data\\"},
      {"[Other]\nNote=say \"hi\n[Option]\n" + keys, teacher},
      {"[Option]\nNote=\"\n" + keys, teacher},
      {"[Option]\nDataPath=/data, 2024\n" + others, "/data, 2024"},
      {"[Option]\nDataPath=/data;old\n" + others, "/data;old"},
      {"[Option]\n; 先生のメモ\n" + keys, teacher},
      {noise + "\n[Option]\n" + keys, teacher},
      {"\xEF\xBB\xBF[option]\r\n" + QByteArray(keys).toLower().replace("\n", "\r\n"), teacher},
      {"[Option]\nDataPath=\"/home/sensei/My Figures\"\n" + others, "/home/sensei/My Figures"},
  };
  int n = 0;
  for (const auto& k : cases) {
    SetUp();
    const QString path = dir.filePath(QStringLiteral("%1.ini").arg(n++));
    ASSERT_TRUE(PutFile(path, k.bytes));
    ReadFrom(path);
    const QString dataPath = QString::fromUtf8(k.dataPath);
    EXPECT_TRUE(w.IsChecked(Control::mnuSenior)) << n;
    EXPECT_EQ(state.mintMaxSize, 200) << n;
    EXPECT_TRUE(w.IsChecked(Control::mnuExpansion1)) << n;
    EXPECT_FALSE(w.IsChecked(Control::mnuDrawEnabled)) << n;
    EXPECT_FALSE(w.IsChecked(Control::mnuSaveEnabled)) << n;
    EXPECT_EQ(state.mstrDataPath, FromQt(dataPath)) << n;

    {
      IniSettingsStore store(path);
      StoreSettings(c, store);
    }
    EXPECT_TRUE(w.messages.empty()) << "a skipped line is no failure to keep the settings";
    ASSERT_TRUE(PutFile(path + u'2', FileBytes(path)));
    IniSettingsStore again(path + u'2');
    EXPECT_EQ(again.Read(u"Option", u"SaveEnabled"), u"False") << n;
    EXPECT_EQ(again.Read(u"Option", u"DataPath"), FromQt(dataPath)) << n;
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
    EXPECT_EQ(w.messages[0].title, u"エラー");
    EXPECT_TRUE(w.messages[0].text.find(FromQt(place)) != std::u16string::npos);
  }
}

// Load figure and Save figure through a scripted file dialog.
#include "figure/load_save.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "fake_context.h"
#include "fifo.h"
#include "figure/figure_file.h"
#include "file_bytes.h"
#include "qt_files.h"
#include "shell/quit.h"
#include "view/third_angle.h"

namespace {
QString Q(const std::u16string& path) { return QString::fromStdU16String(path); }

class LoadSave : public FakeContext {
 protected:
  void SetUp() override {
    FakeContext::SetUp();
    w.files = &disk;
    state.mstrDataPath = Dir();
    // One line from (0, 0, 0) to (20, 0, 0), not yet saved.
    state.msngLineX[2] = 20;
    state.mintLineCount = 1;
    UpdateFigureCentre(state);
    state.mblnModified = true;
    w.title = u"before";
    w.explanation = u"before";
  }
  std::u16string Dir() const { return dir.path().toStdU16String(); }
  std::u16string In(const char* name) const { return dir.filePath(QString::fromUtf8(name)).toStdU16String(); }
  // One line, centre (50, 50, 50): it loads at zoom 2.25.
  void WriteFigure(const char* name) {
    AppState onFile;
    onFile.msngLineX[0] = onFile.msngLineY[0] = onFile.msngLineZ[0] = 50;
    onFile.msngLineX[2] = 100;
    onFile.mintLineCount = 1;
    std::u16string error;
    ASSERT_TRUE(WriteFigureFile(disk, In(name), onFile, error));
  }
  void WriteBroken() { ASSERT_TRUE(PutFile(Q(In("broken.nbo")), " 1  2 ")); }
  // The figure of WriteFigure, started afresh under its name.
  void ExpectLoaded(const char* name) {
    EXPECT_EQ(state.mintLineCount, 1);
    EXPECT_EQ(state.msngLineX[2], 100);
    EXPECT_FLOAT_EQ(state.msngZoom, 2.25f);
    EXPECT_FALSE(state.mblnModified);
    EXPECT_EQ(w.title, u"立体ヌボロ for Windows Ver3.1  [ " + Utf16FromUtf8(name) + u" ]");
    EXPECT_EQ(w.explanation, In(name));
    EXPECT_EQ(w.dialogFileName, In(name));
  }

  QTemporaryDir dir;
  QtFiles disk;
};
}  // namespace

TEST(FileDialogFilters, DescriptionsStayAndAllFilesMeansAll) {
  EXPECT_EQ(NameFilters(kOpenFilter), (std::vector<std::u16string>{u"立体ヌボロデータファイル(*.nbo) (*.nbo)",
                                                                   u"すべてのファイル(*.*) (*)"}));
  EXPECT_EQ(NameFilters(kSaveFilter),
            std::vector<std::u16string>{u"立体ヌボロデータファイル(*.nbo) (*.nbo)"});
}

// What the dialog returns decides the file written; nothing else of the program changes.
TEST_F(LoadSave, SaveWritesUnderTheNormalisedName) {
  struct Case {
    std::optional<std::u16string> typed;
    const char* written;  // nullptr: nothing written
  } cases[] = {
      {In(" fig "), "fig.nbo"}, {In("fig.NBO"), "fig.NBO"}, {In("a.txt"), "a.txt.nbo"},
      {In("図形"), "図形.nbo"}, {In("   "), nullptr},       {std::nullopt, nullptr},  // cancelled
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(Utf8FromUtf16(k.typed.value_or(u"cancelled")));
    for (const QString& f : QDir(dir.path()).entryList(QDir::Files)) QFile::remove(dir.filePath(f));
    w.drawn.clear();
    w.fileAnswers = {k.typed};
    SaveFigure(c);

    ASSERT_EQ(w.fileDialogs.back().mode, u"save");
    EXPECT_EQ(w.fileDialogs.back().folder, Dir());
    EXPECT_EQ(w.fileDialogs.back().filters, NameFilters(kSaveFilter));
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    if (k.written) {
      ASSERT_EQ(files, QStringList{QString::fromUtf8(k.written)});
      EXPECT_EQ(FileBytes(Q(In(k.written))).toStdString(), FigureFileBytes(state));
    } else {
      EXPECT_TRUE(files.isEmpty());
    }
    // Saving keeps the modified mark, the caption and the status text; it redraws in any case.
    EXPECT_TRUE(state.mblnModified);
    EXPECT_EQ(w.title, u"before");
    EXPECT_EQ(w.explanation, u"before");
    EXPECT_TRUE(w.messages.empty());
    EXPECT_EQ(w.drawn.size(), 1u);
  }
}

// A save that cannot be done says so, naming the file; the next proposal is still the chosen name.
TEST_F(LoadSave, AFailedSaveIsToldAndNothingIsReplaced) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.nbo")));
  const std::u16string places[] = {In("folder.nbo"), In("missing/fig.nbo")};
  for (const std::u16string& place : places) {
    w.messages.clear();
    w.drawn.clear();
    w.fileAnswers = {place};
    SaveFigure(c);
    ASSERT_EQ(w.messages.size(), 1u) << Utf8FromUtf16(place);
    EXPECT_EQ(w.messages[0].title, u"エラー");
    EXPECT_TRUE(w.messages[0].text.find(place) != std::u16string::npos);
    EXPECT_TRUE(w.drawn.empty());
    EXPECT_EQ(w.dialogFileName, place);
  }
  EXPECT_TRUE(QFileInfo(Q(In("folder.nbo"))).isDir());
}

// A cancelled dialog changes nothing. A chosen file that cannot be read changes nothing either, but
// says why in the box a file from the command line gets; a named pipe must not hold the program.
TEST_F(LoadSave, LoadThatDoesNotHappenChangesNothing) {
  WriteBroken();
  ASSERT_TRUE(MakeFifo(Q(In("pipe.nbo"))));
  state.mblnModified = false;
  for (const std::optional<std::u16string>& chosen :
       {std::optional<std::u16string>(), std::optional(In("broken.nbo")), std::optional(In("pipe.nbo"))}) {
    SCOPED_TRACE(Utf8FromUtf16(chosen.value_or(u"cancelled")));
    const AppState before = state;
    w.messages.clear();
    w.fileAnswers = {chosen};
    EXPECT_TRUE(ReturnsWithoutAWriter(Q(In("pipe.nbo")), [&] { LoadFigure(c); }));
    EXPECT_EQ(w.fileDialogs.back().mode, u"open");
    EXPECT_EQ(w.fileDialogs.back().filters, NameFilters(kOpenFilter));
    EXPECT_EQ(w.title, u"before");
    EXPECT_EQ(w.explanation, u"before");
    EXPECT_EQ(state.msngZoom, before.msngZoom);
    EXPECT_EQ(state.mblnModified, before.mblnModified);
    EXPECT_EQ(state.msngLineX, before.msngLineX);
    EXPECT_TRUE(w.drawn.empty());
    if (!chosen) {
      EXPECT_TRUE(w.messages.empty());
      continue;
    }
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_EQ(w.messages[0].title, u"エラー");
    EXPECT_EQ(w.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(w.messages[0].text.find(*chosen) != std::u16string::npos)
        << Utf8FromUtf16(w.messages[0].text);
  }
}

// Loading over a modified figure first asks what Quit asks; Yes saves it, and the open dialog follows
// whatever the answer or the save dialog's outcome.
TEST_F(LoadSave, LoadOffersToSaveAModifiedFigureFirst) {
  WriteFigure("cube.nbo");
  const std::string unsaved = FigureFileBytes(state);
  const std::u16string question(kSaveQuestion);
  struct Case {
    bool modified;
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<std::u16string>> files;
    CallList steps;
  } cases[] = {
      {true, {MessageAnswer::Yes}, {In("kept"), In("cube.nbo")}, {question, u"save", u"open"}},
      {true, {MessageAnswer::Yes}, {std::nullopt, In("cube.nbo")}, {question, u"save", u"open"}},
      {true, {MessageAnswer::No}, {In("cube.nbo")}, {question, u"open"}},
      {false, {}, {In("cube.nbo")}, {u"open"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(&k - cases);
    SetUp();
    QFile::remove(Q(In("kept.nbo")));
    w.messages.clear();
    w.calls.clear();
    w.answers = k.answers;
    w.fileAnswers = k.files;
    state.mblnModified = k.modified;
    LoadFigure(c);

    CallList steps;
    size_t asked = 0;
    for (const std::u16string& call : w.calls) {
      if (call == u"ShowMessage") steps << w.messages.at(asked++).text;
      if (call.starts_with(u"FileDialog ")) steps << call.substr(11);
    }
    ASSERT_EQ(steps, k.steps);
    if (k.modified) {
      EXPECT_EQ(w.messages[0].title, kWaitTitle);
      EXPECT_EQ(w.messages[0].buttons, MessageButtons::YesNo);
      EXPECT_EQ(w.messages[0].icon, MessageIcon::Question);
    }
    EXPECT_EQ(FileBytes(Q(In("kept.nbo"))).toStdString(),
              k.files.front() == In("kept") ? unsaved : std::string());
    ExpectLoaded("cube.nbo");
  }
}

// The dialogs start in the data folder when the user can write there; otherwise in the user's own
// folder, when there is one. The data folder setting stays as it was.
TEST_F(LoadSave, DialogsStartWhereTheUserCanWrite) {
  QTemporaryDir own;
  ASSERT_TRUE(PutFile(Q(In("file")), "x"));
  const std::u16string ownPath = own.path().toStdU16String();
  struct Case {
    std::u16string data, own, start;
  };
  std::vector<Case> cases = {
      {Dir(), ownPath, Dir()},
      {In("missing"), ownPath, ownPath},
      {In("file"), ownPath, ownPath},
      {In("missing"), {}, In("missing")},
  };
  // Root writes anywhere, so only another user meets a folder it may not write.
  if (::geteuid() != 0) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("readonly")));
    ASSERT_TRUE(QFile::setPermissions(Q(In("readonly")), QFile::ReadOwner | QFile::ExeOwner));
    cases.push_back({In("readonly"), ownPath, ownPath});
  }
  for (const Case& k : cases) {
    SCOPED_TRACE(Utf8FromUtf16(k.data));
    state.mstrDataPath = k.data;
    state.mblnModified = false;
    w.ownFiguresFolder = k.own;
    w.fileDialogs.clear();
    LoadFigure(c);
    SaveFigure(c);
    ASSERT_EQ(w.fileDialogs.size(), 2u);
    EXPECT_EQ(w.fileDialogs[0].folder, k.start);
    EXPECT_EQ(w.fileDialogs[1].folder, k.start);
    EXPECT_EQ(state.mstrDataPath, k.data);
  }
}

TEST_F(LoadSave, LoadReplacesTheFigureAndStartsItAfresh) {
  // The three views on and the pointer away from the origin.
  WriteFigure("cube.nbo");
  w.checked.insert(Control::mnuNormalSize);
  ToggleThirdAngle(c);
  ASSERT_TRUE(state.mblnThirdAngle);
  state.msngRefX[4] = 40;
  w.drawn.clear();

  w.fileAnswers = {In("cube.nbo")};
  LoadFigure(c);
  ExpectLoaded("cube.nbo");
  EXPECT_EQ(state.msngRefX[4], 0);
  EXPECT_FALSE(state.mblnThirdAngle);
  EXPECT_GE(w.drawn.size(), 2u);
  // The next dialog proposes the name chosen last.
  SaveFigure(c);
  EXPECT_EQ(w.fileDialogs.back().proposed, In("cube.nbo"));
}

// A file given at start-up loads as if chosen; one that cannot be read is told, naming it.
TEST_F(LoadSave, FigureFromTheCommandLine) {
  WriteFigure("given.nbo");
  WriteBroken();

  ASSERT_TRUE(MakeFifo(Q(In("pipe.nbo"))));

  for (const char* bad : {"broken.nbo", "missing.nbo", "pipe.nbo"}) {
    const AppState before = state;
    EXPECT_TRUE(ReturnsWithoutAWriter(Q(In("pipe.nbo")), [&] { OpenFigureFromCommandLine(c, In(bad)); }))
        << bad;
    ASSERT_EQ(w.messages.size(), 1u) << bad;
    EXPECT_EQ(w.messages.back().title, u"エラー");
    EXPECT_TRUE(w.messages.back().text.find(In(bad)) != std::u16string::npos)
        << Utf8FromUtf16(w.messages.back().text);
    EXPECT_EQ(state.msngLineX, before.msngLineX);
    EXPECT_EQ(w.title, u"before");
    EXPECT_TRUE(w.dialogFileName.empty());
    w.messages.clear();
  }

  // A relative name, as a file manager or a shell may pass it.
  const QString cwd = QDir::currentPath();
  QDir::setCurrent(dir.path());
  OpenFigureFromCommandLine(c, u"given.nbo");
  QDir::setCurrent(cwd);
  EXPECT_TRUE(w.messages.empty());
  ExpectLoaded("given.nbo");
}

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
#include "shell/quit.h"
#include "view/third_angle.h"

namespace {
class LoadSave : public FakeContext {
 protected:
  void SetUp() override {
    FakeContext::SetUp();
    state.mstrDataPath = dir.path();
    // One line from (0, 0, 0) to (20, 0, 0), not yet saved.
    state.msngLineX[2] = 20;
    state.mintLineCount = 1;
    UpdateFigureCentre(state);
    state.mblnModified = true;
    w.title = QStringLiteral("before");
    w.explanation = QStringLiteral("before");
  }
  QString In(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
  // One line, centre (50, 50, 50): it loads at zoom 2.25.
  void WriteFigure(const char* name) {
    AppState onFile;
    onFile.msngLineX[0] = onFile.msngLineY[0] = onFile.msngLineZ[0] = 50;
    onFile.msngLineX[2] = 100;
    onFile.mintLineCount = 1;
    QString error;
    ASSERT_TRUE(WriteFigureFile(In(name), onFile, error));
  }
  void WriteBroken() { ASSERT_TRUE(PutFile(In("broken.nbo"), " 1  2 ")); }
  // The figure of WriteFigure, started afresh under its name.
  void ExpectLoaded(const char* name) {
    EXPECT_EQ(state.mintLineCount, 1);
    EXPECT_EQ(state.msngLineX[2], 100);
    EXPECT_FLOAT_EQ(state.msngZoom, 2.25f);
    EXPECT_FALSE(state.mblnModified);
    EXPECT_EQ(w.title, QStringLiteral("立体ヌボロ for Windows Ver3.1  [ %1 ]").arg(QString::fromUtf8(name)));
    EXPECT_EQ(w.explanation, In(name));
    EXPECT_EQ(w.dialogFileName, In(name));
  }

  QTemporaryDir dir;
};
}  // namespace

TEST(FileDialogFilters, DescriptionsStayAndAllFilesMeansAll) {
  EXPECT_EQ(QtNameFilters(kOpenFilter),
            (QStringList{QStringLiteral("立体ヌボロデータファイル(*.nbo) (*.nbo)"),
                         QStringLiteral("すべてのファイル(*.*) (*)")}));
  EXPECT_EQ(QtNameFilters(kSaveFilter),
            QStringList{QStringLiteral("立体ヌボロデータファイル(*.nbo) (*.nbo)")});
}

// What the dialog returns decides the file written; nothing else of the program changes.
TEST_F(LoadSave, SaveWritesUnderTheNormalisedName) {
  struct Case {
    std::optional<QString> typed;
    const char* written;  // nullptr: nothing written
  } cases[] = {
      {In(" fig "), "fig.nbo"}, {In("fig.NBO"), "fig.NBO"}, {In("a.txt"), "a.txt.nbo"},
      {In("図形"), "図形.nbo"}, {In("   "), nullptr},       {std::nullopt, nullptr},  // cancelled
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.typed.value_or(QStringLiteral("cancelled")).toStdString());
    for (const QString& f : QDir(dir.path()).entryList(QDir::Files)) QFile::remove(dir.filePath(f));
    w.drawn.clear();
    w.fileAnswers = {k.typed};
    SaveFigure(c);

    ASSERT_EQ(w.fileDialogs.back().mode, QStringLiteral("save"));
    EXPECT_EQ(w.fileDialogs.back().folder, dir.path());
    EXPECT_EQ(w.fileDialogs.back().filters, QtNameFilters(kSaveFilter));
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    if (k.written) {
      ASSERT_EQ(files, QStringList{QString::fromUtf8(k.written)});
      EXPECT_EQ(FileBytes(In(k.written)), FigureFileBytes(state));
    } else {
      EXPECT_TRUE(files.isEmpty());
    }
    // Saving keeps the modified mark, the caption and the status text; it redraws in any case.
    EXPECT_TRUE(state.mblnModified);
    EXPECT_EQ(w.title, QStringLiteral("before"));
    EXPECT_EQ(w.explanation, QStringLiteral("before"));
    EXPECT_TRUE(w.messages.empty());
    EXPECT_EQ(w.drawn.size(), 1u);
  }
}

// A save that cannot be done says so, naming the file; the next proposal is still the chosen name.
TEST_F(LoadSave, AFailedSaveIsToldAndNothingIsReplaced) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.nbo")));
  const QString places[] = {In("folder.nbo"), In("missing/fig.nbo")};
  for (const QString& place : places) {
    w.messages.clear();
    w.drawn.clear();
    w.fileAnswers = {place};
    SaveFigure(c);
    ASSERT_EQ(w.messages.size(), 1u) << place.toStdString();
    EXPECT_EQ(w.messages[0].title, QStringLiteral("エラー"));
    EXPECT_TRUE(w.messages[0].text.contains(place));
    EXPECT_TRUE(w.drawn.empty());
    EXPECT_EQ(w.dialogFileName, place);
  }
  EXPECT_TRUE(QFileInfo(In("folder.nbo")).isDir());
}

// A cancelled dialog changes nothing. A chosen file that cannot be read changes nothing either, but
// says why in the box a file from the command line gets; a named pipe must not hold the program.
TEST_F(LoadSave, LoadThatDoesNotHappenChangesNothing) {
  WriteBroken();
  ASSERT_TRUE(MakeFifo(In("pipe.nbo")));
  state.mblnModified = false;
  for (const std::optional<QString>& chosen :
       {std::optional<QString>(), std::optional(In("broken.nbo")), std::optional(In("pipe.nbo"))}) {
    SCOPED_TRACE(chosen.value_or(QStringLiteral("cancelled")).toStdString());
    const AppState before = state;
    w.messages.clear();
    w.fileAnswers = {chosen};
    EXPECT_TRUE(ReturnsWithoutAWriter(In("pipe.nbo"), [&] { LoadFigure(c); }));
    EXPECT_EQ(w.fileDialogs.back().mode, QStringLiteral("open"));
    EXPECT_EQ(w.fileDialogs.back().filters, QtNameFilters(kOpenFilter));
    EXPECT_EQ(w.title, QStringLiteral("before"));
    EXPECT_EQ(w.explanation, QStringLiteral("before"));
    EXPECT_EQ(state.msngZoom, before.msngZoom);
    EXPECT_EQ(state.mblnModified, before.mblnModified);
    EXPECT_EQ(state.msngLineX, before.msngLineX);
    EXPECT_TRUE(w.drawn.empty());
    if (!chosen) {
      EXPECT_TRUE(w.messages.empty());
      continue;
    }
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_EQ(w.messages[0].title, QStringLiteral("エラー"));
    EXPECT_EQ(w.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(w.messages[0].text.contains(*chosen)) << w.messages[0].text.toStdString();
  }
}

// Loading over a modified figure first asks what Quit asks; Yes saves it, and the open dialog follows
// whatever the answer or the save dialog's outcome.
TEST_F(LoadSave, LoadOffersToSaveAModifiedFigureFirst) {
  WriteFigure("cube.nbo");
  const QByteArray unsaved = FigureFileBytes(state);
  const QString question = QString::fromUtf8(kSaveQuestion);
  struct Case {
    bool modified;
    std::deque<MessageAnswer> answers;
    std::deque<std::optional<QString>> files;
    QStringList steps;
  } cases[] = {
      {true, {MessageAnswer::Yes}, {In("kept"), In("cube.nbo")}, {question, "save", "open"}},
      {true, {MessageAnswer::Yes}, {std::nullopt, In("cube.nbo")}, {question, "save", "open"}},
      {true, {MessageAnswer::No}, {In("cube.nbo")}, {question, "open"}},
      {false, {}, {In("cube.nbo")}, {"open"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(&k - cases);
    SetUp();
    QFile::remove(In("kept.nbo"));
    w.messages.clear();
    w.calls.clear();
    w.answers = k.answers;
    w.fileAnswers = k.files;
    state.mblnModified = k.modified;
    LoadFigure(c);

    QStringList steps;
    size_t asked = 0;
    for (const QString& call : w.calls) {
      if (call == u"ShowMessage") steps << w.messages.at(asked++).text;
      if (call.startsWith(u"FileDialog ")) steps << call.mid(11);
    }
    ASSERT_EQ(steps, k.steps);
    if (k.modified) {
      EXPECT_EQ(w.messages[0].title, QString::fromUtf8(kWaitTitle));
      EXPECT_EQ(w.messages[0].buttons, MessageButtons::YesNo);
      EXPECT_EQ(w.messages[0].icon, MessageIcon::Question);
    }
    EXPECT_EQ(FileBytes(In("kept.nbo")), k.files.front() == In("kept") ? unsaved : QByteArray());
    ExpectLoaded("cube.nbo");
  }
}

// The dialogs start in the data folder when the user can write there; otherwise in the user's own
// folder, when there is one. The data folder setting stays as it was.
TEST_F(LoadSave, DialogsStartWhereTheUserCanWrite) {
  QTemporaryDir own;
  ASSERT_TRUE(PutFile(In("file"), "x"));
  struct Case {
    QString data, own, start;
  };
  std::vector<Case> cases = {
      {dir.path(), own.path(), dir.path()},
      {In("missing"), own.path(), own.path()},
      {In("file"), own.path(), own.path()},
      {In("missing"), QString(), In("missing")},
  };
  // Root writes anywhere, so only another user meets a folder it may not write.
  if (::geteuid() != 0) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("readonly")));
    ASSERT_TRUE(QFile::setPermissions(In("readonly"), QFile::ReadOwner | QFile::ExeOwner));
    cases.push_back({In("readonly"), own.path(), own.path()});
  }
  for (const Case& k : cases) {
    SCOPED_TRACE(k.data.toStdString());
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

  ASSERT_TRUE(MakeFifo(In("pipe.nbo")));

  for (const char* bad : {"broken.nbo", "missing.nbo", "pipe.nbo"}) {
    const AppState before = state;
    EXPECT_TRUE(ReturnsWithoutAWriter(In("pipe.nbo"), [&] { OpenFigureFromCommandLine(c, In(bad)); })) << bad;
    ASSERT_EQ(w.messages.size(), 1u) << bad;
    EXPECT_EQ(w.messages.back().title, QStringLiteral("エラー"));
    EXPECT_TRUE(w.messages.back().text.contains(In(bad))) << w.messages.back().text.toStdString();
    EXPECT_EQ(state.msngLineX, before.msngLineX);
    EXPECT_EQ(w.title, QStringLiteral("before"));
    EXPECT_TRUE(w.dialogFileName.isEmpty());
    w.messages.clear();
  }

  // A relative name, as a file manager or a shell may pass it.
  const QString cwd = QDir::currentPath();
  QDir::setCurrent(dir.path());
  OpenFigureFromCommandLine(c, QStringLiteral("given.nbo"));
  QDir::setCurrent(cwd);
  EXPECT_TRUE(w.messages.empty());
  ExpectLoaded("given.nbo");
}

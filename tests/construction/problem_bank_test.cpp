// The problem bank: every figure built again with the drawing pointer at its level and saved by the
// program's own writer gives the shipped file to the byte; the generator makes exactly what is shipped.
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

#include "construction/draw_mode.h"
#include "construction/line_editing.h"
#include "drawing_fixture.h"
#include "figure/figure_file.h"
#include "file_bytes.h"
#include "platform/qt_files.h"
#include "settings/operation_settings.h"

namespace {
const QString kBank = QStringLiteral(NUBORO_SOURCE_DIR "/assets/data/problems");

// The folder of each level, in the order of the stored difficulty.
constexpr const char* kLevelFolders[] = {"1-shokyu", "2-chukyu", "3-jokyu"};

QStringList FilesUnder(const QString& root) {
  QStringList files;
  QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) files << QDir(root).relativeFilePath(it.next());
  files.sort();
  return files;
}

class ProblemBank : public Drawing {
 protected:
  // The moving point stepped to `to` as a learner would; false when a step is refused or cannot land there.
  bool MoveTo(const Xyz& to) {
    const int point = state.mblnNoLineStart ? 4 : 5;
    for (Axis axis : {Axis::X, Axis::Y, Axis::Z}) {
      const auto at = [&] {
        const Xyz p = Ref(point);
        return axis == Axis::X ? p.x : axis == Axis::Y ? p.y : p.z;
      };
      const float target = axis == Axis::X ? to.x : axis == Axis::Y ? to.y : to.z;
      while (at() != target) {
        const float before = at();
        StepAlongAxis(c, axis, at() < target ? 0 : 1);
        if (std::abs(at() - target) >= std::abs(before - target)) return false;
      }
    }
    return true;
  }
};
}  // namespace

TEST_F(ProblemBank, EveryFigureIsBuiltWithThePointerAtItsLevelAndSavedAsShipped) {
  for (size_t level = 0; level < std::size(kLevelFolders); ++level) {
    const QStringList files = QDir(kBank + "/" + kLevelFolders[level]).entryList({"*.nbo"}, QDir::Files);
    EXPECT_GE(files.size(), 10) << kLevelFolders[level];
    for (const QString& name : files) {
      const QString path = kBank + "/" + kLevelFolders[level] + "/" + name;
      SCOPED_TRACE(path.toStdString());
      AppState shipped;
      QtFiles disk;
      std::u16string error;
      ASSERT_TRUE(ReadFigureFile(disk, path.toStdU16String(), shipped, error)) << Utf8FromUtf16(error);
      ASSERT_GT(shipped.mintLineCount, 0);

      Reset();
      state.mintUnitLength = kDifficultyLevels[level].unitLength;
      state.mintMaxSize = kDifficultyLevels[level].maxSize;
      for (const Line& l : FigureOf(shipped)) {
        ASSERT_TRUE(MoveTo(l.from)) << "cannot reach " << l.from;
        EnterPoint(c, 0);
        ASSERT_TRUE(MoveTo(l.to)) << "cannot reach " << l.to;
        EnterPoint(c, 0);
      }
      EXPECT_EQ(Figure(), FigureOf(shipped));
      EXPECT_EQ(FigureFileBytes(state), FileBytes(path).toStdString());
    }
  }
}

TEST(ProblemBankFiles, TheGeneratorMakesExactlyWhatIsShipped) {
  QTemporaryDir out;
  ASSERT_EQ(QProcess::execute(QStringLiteral(NUBORO_MAKE_PROBLEMS), {out.path()}), 0);
  const QStringList made = FilesUnder(out.path());
  ASSERT_EQ(made, FilesUnder(kBank));
  for (const QString& file : made)
    EXPECT_EQ(FileBytes(out.filePath(file)), FileBytes(kBank + "/" + file)) << file.toStdString();
  // The index names every figure, so a teacher finds each one by its Japanese name.
  const QString index = QString::fromUtf8(FileBytes(kBank + "/index.txt"));
  for (const QString& file : made) {
    if (file.endsWith(".nbo")) {
      EXPECT_TRUE(index.contains(file + "  ")) << file.toStdString();
    }
  }
}

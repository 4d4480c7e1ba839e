// nuboro-sheet's inputs that are not figure files at all.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTextStream>

#include "fifo.h"
#include "figure/app_state.h"
#include "figure/figure_file.h"
#include "sheet_command.h"
#include "qt_files.h"

// A named pipe given as a figure, to either command: refused at once, naming it, with nothing written.
TEST(SheetInput, ANamedPipeIsRefusedWithoutWaiting) {
  QTemporaryDir dir;
  const QString pipe = dir.filePath(QStringLiteral("pipe.nbo"));
  const QString answer = dir.filePath(QStringLiteral("answer.nbo"));
  const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
  ASSERT_TRUE(MakeFifo(pipe));
  AppState empty;
  QtFiles disk;
  std::u16string error;
  ASSERT_TRUE(WriteFigureFile(disk, answer.toStdU16String(), empty, error));

  for (const QStringList& args :
       {QStringList{"sheet", pipe, "-o", pdf}, QStringList{"check", answer, pipe}}) {
    SCOPED_TRACE(args.join(u' ').toStdString());
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    int code = -1;
    EXPECT_TRUE(ReturnsWithoutAWriter(
        pipe, [&] { code = RunSheetProgram(QStringList{"nuboro-sheet"} + args, outStream, errStream); }));
    EXPECT_EQ(code, kExitBadInput);
    EXPECT_TRUE(err.contains(pipe)) << err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
  }
}

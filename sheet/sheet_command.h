// The nuboro-sheet command line: worksheets from figure files, and checking learners' figures.
#pragma once

#include <QStringList>

class QTextStream;

// Exit statuses: everything went well / a learner's figure differs from the answer / bad input or a
// failed write.
inline constexpr int kExitOk = 0;
inline constexpr int kExitDiffers = 1;
inline constexpr int kExitBadInput = 2;

// `arguments` as QCoreApplication::arguments() gives them, the program's name first.
int RunSheetProgram(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Japanese texts for the few toolkit words in the command-line help ("Usage:", "Options:").
void InstallCommandLineJapanese();

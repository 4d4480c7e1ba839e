// nuboro-sheet: printable three-view worksheets from figure files, and checking learners' figures.
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "sheet_command.h"

int main(int argc, char** argv) {
  // Pages are painted with fonts, which need a GUI application but no screen; on Linux a terminal or a
  // cron job may have no display at all. Windows and macOS paint headless on their own platform.
#if defined(Q_OS_LINUX)
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("nuboro-sheet"));
  InstallCommandLineJapanese();
  QTextStream out(stdout), err(stderr);
  return RunSheetProgram(QCoreApplication::arguments(), out, err);
}

// nuboro: start the program.
#include <QApplication>
#include <QIcon>
#include <QTranslator>

#include "figure/app_state.h"
#include "figure/load_save.h"
#include "services/translation.h"
#include "shell/startup.h"
#include "window/frm_nubo_win.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Dialogs share the program's icon; desktops match the window to its menu entry by this name.
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/desktop/nuboro.svg")));
  QGuiApplication::setDesktopFileName(QStringLiteral("nuboro"));
  QTranslator qtJapanese;
  InstallToolkitJapanese(qtJapanese);
  AppState state;
  FrmNuboWin window(state);
  StartUp(window.Ctx());
  // A figure file given to the program, as the desktop passes it on a double-click.
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) OpenFigureFromCommandLine(window.Ctx(), args.at(1).toStdU16String());
  return QApplication::exec();
}

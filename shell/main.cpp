// nuboro: start the program.
#include <QApplication>
#include <QTranslator>

#include "figure/app_state.h"
#include "platform/translation.h"
#include "shell/frm_nubo_win.h"
#include "shell/startup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QTranslator qtJapanese;
  InstallToolkitJapanese(qtJapanese);
  AppState state;
  FrmNuboWin window(state);
  StartUp(window.Ctx());
  return QApplication::exec();
}

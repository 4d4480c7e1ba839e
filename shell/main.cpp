// nuboro: start the program with the sample figure in view.
#include <QApplication>
#include <QTranslator>

#include "figure/app_state.h"
#include "figure/sample_figure.h"
#include "platform/translation.h"
#include "shell/frm_nubo_win.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QTranslator qtJapanese;
  InstallToolkitJapanese(qtJapanese);
  AppState state;
  FrmNuboWin window(state);
  InitialiseApplicationState(state);
  LoadSampleFigure(state, window);
  window.show();
  return QApplication::exec();
}

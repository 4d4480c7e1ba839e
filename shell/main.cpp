// nuboro: start the program with the sample figure in view.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "figure/app_state.h"
#include "figure/sample_figure.h"
#include "shell/frm_nubo_win.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QTranslator qtJapanese;
  if (qtJapanese.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtJapanese);
  }
  AppState state;
  FrmNuboWin window(state);
  InitialiseApplicationState(state);
  LoadSampleFigure(state, window);
  window.show();
  return QApplication::exec();
}

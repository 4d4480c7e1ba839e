// The start-up baselines: an empty Qt Widgets main window of the program's size, nothing else; with
// --japanese it also has the program's Japanese menu titles and a Japanese status text, so that it loads a
// CJK font as any window of the program must.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <cstring>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("empty window"));
  // map_timer finds the main window by its role.
  window.setWindowRole(QStringLiteral("emptyWindow"));
  if (argc > 1 && std::strcmp(argv[1], "--japanese") == 0) {
    for (const char* title : {"ファイル(&F)", "編集(&E)", "表示(&V)", "オプション(&O)", "ヘルプ(&H)"})
      window.menuBar()->addMenu(QString::fromUtf8(title));
    window.statusBar()->showMessage(QStringLiteral("ようこそ！立体ヌボロへ！！"));
  }
  window.resize(640, 450);
  window.show();
  return QApplication::exec();
}

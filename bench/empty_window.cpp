// The start-up baseline: an empty Qt Widgets main window of the program's size, nothing else.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("empty window"));
  window.resize(640, 450);
  window.show();
  return QApplication::exec();
}

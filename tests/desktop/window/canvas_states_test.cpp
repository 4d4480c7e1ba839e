// The desktop's figure box after each state of tests/data/canvas_states.txt, written as PNG pictures with
// the boxes of their texts: the browser's tests hold the page's canvas to these pixels.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <map>

#include "test_main_window.h"

namespace {
using CanvasStates = StartedWindow;

const std::map<QString, int> kKeys = {
    {"F2", Qt::Key_F2},
    {"F3", Qt::Key_F3},
    {"F4", Qt::Key_F4},
    {"F5", Qt::Key_F5},
    {"F6", Qt::Key_F6},
    {"F7", Qt::Key_F7},
    {"F8", Qt::Key_F8},
    {"Enter", Qt::Key_Return},
    {"X", Qt::Key_X},
    {"Y", Qt::Key_Y},
    {"Z", Qt::Key_Z},
    {"ArrowUp", Qt::Key_Up},
    {"ArrowDown", Qt::Key_Down},
    {"ArrowLeft", Qt::Key_Left},
    {"ArrowRight", Qt::Key_Right},
};

struct State {
  QString name;
  QStringList keys;
};

std::vector<State> States() {
  QFile file(NUBORO_SOURCE_DIR "/tests/data/canvas_states.txt");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  std::vector<State> states;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    QStringList words = line.split(' ', Qt::SkipEmptyParts);
    states.push_back({words.takeFirst(), words});
  }
  return states;
}
}  // namespace

TEST(CanvasStatesList, EveryKeyIsKnown) {
  for (const State& s : States())
    for (QString key : s.keys) EXPECT_TRUE(kKeys.contains(key.remove("Shift+"))) << key.toStdString();
}

// One window for each state, as a freshly started program.
TEST(CanvasStatesPictures, WrittenForTheBrowser) {
  const QDir out(NUBORO_CANVAS_STATES);
  ASSERT_TRUE(out.mkpath("."));
  QImage start;
  for (const State& s : States()) {
    SCOPED_TRACE(s.name.toStdString());
    AppState state;
    TestWindow window{state};
    StartUp(window.Ctx());
    QApplication::processEvents();
    for (QString key : s.keys) {
      const Qt::KeyboardModifiers modifiers = key.startsWith("Shift+") ? Qt::ShiftModifier : Qt::NoModifier;
      QKeyEvent press(QEvent::KeyPress, kKeys.at(key.remove("Shift+")), modifiers);
      QApplication::sendEvent(window.picFigBox, &press);
    }
    QApplication::processEvents();
    const QImage picture = window.picFigBox->Picture().convertToFormat(QImage::Format_RGB32);
    if (start.isNull())
      start = picture;
    else
      EXPECT_NE(picture, start) << "the keys changed the picture";
    ASSERT_TRUE(picture.save(out.filePath(s.name + ".png")));
  }
}

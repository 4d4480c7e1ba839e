// What is typed during a glide on the real window: it waits in the toolkit's input queue, as keys from
// the display server do, and runs after the glide in the order it was typed; nothing runs between frames.
#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <utility>
#include <vector>

#include "test_main_window.h"
#include "view/rotation.h"

namespace {
// Notes each glide frame, every other redraw with its angles, and the save dialog; types `typedMeanwhile`
// once the first glide frame is on the screen.
class LoggingWindow : public TestWindow {
 public:
  using TestWindow::TestWindow;
  void AwaitGlideFrame() override {
    TestWindow::AwaitGlideFrame();
    inFrame_ = true;
  }
  void DrawFigure(const DisplayList& list) override {
    TestWindow::DrawFigure(list);
    if (!inFrame_) Note(QStringLiteral("draw %1,%2").arg(state_.mintAngleH).arg(state_.mintAngleV));
  }
  void PresentGlideFrame() override {
    inFrame_ = false;
    Note(QStringLiteral("frame"));
    TestWindow::PresentGlideFrame();
    Type(windowHandle(), std::exchange(typedMeanwhile, {}));
  }
  std::optional<std::u16string> RunSaveDialog(const std::u16string&,
                                              const std::vector<std::u16string>&) override {
    Note(QStringLiteral("save dialog"));
    return std::nullopt;
  }

  std::vector<QKeyCombination> typedMeanwhile;
  QStringList log;  // runs of glide frames counted: "9 frames"

 private:
  void Note(const QString& entry) {
    if (entry != u"frame") {
      log << entry;
    } else if (!log.isEmpty() && log.last().endsWith(u" frames")) {
      log.last() = QStringLiteral("%1 frames").arg(log.last().section(u' ', 0, 0).toInt() + 1);
    } else {
      log << QStringLiteral("1 frames");
    }
  }
  const AppState& state_ = Ctx().state;
  bool inFrame_ = false;
};

class GlideInput : public ::testing::Test {
 protected:
  void SetUp() override {
    StartUp(window.Ctx());
    QApplication::processEvents();
  }
  // The log from the first glide frame on: a tick may come before it.
  QStringList FromFirstFrame() const {
    const auto first = std::find_if(window.log.begin(), window.log.end(),
                                    [](const QString& e) { return e.endsWith(u" frames"); });
    return QStringList(first, window.log.end());
  }
  AppState state;
  LoggingWindow window{state};
};
}  // namespace

TEST_F(GlideInput, WhatIsTypedDuringAGlideRunsAfterItInOrder) {
  struct Case {
    const char* name;
    bool turning;
    std::vector<QKeyCombination> keys, meanwhile;
    QStringList log;  // frames as the rules count them from (-45, 30)
  };
  const Case cases[] = {
      {"a shortcut", false, {Qt::Key_F3}, {Qt::CTRL | Qt::Key_S}, {"9 frames", "save dialog", "draw 0,0"}},
      {"front, then top", false, {Qt::Key_F3}, {Qt::Key_F4}, {"27 frames"}},
      {"top, then front", false, {Qt::Key_F4}, {Qt::Key_F3}, {"30 frames"}},
      // The three views, the isometric view at once and its redraw; then the ticks go on from there.
      {"the rotation timer",
       true,
       {Qt::Key_F7},
       {},
       {"45 frames", "draw -45,35", "draw -45,35", "draw -40,35"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    state.mintAngleH = -45, state.mintAngleV = 30;
    if (k.turning) StartTurning(window.Ctx());
    window.log.clear();
    window.typedMeanwhile = k.meanwhile;
    Type(window.windowHandle(), k.keys);
    RunEventsUntil([&] { return FromFirstFrame().mid(0, k.log.size()) == k.log; });
    const QStringList log = FromFirstFrame();
    EXPECT_EQ(log.mid(0, k.log.size()), k.log) << log.join(u" | ").toStdString();
    for (const QString& later : log.mid(k.log.size()))
      EXPECT_FALSE(later.endsWith(u" frames")) << later.toStdString();

    StopTurning(window.Ctx());
    if (state.mblnThirdAngle) Type(window.windowHandle(), {Qt::Key_F7});
    RunEventsUntil([&] { return !state.mblnThirdAngle; });
  }
}

// Turning and zooming by hand on the real window: mouse drags, the wheel and touch against the keys.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "test_main_window.h"
#include "view/hand_gesture.h"
#include "view/view_commands.h"

namespace {
class Hands : public StartedWindow {
 protected:
  struct Seen {
    int h, v;
    float zoom;
    QImage picture;
  };
  Seen Now() const {
    return {state.mintAngleH, state.mintAngleV, state.msngZoom, window.picFigBox->Picture()};
  }
  void Back(const Seen& s) {
    state.msngZoom = s.zoom;
    SetView(window.Ctx(), static_cast<int16_t>(s.h), static_cast<int16_t>(s.v));
  }
  static void ExpectSame(const Seen& a, const Seen& b) {
    EXPECT_EQ(a.h, b.h);
    EXPECT_EQ(a.v, b.v);
    EXPECT_EQ(a.zoom, b.zoom);
    EXPECT_TRUE(a.picture == b.picture);
  }
  void Drag(QWidget* box, QPoint from, QPoint to) {
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, from);
    // In single pixels, as a hand moves.
    const QPoint d = to - from;
    const int n = std::max(std::abs(d.x()), std::abs(d.y()));
    for (int i = 1; i <= n; ++i) QTest::mouseMove(box, from + d * i / n);
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, to);
  }
  void Wheel(int units) {
    const QPointF at(100, 100);
    QWheelEvent e(at, window.picFigBox->mapToGlobal(at), {}, {0, units}, Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.picFigBox, &e);
  }
  void Keys(int key, int times, Qt::KeyboardModifiers m = Qt::NoModifier) {
    for (int i = 0; i < times; ++i) Press(key, m);
  }
};
constexpr int kStep = kPixelsPerTurnStep;
}  // namespace

// A drag of N steps each way ends where N arrow presses end, with the same picture; a click does nothing.
TEST_F(Hands, DragAndClickOnTheCanvas) {
  const Seen start = Now();
  QTest::mouseClick(window.picFigBox, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
  ExpectSame(Now(), start);

  Drag(window.picFigBox, QPoint(100, 100), QPoint(100 + 4 * kStep + 5, 100 + 2 * kStep));
  const Seen dragged = Now();
  EXPECT_EQ(dragged.h, start.h + 20);
  EXPECT_EQ(dragged.v, start.v + 10);
  EXPECT_EQ(window.sbrExplanation->text().toStdU16String(), kHandsText);

  Back(start);
  Keys(Qt::Key_Right, 4);
  Keys(Qt::Key_Up, 2);
  ExpectSame(Now(), dragged);

  // With the three views shown, only the live picture turns.
  Press(Qt::Key_F7);
  const Seen shown = Now();
  Drag(window.picFrontView, QPoint(10, 10), QPoint(10 + 3 * kStep, 10));
  ExpectSame(Now(), shown);
  Drag(window.picFigBox, QPoint(10, 10), QPoint(10 + 3 * kStep, 10));
  EXPECT_EQ(state.mintAngleH, shown.h + 15);
}

// Wheel notches and a pinch are F2 and Shift+F2; a one-finger touch turns like a drag.
TEST_F(Hands, WheelAndTouch) {
  const Seen start = Now();
  Wheel(3 * kWheelUnitsPerNotch);
  Wheel(-kWheelUnitsPerNotch);
  const Seen wheeled = Now();
  Back(start);
  Keys(Qt::Key_F2, 3);
  Keys(Qt::Key_F2, 1, Qt::ShiftModifier);
  ExpectSame(Now(), wheeled);

  Back(start);
  // Ours to delete: Qt keeps only a list of devices.
  const std::unique_ptr<QPointingDevice> device(QTest::createTouchDevice());
  QPointingDevice* screen = device.get();
  QWidget* box = window.picFigBox;
  QTest::touchEvent(box, screen).press(0, QPoint(100, 100));
  for (int x = 101; x <= 100 + 3 * kStep; ++x) QTest::touchEvent(box, screen).move(0, QPoint(x, 100));
  QTest::touchEvent(box, screen).release(0, QPoint(100 + 3 * kStep, 100));
  EXPECT_EQ(state.mintAngleH, start.h + 15);
  EXPECT_EQ(state.mintAngleV, start.v);

  const int spread = static_cast<int>(2 * kPinchPixelsPerZoomStep) + 2;
  QTest::touchEvent(box, screen).press(0, QPoint(100, 100)).press(1, QPoint(140, 100));
  QTest::touchEvent(box, screen).move(0, QPoint(100, 100)).move(1, QPoint(140 + spread / 2, 100));
  QTest::touchEvent(box, screen).move(0, QPoint(100, 100)).move(1, QPoint(140 + spread, 100));
  QTest::touchEvent(box, screen).release(0, QPoint(100, 100)).release(1, QPoint(140 + spread, 100));
  EXPECT_FLOAT_EQ(state.msngZoom, start.zoom * 1.1f * 1.1f);
  EXPECT_EQ(state.mintAngleH, start.h + 15);
}

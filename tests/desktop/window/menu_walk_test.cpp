// After a walk through the menus, typed at the real window through the toolkit's input queue: the keys
// are the dispatcher's again, whatever the walk left behind.
#include <gtest/gtest.h>

#include <qpa/qwindowsysteminterface.h>
#include <QApplication>
#include <QMenuBar>
#include <vector>

#include "test_main_window.h"
#include "view/rotation.h"

namespace {
// The walk typed has run to its end: nothing left in the queue, no menu or dialog open.
bool WalkDone() {
  return QWindowSystemInterface::windowSystemEventsQueued() == 0 && !QApplication::activePopupWidget() &&
         !QApplication::activeModalWidget();
}
}  // namespace

TEST_F(StartedWindow, EscapeStopsTheRotationAfterAnyMenuWalk) {
  struct Case {
    const char* name;
    std::vector<QKeyCombination> walk;
  };
  const Case cases[] = {
      {"out of one menu", {Qt::ALT | Qt::Key_F, Qt::Key_Escape, Qt::Key_Escape}},
      // A menu's letter typed while another menu's title is lit: leaving it left the menu bar the focus.
      {"a menu opened from another",
       {Qt::ALT | Qt::Key_F, Qt::Key_Escape, Qt::ALT | Qt::Key_H, Qt::Key_Escape, Qt::Key_Escape}},
      {"the version box opened from another menu",
       {Qt::ALT | Qt::Key_F, Qt::Key_Escape, Qt::ALT | Qt::Key_H, Qt::Key_Down, Qt::Key_Return}},
  };
  window.show();
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    window.activateWindow();
    window.FocusFigureBox();
    RunEventsUntil([&] { return QApplication::focusWidget() == window.picFigBox; });
    Type(window.windowHandle(), k.walk);
    RunEventsUntil([&] { return WalkDone() && !window.menuBar()->activeAction(); });
    window.UnloadAboutWindow();
    window.activateWindow();
    RunEventsUntil([&] { return QApplication::activeWindow() == &window; });

    StartTurning(window.Ctx());
    Type(window.windowHandle(), {Qt::Key_Escape});
    RunEventsUntil([&] { return !state.mblnTurning; });
    EXPECT_FALSE(state.mblnTurning);
    // The next keys go straight to the figure, not through a menu bar holding the focus.
    EXPECT_EQ(QApplication::focusWidget(), window.picFigBox);
    StopTurning(window.Ctx());
  }
}

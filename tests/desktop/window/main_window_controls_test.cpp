// The real main window, offscreen: its menu tree, toolbar and buttons as built, and the doors to the
// dispatcher.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <utility>

#include "construction/virtual_keys.h"
#include "figure/text.h"
#include "settings/operation_settings.h"
#include "shell/window_layout.h"
#include "test_main_window.h"

namespace {

// One line per menu entry: indentation by level, name, caption, shortcut, "check" for check-mark items.
void Walk(QMenu* menu, int level, QStringList& out) {
  for (QAction* a : menu->actions()) {
    QString line = QString(level * 2, u' ') + a->objectName();
    if (a->isSeparator())
      line += QStringLiteral(" ---");
    else
      line += u' ' + a->text();
    if (!a->shortcut().isEmpty()) line += u' ' + a->shortcut().toString();
    if (a->isCheckable()) line += a->actionGroup() ? QStringLiteral(" radio") : QStringLiteral(" check");
    out << line;
    if (a->menu()) Walk(a->menu(), level + 1, out);
  }
}

using MainWindow = StartedWindow;

QStringList* gRan = nullptr;
const KeyRow kKeys[] = {
    {'X', [](Context&, int16_t s) { gRan->append(QStringLiteral("X %1").arg(s)); },
     [](Context&, int16_t s) { gRan->append(QStringLiteral("X %1").arg(s)); }, nullptr},
    {39, [](Context&, int16_t) { gRan->append(QStringLiteral("Right")); }, nullptr, nullptr}};
const DispatchTables kKeyTables{{}, kKeys, {}, nullptr};
}  // namespace

TEST_F(MainWindow, MenuTreeIsTheDesignedOne) {
  QStringList tree;
  for (QAction* top : window.menuBar()->actions()) {
    tree << top->objectName() + u' ' + top->text();
    Walk(top->menu(), 1, tree);
  }
  // As the controls' table has it: the menus in order, a radio mark for the one-of-three groups.
  const auto inGroup = [](Control id) {
    for (const auto& l : kDifficultyLevels)
      if (l.menuItem == id) return true;
    for (const auto& p : kScreenProfiles)
      if (p.menuItem == id) return true;
    return false;
  };
  QStringList expected;
  for (const ControlRow& row : ControlTable()) {
    if (row.kind > ControlKind::Separator) continue;
    QString line = QString(row.place * 2, u' ') + QString::fromLatin1(row.name);
    line +=
        row.kind == ControlKind::Separator ? QStringLiteral(" ---") : u' ' + QString::fromUtf8(row.caption);
    if (*row.shortcut) line += u' ' + QString::fromLatin1(row.shortcut);
    if (row.checkable) line += inGroup(row.id) ? QStringLiteral(" radio") : QStringLiteral(" check");
    expected << line;
  }
  ASSERT_EQ(expected.size(), 41);
  EXPECT_EQ(tree, expected);
}

TEST_F(MainWindow, ToolbarPositionsCountTheSeparators) {
  // Position by position: key and tooltip, "" for a separator.
  std::pair<const char*, const char*> design[19]{};
  for (auto& d : design) d = {"", ""};
  for (const ControlRow& row : ControlTable()) {
    if (row.kind == ControlKind::ToolbarKey) design[row.place - 1] = {row.name, row.caption};
  }
  ASSERT_EQ(window.tlbToolBar->actions().size(), 19);
  ASSERT_EQ(window.imglstToolBar.size(), 14);
  int image = 0;
  for (int pos = 1; pos <= 19; ++pos) {
    QAction* b = window.ToolbarButton(pos);
    const QString key = QString::fromUtf8(design[pos - 1].first);
    EXPECT_EQ(b, window.tlbToolBar->actions().at(pos - 1));
    EXPECT_EQ(b->isSeparator(), key.isEmpty()) << pos;
    if (b->isSeparator()) continue;
    EXPECT_EQ(b->objectName(), key);
    EXPECT_EQ(b->toolTip(), QString::fromUtf8(design[pos - 1].second)) << pos;
    EXPECT_EQ(b->icon().cacheKey(), window.imglstToolBar.at(image++).cacheKey()) << pos;
    EXPECT_FALSE(b->icon().isNull()) << pos;
    EXPECT_FALSE(b->isCheckable());
  }
  EXPECT_EQ(window.tlbToolBar->iconSize(), QSize(32, 32));
  // Icons only, no captions; the big two are 48 pixels.
  for (int i = 0; i < 13; ++i) {
    EXPECT_TRUE(window.PictureButton(i)->text().isEmpty());
    EXPECT_FALSE(window.PictureButton(i)->icon().isNull()) << i;
  }
  EXPECT_EQ(window.PictureButton(11)->iconSize(), QSize(48, 48));
}

TEST_F(MainWindow, ClientAreaIsTheProfileAndTheBarsAreDockedInIt) {
  EXPECT_EQ(window.centralWidget()->size(), QSize(640, 450));
  EXPECT_EQ(window.tlbToolBar->geometry().top(), 0);
  EXPECT_EQ(window.sbrConditionNow->geometry().bottom(), 449);
  EXPECT_EQ(window.picFigBox->geometry().top(), window.ToolbarHeight() + 2);
  EXPECT_EQ(window.picFigBox->geometry().bottom(), 450 - window.StatusBarHeight() - 1);
  EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "no resizing by dragging";
  EXPECT_EQ(window.sbrExplanation->text(), QStringLiteral("ようこそ！立体ヌボロへ！！"));
  EXPECT_EQ(window.sbrAngle->text(), QStringLiteral("(^o^)/"));
  EXPECT_EQ(window.sbrExplanation->width(), 488);
}

TEST_F(MainWindow, MenuRowsOfThisWindowRunTheirOperations) {
  window.MenuItem(Control::mnuExpansion1)->trigger();
  EXPECT_EQ(window.centralWidget()->size(), QSize(800, 570));
  EXPECT_TRUE(window.IsChecked(Control::mnuExpansion1));
  EXPECT_TRUE(window.MenuItem(Control::mnuExpansion1)->isChecked());
  EXPECT_FALSE(window.MenuItem(Control::mnuNormalSize)->isChecked());
  EXPECT_EQ(window.picFigBox->width(), 648);

  // Clicking a checked size again keeps its mark: marks belong to the operations, not the clicks.
  window.MenuItem(Control::mnuExpansion1)->trigger();
  EXPECT_TRUE(window.MenuItem(Control::mnuExpansion1)->isChecked());
  // Nor does a click that the operation turns down move the radio mark.
  window.SetEnabled(Control::mnuSenior, true);
  window.SetChecked(Control::mnuMidClass, true);
  window.SetChecked(Control::mnuBeginner, false);
  window.MenuItem(Control::mnuMidClass)->trigger();
  for (Control item : {Control::mnuBeginner, Control::mnuMidClass, Control::mnuSenior, Control::mnuNormalSize,
                       Control::mnuExpansion1, Control::mnuExpansion2}) {
    EXPECT_EQ(window.MenuItem(item)->isChecked(), window.IsChecked(item)) << ControlName(item);
  }
  EXPECT_TRUE(window.IsChecked(Control::mnuMidClass));
  EXPECT_FALSE(window.IsChecked(Control::mnuBeginner));

  window.MenuItem(Control::mnuShowVersion)->trigger();
  ASSERT_NE(window.About(), nullptr);
  EXPECT_TRUE(window.About()->isVisible());
  EXPECT_TRUE(window.About()->bot->isVisible());
  // The three ways out: QuitDoors.
}

// Icon-only buttons, canvases and panels are named for screen readers; menu items by their captions.
TEST_F(MainWindow, EveryControlHasAnAccessibleName) {
  QStringList nameless;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (w->objectName().startsWith(u"qt_") ||
        !(qobject_cast<QAbstractButton*>(w) || qobject_cast<PictureBox*>(w) || qobject_cast<QLabel*>(w)))
      continue;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    if (!a || a->text(QAccessible::Name).trimmed().isEmpty()) nameless << w->objectName();
  }
  for (QAction* a : window.findChildren<QAction*>()) {
    if (!a->isSeparator() && !a->objectName().isEmpty() && a->text().isEmpty()) nameless << a->objectName();
  }
  EXPECT_TRUE(nameless.isEmpty()) << nameless.join(u' ').toStdString();
  window.SetExplanationText({});
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window.sbrExplanation)->text(QAccessible::Name),
            QStringLiteral("説明："));
  EXPECT_FALSE(window.windowIcon().pixmap(QSize(32, 32)).isNull());
}

// The real way out, through each of its three doors: one request closes the window and keeps the settings.
TEST(MainWindowEnd, EachDoorClosesTheWindowAtOnceAndStoresTheSettings) {
  class EndingWindow : public TestWindow {
   public:
    using TestWindow::TestWindow;
    void EndProgram() override { FrmNuboWin::EndProgram(); }
  };
  const std::function<void(FrmNuboWin&)> doors[] = {
      [](FrmNuboWin& w) { w.MenuItem(Control::mnuFin)->trigger(); },
      [](FrmNuboWin& w) { w.ToolbarButton(1)->trigger(); },
      [](FrmNuboWin& w) { w.close(); },
  };
  for (const auto& door : doors) {
    AppState state;
    EndingWindow window{state};
    StartUp(window.Ctx());
    QApplication::processEvents();
    window.MenuItem(Control::mnuShowVersion)->trigger();
    ASSERT_NE(window.About(), nullptr);
    ASSERT_TRUE(window.About()->isVisible());
    door(window);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.About() && window.About()->isVisible());
    EXPECT_EQ(window.settings.writes.size(), 5);
    EXPECT_EQ(window.settings.values[u"Option/Difficulty"], u"0");
  }
}

TEST_F(MainWindow, KeyPreviewSeesKeysWhateverControlHasTheFocus) {
  QStringList ran;
  gRan = &ran;
  window.UseDispatchTables(kKeyTables);
  QWidget* targets[] = {window.picFigBox, window.PictureButton(0), window.sbrConditionNow, window.tlbToolBar};
  for (QWidget* target : targets) Press(Qt::Key_X, Qt::ShiftModifier, target);
  EXPECT_EQ(ran, QStringList(4, QStringLiteral("X 1")));

  // While the dispatcher works, key preview is off and a key-down reaches nobody.
  ran.clear();
  window.SetKeyPreview(false);
  Press(Qt::Key_X);
  EXPECT_TRUE(ran.isEmpty());
  window.SetKeyPreview(true);

  // Alt alone puts the menu bar in charge of the keys; they walk its menus instead.
  window.activateWindow();
  window.picFigBox->setFocus();
  QKeyEvent alt(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
  QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
  QApplication::sendEvent(window.picFigBox, &alt);
  QApplication::sendEvent(window.picFigBox, &altUp);
  ASSERT_EQ(QApplication::focusWidget(), window.menuBar());
  QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
  QApplication::sendEvent(window.menuBar(), &right);
  EXPECT_TRUE(ran.isEmpty());
  // Back on the canvas the same key is the dispatcher's again.
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window.menuBar(), &esc);
  window.picFigBox->setFocus();
  QApplication::sendEvent(window.picFigBox, &right);
  EXPECT_EQ(ran, QStringList{QStringLiteral("Right")});
  gRan = nullptr;
}

TEST_F(MainWindow, PictureButtonsHandTheFocusBackToTheCanvas) {
  window.sbrConditionNow->setFocusPolicy(Qt::StrongFocus);
  window.activateWindow();
  window.sbrConditionNow->setFocus();
  window.PictureButton(0)->click();
  EXPECT_EQ(QApplication::focusWidget(), window.picFigBox);
}

TEST_F(MainWindow, TimersAreSetAsDesigned) {
  auto* watchman = window.findChild<QTimer*>(QStringLiteral("Watchman"));
  auto* explanation = window.findChild<QTimer*>(QStringLiteral("WatchExplanation"));
  auto* turning = window.findChild<QTimer*>(QStringLiteral("TurningTimer"));
  ASSERT_TRUE(watchman && explanation && turning);
  EXPECT_EQ(watchman->interval(), 500);
  EXPECT_TRUE(watchman->isActive());
  EXPECT_EQ(explanation->interval(), 10000);
  EXPECT_TRUE(explanation->isActive());
  EXPECT_EQ(turning->interval(), 100);
  EXPECT_FALSE(turning->isActive());
}

// The teacher's two dialogs open modally from their menu items and hand their outcome to the program.
TEST_F(MainWindow, OptionDialogsOpenFromTheirItemsAndTakeEffect) {
  auto* options = window.findChild<QDialog*>(QStringLiteral("frmOtherOption"));
  ASSERT_NE(options, nullptr) << "prepared at start-up";
  EXPECT_FALSE(options->isVisible());
  bool wasModal = false;
  QTimer::singleShot(0, [&] {
    QWidget* open = QApplication::activeModalWidget();
    wasModal = open == options;
    if (!wasModal) return;
    options->findChild<QCheckBox*>(QStringLiteral("EnabledCheck"))->setChecked(true);
    options->findChild<QSlider*>(QStringLiteral("SlidermintUnitLength"))->setValue(5);
    options->findChild<QSlider*>(QStringLiteral("SlidermintMaxSize"))->setValue(700);
    options->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  window.MenuItem(Control::mnuOtherOption)->trigger();
  EXPECT_TRUE(wasModal);
  EXPECT_FALSE(options->isVisible());
  EXPECT_EQ(state.mintUnitLength, 5);
  EXPECT_EQ(state.mintMaxSize, 700);

  // The data folder dialog: cancelled, nothing changes; it is gone afterwards.
  QString caption;
  QTimer::singleShot(0, [&] {
    QWidget* open = QApplication::activeModalWidget();
    if (!open) return;
    caption = open->windowTitle();
    open->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
  });
  window.MenuItem(Control::mnuDataPath)->trigger();
  EXPECT_EQ(caption, QStringLiteral("データ保存パスの変更"));
  EXPECT_EQ(state.mstrDataPath, u"./data");
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The two running timers reach their ticks: the watchman marks the title, the explanation empties.
TEST_F(MainWindow, TimerTicksReachTheStatusBarAndTitle) {
  auto* watchman = window.findChild<QTimer*>(QStringLiteral("Watchman"));
  auto* explanation = window.findChild<QTimer*>(QStringLiteral("WatchExplanation"));
  ASSERT_TRUE(watchman && explanation);
  state.mblnModified = true;
  ASSERT_TRUE(QMetaObject::invokeMethod(watchman, "timeout"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("立体ヌボロ for Windows Ver3.1　*[変更あり]"));
  EXPECT_NE(window.sbrAngle->text(), QStringLiteral("(^o^)/"))
      << "the start-up angle is no preset: a face frame";
  // Every frame is as wide as the next in the panel's font, so the face does not hop between them.
  const QFontMetrics metrics(window.sbrAngle->font());
  for (std::u16string_view frame : kFaceFrames)
    EXPECT_EQ(metrics.horizontalAdvance(QString::fromStdU16String(std::u16string(frame))),
              metrics.horizontalAdvance(QString::fromStdU16String(std::u16string(kFaceFrames[0]))))
        << Utf8FromUtf16(frame);
  ASSERT_TRUE(QMetaObject::invokeMethod(explanation, "timeout"));
  EXPECT_TRUE(window.sbrExplanation->text().isEmpty());
}

TEST_F(MainWindow, HelpItemOpensTheHelpWindowBesideTheMainWindow) {
  window.MenuItem(Control::mnuHelpCall)->trigger();
  ASSERT_NE(window.Help(), nullptr);
  EXPECT_TRUE(window.Help()->isVisible());
  EXPECT_TRUE(window.Help()->isWindow());
  EXPECT_TRUE(window.isVisible());
}

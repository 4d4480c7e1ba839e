// Building the main window's controls from the control tables, each wired to the dispatcher.
#include <QAction>
#include <QActionGroup>
#include <QFontDatabase>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <vector>

#include "construction/controls.h"
#include "settings/operation_settings.h"
#include "shell/frm_nubo_win.h"
#include "shell/window_layout.h"
#include "shell/wood_panel.h"

namespace {
QIcon DesignIcon(const QString& name) { return QIcon(QStringLiteral(":/icons/%1.svg").arg(name)); }

// Timers as designed: interval, and whether they run from the start.
struct TimerDesign {
  const char* name;
  int interval;
  bool running;
};
constexpr TimerDesign kTimers[] = {
    {"TurningTimer", 100, false},
    {"Watchman", 500, true},
    {"WatchExplanation", 0, true},  // fires only once start-up gives it an interval
};
}  // namespace

void FrmNuboWin::BuildMenus() {
  std::vector<QMenu*> open;  // the menu at each level while walking the tree
  for (const MenuEntry& e : kMenuTree) {
    const QString name = QString::fromLatin1(e.name);
    const QString caption = QString::fromUtf8(e.caption);
    open.resize(e.level);
    if (e.kind == MenuKind::TopLevel || e.kind == MenuKind::Submenu) {
      QMenu* menu = e.level == 0 ? menuBar()->addMenu(caption) : open.back()->addMenu(caption);
      menu->setObjectName(name);
      menu->menuAction()->setObjectName(name);
      controls_.insert(name, menu->menuAction());
      open.push_back(menu);
      continue;
    }
    QAction* action =
        e.kind == MenuKind::Separator ? open.back()->addSeparator() : open.back()->addAction(caption);
    action->setObjectName(name);
    controls_.insert(name, action);
    if (e.kind == MenuKind::Separator) continue;
    if (*e.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
    if (e.checkable) {
      // Marked as designed; start-up sets the real marks.
      action->setCheckable(true);
      action->setChecked(true);
      checked_.insert(name, true);
    }
    connect(action, &QAction::triggered, this, [this, name, action] {
      // The marks are the operations' to set: a click does not move them by itself, in a group neither.
      if (QActionGroup* group = action->actionGroup()) {
        for (QAction* member : group->actions()) member->setChecked(checked_.value(member->objectName()));
      } else if (action->isCheckable()) {
        action->setChecked(checked_.value(name));
      }
      MenuClick(context_, *tables_, name);
    });
  }
  GroupOneOfThree();
}

// The one-of-three choices show the platform's radio marks; which one is ticked stays in checked_.
void FrmNuboWin::GroupOneOfThree() {
  const auto group = [this](auto const& rows) {
    auto* g = new QActionGroup(this);
    // Exclusive marks but no forced tick: the operations untick one item before ticking the next.
    g->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const auto& row : rows) g->addAction(MenuItem(QString::fromLatin1(row.menuItem)));
  };
  group(kDifficultyLevels);
  group(kScreenProfiles);
}

void FrmNuboWin::BuildToolbar() {
  tlbToolBar = new QToolBar(client_);
  tlbToolBar->setObjectName(QStringLiteral("tlbToolBar"));
  tlbToolBar->setMovable(false);
  tlbToolBar->setFloatable(false);
  tlbToolBar->setIconSize(QSize(32, 32));
  tlbToolBar->setFocusPolicy(Qt::NoFocus);
  for (size_t i = 0; i < kToolbar.size(); ++i) {
    const ToolbarEntry& e = kToolbar[i];
    if (!e.key) {
      toolbarPositions_[i] = tlbToolBar->addSeparator();
      continue;
    }
    const QString key = QString::fromLatin1(e.key);
    // The image list: images 1 to 14 belong to the keyed buttons in order.
    imglstToolBar.append(DesignIcon(key));
    // The tooltip doubles as the caption that screen readers speak; the bar shows icons only.
    QAction* button = tlbToolBar->addAction(imglstToolBar.last(), QString::fromUtf8(e.tooltip));
    button->setObjectName(key);
    button->setToolTip(QString::fromUtf8(e.tooltip));
    controls_.insert(key, button);
    toolbarPositions_[i] = button;
    connect(button, &QAction::triggered, this, [this, key] { ToolbarClick(context_, *tables_, key); });
  }
  for (QToolButton* b : tlbToolBar->findChildren<QToolButton*>()) b->setFocusPolicy(Qt::NoFocus);
}

void FrmNuboWin::BuildPictureButtons() {
  picSecondaryTools = new WoodPanel(client_);
  picSecondaryTools->setObjectName(QStringLiteral("picSecondaryTools"));
  controls_.insert(QStringLiteral("picSecondaryTools"), picSecondaryTools);
  for (int i = 0; i < kPictureButtonCount; ++i) {
    auto* button = new QToolButton(picSecondaryTools);
    const QString name = QStringLiteral("command1(%1)").arg(i);
    button->setObjectName(name);
    button->setIcon(DesignIcon(QStringLiteral("command1_%1").arg(i)));
    const int size = PictureButtonIconSize(i);
    button->setIconSize(QSize(size, size));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAccessibleName(QString::fromUtf8(kPictureButtonNames[i]));
    button->setFocusPolicy(Qt::NoFocus);
    controls_.insert(name, button);
    command1_[i] = button;
    connect(button, &QToolButton::clicked, this,
            [this, i] { PictureButtonClick(context_, *tables_, static_cast<int16_t>(i)); });
  }
}

void FrmNuboWin::BuildStatusBar() {
  sbrConditionNow = new QStatusBar(client_);
  sbrConditionNow->setObjectName(QStringLiteral("sbrConditionNow"));
  sbrConditionNow->setSizeGripEnabled(false);
  sbrExplanation = new QLabel(kExplanationPanelDesignText.toString());
  sbrAngle = new QLabel(kAnglePanelDesignText.toString());
  for (QLabel* panel : {sbrExplanation, sbrAngle}) {
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
  }
  sbrExplanation->setObjectName(QStringLiteral("sbrExplanation"));
  sbrAngle->setObjectName(QStringLiteral("sbrAngle"));
  // Every character the same width, so that the watchman's face stays in place between its frames.
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSizeF(sbrAngle->font().pointSizeF());
  sbrAngle->setFont(fixed);
  sbrConditionNow->addWidget(sbrExplanation);
  sbrConditionNow->addWidget(sbrAngle, 1);
}

void FrmNuboWin::BuildTimers() {
  for (const TimerDesign& t : kTimers) {
    auto* timer = new QTimer(this);
    const QString name = QString::fromLatin1(t.name);
    timer->setObjectName(name);
    timer->setInterval(t.interval);
    timer->setProperty("designRunning", t.running);
    if (t.running && t.interval > 0) timer->start();
    controls_.insert(name, timer);
    connect(timer, &QTimer::timeout, this, [this, name] { TimerTick(context_, *tables_, name); });
  }
}

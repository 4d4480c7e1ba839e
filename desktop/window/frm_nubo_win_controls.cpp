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
#include <algorithm>
#include <vector>

#include "construction/controls.h"
#include "qt_convert.h"
#include "settings/operation_settings.h"
#include "shell/timers.h"
#include "shell/window_layout.h"
#include "window/frm_nubo_win.h"
#include "window/wood_panel.h"

namespace {
QIcon DesignIcon(const QString& name) { return QIcon(QStringLiteral(":/icons/%1.svg").arg(name)); }

QString Name(const ControlRow& row) { return QString::fromLatin1(row.name); }

}  // namespace

void FrmNuboWin::BuildMenus() {
  std::vector<QMenu*> open;  // the menu at each level while walking the tree
  for (const ControlRow& e : ControlTable()) {
    if (e.kind > ControlKind::Separator) continue;
    const QString name = Name(e);
    const QString caption = QString::fromUtf8(e.caption);
    const Control id = e.id;
    open.resize(e.place);
    if (e.kind == ControlKind::TopLevel || e.kind == ControlKind::Submenu) {
      QMenu* menu = e.place == 0 ? menuBar()->addMenu(caption) : open.back()->addMenu(caption);
      menu->setObjectName(name);
      menu->menuAction()->setObjectName(name);
      Keep(id, menu->menuAction());
      open.push_back(menu);
      continue;
    }
    QAction* action =
        e.kind == ControlKind::Separator ? open.back()->addSeparator() : open.back()->addAction(caption);
    action->setObjectName(name);
    Keep(id, action);
    if (e.kind == ControlKind::Separator) continue;
    if (*e.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
    if (e.checkable) {
      // Marked as designed; start-up sets the real marks.
      action->setCheckable(true);
      action->setChecked(true);
      checked_[static_cast<size_t>(id)] = true;
    }
    connect(action, &QAction::triggered, this, [this, id, action] {
      // The marks are the operations' to set: a click does not move them by itself, in a group neither.
      if (QActionGroup* group = action->actionGroup()) {
        for (QAction* member : group->actions()) member->setChecked(checked_[IndexOf(member)]);
      } else if (action->isCheckable()) {
        action->setChecked(checked_[static_cast<size_t>(id)]);
      }
      Click(context_, *tables_, id);
    });
  }
  GroupOneOfThree();
}

size_t FrmNuboWin::IndexOf(const QObject* control) const {
  return static_cast<size_t>(std::find(controls_.begin(), controls_.end(), control) - controls_.begin());
}

// The one-of-three choices show the platform's radio marks; which one is ticked stays in checked_.
void FrmNuboWin::GroupOneOfThree() {
  const auto group = [this](auto const& rows) {
    auto* g = new QActionGroup(this);
    // Exclusive marks but no forced tick: the operations untick one item before ticking the next.
    g->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const auto& row : rows) g->addAction(MenuItem(row.menuItem));
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
  std::array<const ControlRow*, kToolbarPositions> keys{};
  for (const ControlRow& e : ControlTable()) {
    if (e.kind == ControlKind::ToolbarKey) keys.at(e.place - 1) = &e;
  }
  for (size_t i = 0; i < keys.size(); ++i) {
    if (!keys[i]) {
      toolbarPositions_[i] = tlbToolBar->addSeparator();
      continue;
    }
    const ControlRow& e = *keys[i];
    // The image list: images 1 to 14 belong to the keyed buttons in order.
    imglstToolBar.append(DesignIcon(Name(e)));
    // The tooltip doubles as the caption that screen readers speak; the bar shows icons only.
    QAction* button = tlbToolBar->addAction(imglstToolBar.last(), QString::fromUtf8(e.caption));
    button->setObjectName(Name(e));
    button->setToolTip(QString::fromUtf8(e.caption));
    Keep(e.id, button);
    toolbarPositions_[i] = button;
    connect(button, &QAction::triggered, this, [this, id = e.id] { Click(context_, *tables_, id); });
  }
  for (QToolButton* b : tlbToolBar->findChildren<QToolButton*>()) b->setFocusPolicy(Qt::NoFocus);
}

void FrmNuboWin::BuildPictureButtons() {
  picSecondaryTools = new WoodPanel(client_);
  picSecondaryTools->setObjectName(QString::fromLatin1(ControlName(Control::picSecondaryTools)));
  Keep(Control::picSecondaryTools, picSecondaryTools);
  for (int i = 0; i < kPictureButtonCount; ++i) {
    const auto index = static_cast<::PictureButton>(i);
    const ControlRow& e = RowOf(Command1(index));
    auto* button = new QToolButton(picSecondaryTools);
    button->setObjectName(Name(e));
    // The icon file has the index after an underscore, not in brackets.
    button->setIcon(DesignIcon(Name(e).replace(u'(', u'_').remove(u')')));
    const int size = PictureButtonIconSize(index);
    button->setIconSize(QSize(size, size));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAccessibleName(QString::fromUtf8(e.caption));
    button->setFocusPolicy(Qt::NoFocus);
    Keep(e.id, button);
    command1_[i] = button;
    connect(button, &QToolButton::clicked, this,
            [this, index] { PictureButtonClick(context_, *tables_, index); });
  }
}

void FrmNuboWin::BuildStatusBar() {
  sbrConditionNow = new QStatusBar(client_);
  sbrConditionNow->setObjectName(QStringLiteral("sbrConditionNow"));
  sbrConditionNow->setSizeGripEnabled(false);
  sbrExplanation = new QLabel(ToQt(kExplanationPanelDesignText));
  sbrAngle = new QLabel(ToQt(kAnglePanelDesignText));
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
    timer->setObjectName(QString::fromLatin1(ControlName(t.id)));
    timer->setInterval(t.interval);
    timer->setProperty("designRunning", t.running);
    if (t.running && t.interval > 0) timer->start();
    Keep(t.id, timer);
    connect(timer, &QTimer::timeout, this, [this, id = t.id] { TimerTick(context_, *tables_, id); });
  }
}

// The main window: canvases, key preview, and the operations' ports over its Qt controls.
#include "window/frm_nubo_win.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineF>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTouchEvent>
#include <QWheelEvent>
#include <thread>

#include "construction/virtual_keys.h"
#include "dialogs/file_dialog.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_other_option.h"
#include "dialogs/frm_path_setting.h"
#include "dialogs/help_viewer.h"
#include "dialogs/message_box.h"
#include "figure/app_state.h"
#include "figure/figure_file.h"
#include "qt_convert.h"
#include "services/clipboard.h"
#include "services/ini_settings_store.h"
#include "services/sound.h"
#include "settings/other_options.h"
#include "window/picture_box.h"
#include "window/qt_keys.h"
#include "window/wood_panel.h"

namespace {
PictureBox* NewCanvas(QWidget* parent, Control id) {
  auto* box = new PictureBox(parent);
  box->setObjectName(QString::fromLatin1(ControlName(id)));
  box->SetBackground(kDarkGreen);
  return box;
}
}  // namespace

FrmNuboWin::FrmNuboWin(AppState& state, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      context_{state, *this, *this, *this, *this, watchman_},
      sound_(new WavePlayer(this)) {
  client_ = new QWidget(this);
  setCentralWidget(client_);
  setWindowTitle(ToQt(kBaseTitle));
  // The splash has the same title: whatever drives or times the program from outside finds this window by
  // its role (WM_WINDOW_ROLE on X11).
  setWindowRole(QStringLiteral("frmNuboWin"));
  setWindowIcon(QIcon(QStringLiteral(":/desktop/nuboro.svg")));
}

// Apart from the constructor, so that the splash is up while the controls are made.
void FrmNuboWin::LoadMainWindow() {
  if (loaded_) return;
  loaded_ = true;
  BuildMenus();
  BuildToolbar();
  picFigBox = NewCanvas(client_, Control::picFigBox);
  picFrontView = NewCanvas(client_, Control::picFrontView);
  picTopVIew = NewCanvas(client_, Control::picTopVIew);
  picSideView = NewCanvas(client_, Control::picSideView);
  Keep(Control::picFigBox, picFigBox);
  Keep(Control::picFrontView, picFrontView);
  Keep(Control::picTopVIew, picTopVIew);
  Keep(Control::picSideView, picSideView);
  // Screen readers name the canvases by what they show.
  picFigBox->setAccessibleName(QStringLiteral("図形"));
  picFigBox->setAttribute(Qt::WA_AcceptTouchEvents);
  picFrontView->setAccessibleName(QStringLiteral("正面図"));
  picTopVIew->setAccessibleName(QStringLiteral("平面図"));
  picSideView->setAccessibleName(QStringLiteral("右側面図"));
  BuildPictureButtons();
  BuildStatusBar();
  BuildTimers();
  SetClientSize(Size(640, 450));
  qApp->installEventFilter(this);
}

FrmNuboWin::~FrmNuboWin() {
  qApp->removeEventFilter(this);
  delete frmAbout_;
  delete help_;
}

QObject* FrmNuboWin::ControlObject(Control id) const { return controls_[static_cast<size_t>(id)]; }
void FrmNuboWin::Keep(Control id, QObject* object) { controls_[static_cast<size_t>(id)] = object; }

QAction* FrmNuboWin::MenuItem(Control item) const { return qobject_cast<QAction*>(ControlObject(item)); }

void FrmNuboWin::DrawFigure(const DisplayList& list) {
  picbkgFigBox.Rasterise(list);
  // A glide frame is drawn off screen at once, but shown no sooner than one refresh after the last.
  if (glideFramePending_) std::this_thread::sleep_until(glideFrameDue_);
  picFigBox->BlockCopyFrom(picbkgFigBox.Image());
  // Synchronous, so that every frame of an animation reaches the screen.
  picFigBox->repaint();
}

Rgb FrmNuboWin::FigureBackground() const { return picbkgFigBox.Background(); }

void FrmNuboWin::EraseFigureBox() { picFigBox->Erase(); }

void FrmNuboWin::PlayWave(const std::u16string& path, bool wait) {
  sound_->Play(ToQt(ProgramFolder() + u'/' + path), wait);
}

MessageAnswer FrmNuboWin::ShowMessage(const Message& m) { return ShowMessageBox(this, m); }

std::u16string FrmNuboWin::ProgramFolder() const { return FromQt(QCoreApplication::applicationDirPath()); }

std::u16string FrmNuboWin::OwnFiguresFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (documents.isEmpty()) return {};
  const QString folder = documents + QStringLiteral("/立体ヌボロ");
  return QDir().mkpath(folder) ? FromQt(folder) : std::u16string();
}

void FrmNuboWin::SetEnabled(Control control, bool on) {
  QObject* c = ControlObject(control);
  if (auto* a = qobject_cast<QAction*>(c))
    a->setEnabled(on);
  else if (auto* w = qobject_cast<QWidget*>(c))
    w->setEnabled(on);
}

bool FrmNuboWin::IsEnabled(Control control) const {
  QObject* c = ControlObject(control);
  if (auto* a = qobject_cast<QAction*>(c)) return a->isEnabled();
  if (auto* w = qobject_cast<QWidget*>(c)) return w->isEnabled();
  return true;
}

void FrmNuboWin::SetChecked(Control menuItem, bool on) {
  if (!RowOf(menuItem).checkable) return;
  checked_[static_cast<size_t>(menuItem)] = on;
  MenuItem(menuItem)->setChecked(on);
}

bool FrmNuboWin::IsChecked(Control menuItem) const { return checked_[static_cast<size_t>(menuItem)]; }

void FrmNuboWin::SetVisible(Control control, bool on) {
  if (auto* w = qobject_cast<QWidget*>(ControlObject(control))) w->setVisible(on);
}

void FrmNuboWin::Place(Control control, const Rect& place) {
  const QRect rect = ToQt(place);
  if (control == Control::picbkgFigBox) {
    backBufferRect_ = rect;
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    picbkgFigBox.Resize(rect.size(), s ? s->devicePixelRatio() : 1.0);
  } else if (auto* w = qobject_cast<QWidget*>(ControlObject(control))) {
    w->setGeometry(rect);
  }
}

Rect FrmNuboWin::Placement(Control control) const {
  if (control == Control::picbkgFigBox) return FromQt(backBufferRect_);
  auto* w = qobject_cast<QWidget*>(ControlObject(control));
  return w ? FromQt(w->geometry()) : Rect();
}

// The client area is everything below the menu bar; toolbar and status bar are docked inside it.
void FrmNuboWin::SetClientSize(const Size& size) {
  client_->setFixedSize(ToQt(size));
  LayOutBars();
  setFixedSize(size.width(), size.height() + menuBar()->sizeHint().height());
}

void FrmNuboWin::LayOutBars() {
  const QSize size = client_->size();
  tlbToolBar->setGeometry(0, 0, size.width(), ToolbarHeight());
  sbrConditionNow->setGeometry(0, size.height() - StatusBarHeight(), size.width(), StatusBarHeight());
}

void FrmNuboWin::CentreOnScreen() {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return;
  const QRect area = s->geometry();
  // Before the first showing the frame is not known yet; the window is then off by half its frame.
  const QSize frame = frameGeometry().size();
  // No clamping: on a screen smaller than the window it extends past the edges, centred.
  move(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
}

Size FrmNuboWin::ScreenSize() const {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  return s ? FromQt(s->size()) : Size(640, 480);
}

int FrmNuboWin::ToolbarHeight() const { return tlbToolBar->sizeHint().height(); }
int FrmNuboWin::StatusBarHeight() const { return sbrConditionNow->sizeHint().height(); }

std::u16string FrmNuboWin::Title() const { return FromQt(windowTitle()); }
void FrmNuboWin::SetTitle(const std::u16string& title) { setWindowTitle(ToQt(title)); }

// Screen readers hear which panel speaks, also while it is empty.
void FrmNuboWin::SetExplanationText(const std::u16string& text) {
  sbrExplanation->setText(ToQt(text));
  sbrExplanation->setAccessibleName(ToQt(std::u16string(kExplanationPanelDesignText) + text));
}

void FrmNuboWin::SetAngleText(const std::u16string& text) {
  sbrAngle->setText(ToQt(text));
  sbrAngle->setAccessibleName(ToQt(std::u16string(kAnglePanelDesignText) + text));
}

void FrmNuboWin::SetPanelWidths(int explanation, int angle) {
  sbrExplanation->setFixedWidth(explanation);
  sbrAngle->setMinimumWidth(angle);
}

std::u16string FrmNuboWin::DialogFileName() const { return dialogFileName_; }

void FrmNuboWin::SetTimerInterval(Control timer, int milliseconds) {
  auto* t = qobject_cast<QTimer*>(ControlObject(timer));
  if (!t) return;
  t->setInterval(milliseconds);
  if (t->property("designRunning").toBool() && milliseconds > 0 && !t->isActive()) t->start();
}

void FrmNuboWin::SetTimerRunning(Control timer, bool running) {
  auto* t = qobject_cast<QTimer*>(ControlObject(timer));
  if (!t) return;
  t->setProperty("designRunning", running);
  running && t->interval() > 0 ? t->start() : t->stop();
}

void FrmNuboWin::SetKeyPreview(bool on) { keyPreview_ = on; }

// Input stays queued for the dispatcher's next turn, in the order it was typed.
void FrmNuboWin::ProcessPendingEvents() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FrmNuboWin::FocusFigureBox() { picFigBox->setFocus(Qt::OtherFocusReason); }

void FrmNuboWin::LoadAboutWindow() {
  if (!frmAbout_) {
    frmAbout_ = new FrmAbout();
    connect(frmAbout_, &FrmAbout::okClicked, this, &FrmNuboWin::UnloadAboutWindow);
  }
  frmAbout_->Fit();
}

void FrmNuboWin::ShowAboutWindow(const std::u16string& picture, bool withOkButton) {
  LoadAboutWindow();
  frmAbout_->ShowPicture(ToQt(ProgramFolder() + u'/' + picture), withOkButton);
}

void FrmNuboWin::UnloadAboutWindow() {
  if (frmAbout_) frmAbout_->close();
}

void FrmNuboWin::OpenHelpFile(const std::u16string& path) {
  if (!help_) help_ = new HelpViewer();
  help_->OpenContents(ToQt(path));
}

SettingsStore& FrmNuboWin::Settings() {
  if (!settings_) settings_ = std::make_unique<IniSettingsStore>();
  return *settings_;
}

Files& FrmNuboWin::FileSystem() { return files_; }

void FrmNuboWin::PrepareOtherOptions() {
  if (frmOtherOption_) return;
  frmOtherOption_ = new FrmOtherOption(this);
  frmOtherOption_->Prepare();
  connect(frmOtherOption_, &FrmOtherOption::applyRequested, this,
          [this](const OtherOptionValues& values) { ApplyOtherOptions(context_, values); });
}

void FrmNuboWin::OpenOtherOptions() {
  PrepareOtherOptions();
  frmOtherOption_->exec();
}

DataPathChoice FrmNuboWin::RunDataPathDialog(const std::u16string& current) {
  return RunPathSettingDialog(this, ToQt(current));
}

void FrmNuboWin::SetWaitCursor(bool on) {
  on ? QApplication::setOverrideCursor(Qt::WaitCursor) : QApplication::restoreOverrideCursor();
}

void FrmNuboWin::ShowMainWindow() {
  show();
  FocusFigureBox();
}

void FrmNuboWin::EndProgram() {
  ending_ = true;
  close();
}

void FrmNuboWin::SetFigureBackground(Rgb colour) { picbkgFigBox.SetBackground(colour); }

// Key preview: every key-down anywhere in this window reaches the dispatcher before the focused control.
bool FrmNuboWin::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picFigBox && CanvasHands(event)) return true;
  if (event->type() != QEvent::KeyPress || !keyPreview_) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return false;
  // Alt alone hands the keys to the menu bar to walk its menus, as the menu loop does. A menu bar that kept
  // the focus after its walk ended (one menu's letter typed in another, a window opened from a menu) walks
  // nothing: it would swallow Escape for good, so the keys go back to the figure.
  if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
    if (bar->activeAction()) return false;
    FocusFigureBox();
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  const int16_t vk = VirtualKeyFromQt(key->key());
  if (vk == 0) return false;
  KeyDown(context_, *tables_, vk, ModifierState(key->modifiers()));
  return true;
}

bool FrmNuboWin::CanvasHands(QEvent* event) {
  // Nothing runs inside an operation, as no key does: input then waits in the queue.
  if (!keyPreview_) return false;
  HandSteps steps;
  bool touch = false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:  // a drag that starts soon after a click
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton && !(mouse->buttons() & Qt::LeftButton)) return false;
      const QPoint at = mouse->position().toPoint();
      if (event->type() == QEvent::MouseMove)
        steps = hands_.Move(at.x(), at.y());
      else if (event->type() == QEvent::MouseButtonRelease)
        hands_.Release();
      else
        hands_.Press(at.x(), at.y());
      break;
    }
    case QEvent::Wheel: steps = hands_.Wheel(static_cast<QWheelEvent*>(event)->angleDelta().y()); break;
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: {
      // Taken here: left to the canvas, the touch would come again as mouse events.
      touch = true;
      const QList<QEventPoint>& points = static_cast<QTouchEvent*>(event)->points();
      if (event->type() == QEvent::TouchEnd || event->type() == QEvent::TouchCancel || points.isEmpty()) {
        hands_.Release();
        hands_.PinchEnd();
      } else if (points.size() >= 2) {
        steps = hands_.Pinch(QLineF(points[0].position(), points[1].position()).length());
      } else if (event->type() == QEvent::TouchBegin) {
        hands_.Press(qRound(points[0].position().x()), qRound(points[0].position().y()));
      } else {
        steps = hands_.Move(qRound(points[0].position().x()), qRound(points[0].position().y()));
      }
      break;
    }
    default: return false;
  }
  RunHandSteps(context_, *tables_, steps, handsExplained_);
  if (touch) event->accept();
  return touch;
}

// The close box asks the same as the quit command; the program itself decides whether to end.
void FrmNuboWin::closeEvent(QCloseEvent* event) {
  if (!ending_) {
    event->ignore();
    CloseRequest(context_, *tables_);
    // An end decided inside this event: Qt drops the nested close(), so this event carries it out.
    if (!ending_) return;
  }
  // The help window belongs to this process and cannot outlive it.
  if (frmAbout_) frmAbout_->close();
  if (help_) help_->close();
  event->accept();
}

// View glides and the three-view display.
void FrmNuboWin::CopyFigureBoxTo(Control canvas, const Size& size) {
  if (auto* box = qobject_cast<PictureBox*>(ControlObject(canvas)))
    box->BlockCopyFrom(picFigBox->Picture(), ToQt(size));
}

void FrmNuboWin::RepaintCanvas(Control canvas) {
  // The back buffer is never on screen: nothing to repaint.
  if (auto* box = qobject_cast<PictureBox*>(ControlObject(canvas))) box->repaint();
}

void FrmNuboWin::AwaitGlideFrame() {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  const qreal hz = s && s->refreshRate() > 1 ? s->refreshRate() : 60.0;
  glideFramePending_ = true;
  glideFrameDue_ = glideFrames_.empty() ? std::chrono::steady_clock::time_point()
                                        : glideFrames_.back() + std::chrono::duration_cast<Clock::duration>(
                                                                    std::chrono::duration<double>(1.0 / hz));
}

void FrmNuboWin::PresentGlideFrame() {
  // repaint() has already painted the frame and flushed it to the display; running the event loop here
  // would run shortcuts, menus and timer ticks in the middle of the glide.
  glideFramePending_ = false;
  if (glideFrames_.size() >= 64) glideFrames_.erase(glideFrames_.begin());
  glideFrames_.push_back(std::chrono::steady_clock::now());
}

// Files and the clipboard.
std::optional<std::u16string> FrmNuboWin::RunOpenDialog(const std::u16string& folder,
                                                        const std::vector<std::u16string>& filters) {
  return RunFigureFileDialog(FileDialogMode::Open, folder, filters);
}

std::optional<std::u16string> FrmNuboWin::RunSaveDialog(const std::u16string& folder,
                                                        const std::vector<std::u16string>& filters) {
  return RunFigureFileDialog(FileDialogMode::Save, folder, filters);
}

// The dialog proposes the file part of the name it holds, and holds the chosen path.
std::optional<std::u16string> FrmNuboWin::RunFigureFileDialog(FileDialogMode mode,
                                                              const std::u16string& folder,
                                                              const std::vector<std::u16string>& filters) {
  const auto path =
      RunFileDialog(this, mode, ToQt(folder), ToQt(filters), ToQt(FilePartOfPath(dialogFileName_)));
  if (!path) return std::nullopt;
  dialogFileName_ = FromQt(*path);
  return dialogFileName_;
}

void FrmNuboWin::SetDialogFileName(const std::u16string& path) { dialogFileName_ = path; }

void FrmNuboWin::PutFigureBoxOnClipboard() { PutPictureOnClipboard(picFigBox->Picture(), picFigBox->size()); }

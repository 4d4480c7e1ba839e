// The main window frmNuboWin: its controls, and what the operations need of the window.
#pragma once

#include <QHash>
#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <chrono>
#include <memory>
#include <vector>

#include "construction/dispatch.h"
#include "dialogs/file_dialog.h"
#include "dialogs/frm_about.h"
#include "dialogs/help_viewer.h"
#include "qt_files.h"
#include "shell/canvas.h"
#include "shell/controls_port.h"
#include "shell/dialogs.h"
#include "shell/services.h"
#include "shell/status_bar.h"
#include "view/hand_gesture.h"
#include "window/back_buffer.h"

struct AppState;
class PictureBox;
class FrmOtherOption;
class IniSettingsStore;
class QAction;
class QLabel;
class QStatusBar;
class QTimer;
class QToolBar;
class QToolButton;
class WavePlayer;
class WoodPanel;

class FrmNuboWin : public QMainWindow, public Canvas, public Controls, public Dialogs, public Services {
  Q_OBJECT
 public:
  explicit FrmNuboWin(AppState& state, QWidget* parent = nullptr);
  ~FrmNuboWin() override;

  // Canvas
  void DrawFigure(const DisplayList& list) override;
  Rgb FigureBackground() const override;
  void SetFigureBackground(Rgb colour) override;
  void EraseFigureBox() override;
  void CopyFigureBoxTo(Control canvas, const Size& size) override;
  void RepaintCanvas(Control canvas) override;
  void AwaitGlideFrame() override;
  void PresentGlideFrame() override;
  // Controls
  void LoadMainWindow() override;
  void ShowMainWindow() override;
  void SetEnabled(Control control, bool on) override;
  bool IsEnabled(Control control) const override;
  void SetChecked(Control menuItem, bool on) override;
  bool IsChecked(Control menuItem) const override;
  void SetVisible(Control control, bool on) override;
  void Place(Control control, const Rect& rect) override;
  Rect Placement(Control control) const override;
  void SetClientSize(const Size& size) override;
  void CentreOnScreen() override;
  Size ScreenSize() const override;
  int ToolbarHeight() const override;
  int StatusBarHeight() const override;
  std::u16string Title() const override;
  void SetTitle(const std::u16string& title) override;
  void SetExplanationText(const std::u16string& text) override;
  void SetAngleText(const std::u16string& text) override;
  void SetPanelWidths(int explanation, int angle) override;
  void SetKeyPreview(bool on) override;
  void FocusFigureBox() override;
  void SetWaitCursor(bool on) override;
  // Dialogs
  MessageAnswer ShowMessage(const Message& m) override;
  std::optional<std::u16string> RunOpenDialog(const std::u16string& folder,
                                              const std::vector<std::u16string>& filters) override;
  std::optional<std::u16string> RunSaveDialog(const std::u16string& folder,
                                              const std::vector<std::u16string>& filters) override;
  std::u16string DialogFileName() const override;
  void SetDialogFileName(const std::u16string& path) override;
  void PrepareOtherOptions() override;
  void OpenOtherOptions() override;
  DataPathChoice RunDataPathDialog(const std::u16string& current) override;
  void ShowAboutWindow(const std::u16string& picture, bool withOkButton) override;
  void LoadAboutWindow() override;
  void UnloadAboutWindow() override;
  void OpenHelpFile(const std::u16string& path) override;
  // Services
  SettingsStore& Settings() override;
  Files& FileSystem() override;
  void PlayWave(const std::u16string& path, bool wait) override;
  void PutFigureBoxOnClipboard() override;
  std::u16string ProgramFolder() const override;
  // The documents folder's "立体ヌボロ".
  std::u16string OwnFiguresFolder() override;
  void SetTimerInterval(Control timer, int milliseconds) override;
  void SetTimerRunning(Control timer, bool running) override;
  void ProcessPendingEvents() override;
  void EndProgram() override;

  Context& Ctx() { return context_; }
  // The rows the doors dispatch to; the program's own unless a test hands in others.
  void UseDispatchTables(const DispatchTables& tables) { tables_ = &tables; }
  // Toolbar button by its position 1..19, separators counted.
  QAction* ToolbarButton(int position) const { return toolbarPositions_.at(position - 1); }
  QToolButton* PictureButton(int index) const { return command1_.at(index); }
  QAction* MenuItem(Control item) const;
  FrmAbout* About() const { return frmAbout_; }
  HelpViewer* Help() const { return help_; }
  bool KeyPreview() const { return keyPreview_; }

  PictureBox* picFigBox = nullptr;
  BackBuffer picbkgFigBox;
  PictureBox* picFrontView = nullptr;
  PictureBox* picTopVIew = nullptr;
  PictureBox* picSideView = nullptr;
  WoodPanel* picSecondaryTools = nullptr;
  QToolBar* tlbToolBar = nullptr;
  QList<QIcon> imglstToolBar;
  QStatusBar* sbrConditionNow = nullptr;
  QLabel* sbrExplanation = nullptr;
  QLabel* sbrAngle = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void GroupOneOfThree();
  void BuildToolbar();
  void BuildPictureButtons();
  void BuildStatusBar();
  void BuildTimers();
  void LayOutBars();
  QObject* ControlObject(Control id) const;
  void Keep(Control id, QObject* object);
  size_t IndexOf(const QObject* control) const;
  // Drags, the wheel and pinches on the live picture (the other canvases never see them); true when the
  // event is taken.
  bool CanvasHands(QEvent* event);
  std::optional<std::u16string> RunFigureFileDialog(FileDialogMode mode, const std::u16string& folder,
                                                    const std::vector<std::u16string>& filters);

  AppState& state_;
  WatchmanState watchman_;
  Context context_;
  const DispatchTables* tables_ = &MainDispatchTables();
  WavePlayer* sound_ = nullptr;
  QWidget* client_ = nullptr;
  std::array<QObject*, kControlCount> controls_{};
  std::array<bool, kControlCount> checked_{};
  std::array<QAction*, 19> toolbarPositions_{};
  std::array<QToolButton*, 13> command1_{};
  QRect backBufferRect_;
  std::u16string dialogFileName_;
  std::unique_ptr<IniSettingsStore> settings_;
  QtFiles files_;
  FrmOtherOption* frmOtherOption_ = nullptr;
  QPointer<FrmAbout> frmAbout_;
  QPointer<HelpViewer> help_;
  bool keyPreview_ = false;
  HandGesture hands_;
  bool handsExplained_ = false;
  bool ending_ = false;
  bool loaded_ = false;

  // View glides.
 public:
  using Clock = std::chrono::steady_clock;
  // When the recent glide frames reached the screen, oldest first; kept for measuring the pacing.
  const std::vector<Clock::time_point>& GlideFrameTimes() const { return glideFrames_; }

 private:
  std::vector<Clock::time_point> glideFrames_;
  bool glideFramePending_ = false;
  Clock::time_point glideFrameDue_;
};

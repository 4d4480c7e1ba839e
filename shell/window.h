// What the operations need of the main window; the Qt window implements it and tests fake it.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

#include "construction/controls.h"
#include "view/display_list.h"

class SettingsStore;

// What the data path dialog hands back: a folder only when one was picked and confirmed.
struct DataPathChoice {
  bool pathChanged = false;
  QString dataPath;
};

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Question, Exclamation };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
  QString text;
  QString title;  // empty: the application title
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
};

class Window {
 public:
  virtual ~Window() = default;

  // Rasterise into the back buffer, copy it to the display canvas in one block, repaint both.
  virtual void DrawFigure(const DisplayList& list) = 0;
  // The back buffer's background colour, which persists between redraws.
  virtual Rgb FigureBackground() const = 0;
  // Fills the display canvas with its background colour.
  virtual void EraseFigureBox() = 0;

  // Plays a wave file given relative to the program's folder; `wait` returns only when it has ended.
  virtual void PlayWave(const QString& path, bool wait) = 0;

  virtual MessageAnswer ShowMessage(const Message& m) = 0;

  // The folder that holds the program and its assets.
  virtual QString ProgramFolder() const = 0;
  // A folder of the user's own for figures, made on first use; empty when none can be had.
  virtual QString OwnFiguresFolder() = 0;

  // Creates the main window's controls without showing it; once only.
  virtual void LoadMainWindow() = 0;

  // Controls.
  virtual void SetEnabled(Control control, bool on) = 0;
  virtual bool IsEnabled(Control control) const = 0;
  virtual void SetChecked(Control menuItem, bool on) = 0;
  virtual bool IsChecked(Control menuItem) const = 0;
  virtual void SetVisible(Control control, bool on) = 0;
  // Position and size in the client area, in device-independent pixels.
  virtual void Place(Control control, const QRect& rect) = 0;
  virtual QRect Placement(Control control) const = 0;

  // The window itself and the screen it is on.
  virtual void SetClientSize(const QSize& size) = 0;
  virtual void CentreOnScreen() = 0;
  virtual QSize ScreenSize() const = 0;
  virtual int ToolbarHeight() const = 0;
  virtual int StatusBarHeight() const = 0;
  virtual QString Title() const = 0;
  virtual void SetTitle(const QString& title) = 0;

  // Status bar: the explanation panel and the viewing-angle panel.
  virtual void SetExplanationText(const QString& text) = 0;
  virtual void SetAngleText(const QString& text) = 0;
  virtual void SetPanelWidths(int explanation, int angle) = 0;

  // The file name held by the open/save dialog: the figure file last loaded or saved.
  virtual QString DialogFileName() const = 0;

  virtual void SetTimerInterval(Control timer, int milliseconds) = 0;
  virtual void SetTimerRunning(Control timer, bool running) = 0;

  // Key preview: while on, the window sees every key-down before the focused control.
  virtual void SetKeyPreview(bool on) = 0;
  // One pass of the toolkit's event processing; input waits in its queue for the next turn.
  virtual void ProcessPendingEvents() = 0;
  virtual void FocusFigureBox() = 0;

  // The About window: shown with a picture (relative to the program's folder), with or without OK.
  virtual void ShowAboutWindow(const QString& picture, bool withOkButton) = 0;
  // Creates and fits the About window without showing it.
  virtual void LoadAboutWindow() = 0;
  virtual void UnloadAboutWindow() = 0;
  // Opens a help file (relative to the current folder) at its contents page.
  virtual void OpenHelpFile(const QString& path) = 0;

  // The per-user settings store.
  virtual SettingsStore& Settings() = 0;
  // The other-options dialog: prepared hidden once at start-up, then shown modally; its "確認"
  // applies through ApplyOtherOptions.
  virtual void PrepareOtherOptions() = 0;
  virtual void OpenOtherOptions() = 0;
  // Runs the data path dialog modally, showing `current` as the folder in use.
  virtual DataPathChoice RunDataPathDialog(const QString& current) = 0;

  // The hourglass over the whole screen while something is being prepared.
  virtual void SetWaitCursor(bool on) = 0;
  // Shows the main window, not modal.
  virtual void ShowMainWindow() = 0;
  // Ends the program at once.
  virtual void EndProgram() = 0;

  // Draw mode: the back buffer's background colour, kept until it is set again.
  virtual void SetFigureBackground(Rgb colour) = 0;
  // View glides and the three-view display.
  // Copies the display canvas's picture, from its top-left corner, into a view canvas: `size` pixels.
  virtual void CopyFigureBoxTo(Control canvas, const QSize& size) = 0;
  virtual void RepaintCanvas(Control canvas) = 0;
  // Before drawing a glide frame: it will reach the screen no sooner than one display refresh after
  // the previous frame.
  virtual void AwaitGlideFrame() = 0;
  // After drawing it: the frame reaches the screen before anything else is drawn. Nothing else runs
  // between the frames of a glide: input and timer ticks wait until it has ended.
  virtual void PresentGlideFrame() = 0;

  // Files and the clipboard: the dialog CommonDialog1 starts in `folder`, proposes the file part of the
  // name it holds, and offers Qt filters ("desc (pattern)"); it returns the chosen path and holds it as
  // its name, or nothing when cancelled.
  virtual std::optional<QString> RunOpenDialog(const QString& folder, const QStringList& filters) = 0;
  virtual std::optional<QString> RunSaveDialog(const QString& folder, const QStringList& filters) = 0;
  virtual void SetDialogFileName(const QString& path) = 0;
  // Replaces the clipboard's content with the display canvas's picture, a bitmap of the canvas's size
  // in pixels whatever the screen's pixel ratio.
  virtual void PutFigureBoxOnClipboard() = 0;
};

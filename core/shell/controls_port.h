// The main window's controls, its frame and status bar, as the operations steer them.
#pragma once

#include <string>

#include "construction/controls.h"
#include "shell/geometry.h"

class Controls {
 public:
  virtual ~Controls() = default;

  // Creates the main window's controls without showing it; once only.
  virtual void LoadMainWindow() = 0;
  // Shows the main window, not modal.
  virtual void ShowMainWindow() = 0;

  virtual void SetEnabled(Control control, bool on) = 0;
  virtual bool IsEnabled(Control control) const = 0;
  virtual void SetChecked(Control menuItem, bool on) = 0;
  virtual bool IsChecked(Control menuItem) const = 0;
  virtual void SetVisible(Control control, bool on) = 0;
  // Position and size in the client area, in device-independent pixels.
  virtual void Place(Control control, const Rect& rect) = 0;
  virtual Rect Placement(Control control) const = 0;

  // The window itself and the screen it is on.
  virtual void SetClientSize(const Size& size) = 0;
  virtual void CentreOnScreen() = 0;
  virtual Size ScreenSize() const = 0;
  virtual int ToolbarHeight() const = 0;
  virtual int StatusBarHeight() const = 0;
  virtual std::u16string Title() const = 0;
  virtual void SetTitle(const std::u16string& title) = 0;

  // Status bar: the explanation panel and the viewing-angle panel.
  virtual void SetExplanationText(const std::u16string& text) = 0;
  virtual void SetAngleText(const std::u16string& text) = 0;
  virtual void SetPanelWidths(int explanation, int angle) = 0;

  // Key preview: while on, the window sees every key-down before the focused control.
  virtual void SetKeyPreview(bool on) = 0;
  virtual void FocusFigureBox() = 0;
  // The hourglass over the whole screen while something is being prepared.
  virtual void SetWaitCursor(bool on) = 0;
};

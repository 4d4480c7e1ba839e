// A recording stand-in for the main window's controls, frame and status bar.
#pragma once

#include <map>
#include <set>

#include "call_log.h"
#include "shell/controls_port.h"

class FakeControls : public Controls, public CallLog {
 public:
  void LoadMainWindow() override { Log() << u"LoadMainWindow"; }
  void ShowMainWindow() override { Log() << u"ShowMainWindow"; }
  void SetEnabled(Control c, bool on) override { on ? (void)disabled.erase(c) : (void)disabled.insert(c); }
  bool IsEnabled(Control c) const override { return !disabled.contains(c); }
  void SetChecked(Control c, bool on) override { on ? (void)checked.insert(c) : (void)checked.erase(c); }
  bool IsChecked(Control c) const override { return checked.contains(c); }
  void SetVisible(Control c, bool on) override { on ? (void)hidden.erase(c) : (void)hidden.insert(c); }
  void Place(Control c, const Rect& r) override { placed[c] = r; }
  Rect Placement(Control c) const override { return PlacedAt(c); }
  Rect PlacedAt(Control c) const {
    const auto at = placed.find(c);
    return at == placed.end() ? Rect() : at->second;
  }

  void SetClientSize(const Size& s) override { clientSize = s; }
  void CentreOnScreen() override { Log() << u"CentreOnScreen"; }
  Size ScreenSize() const override { return screen; }
  int ToolbarHeight() const override { return toolbarHeight; }
  int StatusBarHeight() const override { return statusBarHeight; }
  std::u16string Title() const override { return title; }
  void SetTitle(const std::u16string& t) override { title = t; }

  void SetExplanationText(const std::u16string& t) override { explanation = t; }
  void SetAngleText(const std::u16string& t) override { angleText = t; }
  void SetPanelWidths(int e, int a) override { panelWidths = {e, a}; }

  void SetKeyPreview(bool on) override { keyPreview = on; }
  void FocusFigureBox() override { Log() << u"FocusFigureBox"; }
  void SetWaitCursor(bool on) override { Log() << (on ? u"Hourglass on" : u"Hourglass off"); }

  std::set<Control> disabled, checked, hidden;
  std::map<Control, Rect> placed;
  Size clientSize, screen{1024, 768};
  int toolbarHeight = 28, statusBarHeight = 20;
  std::u16string title, explanation, angleText;
  std::pair<int, int> panelWidths{0, 0};
  bool keyPreview = true;
};

// The main window's controls over the page's elements.
#pragma once

#include <array>
#include <string>

#include "core/shell/controls_port.h"
#include "web/front/page_canvas.h"

class PageControls : public Controls {
 public:
  // Every control starts enabled, as a window's widgets do; the core disables what it must.
  explicit PageControls(PageCanvas& canvas) : canvas_(canvas) { enabled_.fill(true); }
  void LoadMainWindow() override {}
  void ShowMainWindow() override {}
  void SetEnabled(Control c, bool on) override;
  bool IsEnabled(Control c) const override;
  void SetChecked(Control c, bool on) override;
  bool IsChecked(Control c) const override;
  void SetVisible(Control, bool) override {}
  void Place(Control c, const Rect& rect) override;
  Rect Placement(Control c) const override;
  void SetClientSize(const Size&) override {}
  void CentreOnScreen() override {}
  Size ScreenSize() const override { return {1024, 768}; }
  // The desktop's bars, so that the figure box has the same size, and the figure the same pixels.
  int ToolbarHeight() const override { return 47; }
  int StatusBarHeight() const override { return 25; }
  std::u16string Title() const override { return title_; }
  void SetTitle(const std::u16string& title) override;
  void SetExplanationText(const std::u16string& text) override;
  void SetAngleText(const std::u16string& text) override;
  void SetPanelWidths(int, int) override {}
  void SetKeyPreview(bool) override {}
  void FocusFigureBox() override {}
  void SetWaitCursor(bool) override {}

 private:
  static std::size_t Index(Control c) { return static_cast<std::size_t>(c); }
  PageCanvas& canvas_;
  std::array<bool, kControlCount> enabled_{}, checked_{};
  std::array<Rect, kControlCount> placement_{};
  std::u16string title_;
};

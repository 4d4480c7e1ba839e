// The main window's controls over the page's elements.
#pragma once

#include <array>
#include <string>

#include "core/shell/controls_port.h"
#include "web/front/page_canvas.h"

class PageControls : public Controls {
 public:
  explicit PageControls(PageCanvas& canvas);
  void LoadMainWindow() override;
  void ShowMainWindow() override { FocusFigureBox(); }
  void SetEnabled(Control c, bool on) override;
  bool IsEnabled(Control c) const override;
  void SetChecked(Control c, bool on) override;
  bool IsChecked(Control c) const override;
  void SetVisible(Control c, bool on) override;
  void Place(Control c, const Rect& rect) override;
  Rect Placement(Control c) const override;
  void SetClientSize(const Size& size) override;
  // The page centres the window itself.
  void CentreOnScreen() override {}
  // The page scales the window down to fit the browser's, so every size is open to the learner.
  Size ScreenSize() const override { return {1024, 768}; }
  int ToolbarHeight() const override { return kToolbarHeight; }
  int StatusBarHeight() const override { return kStatusBarHeight; }
  std::u16string Title() const override { return title_; }
  void SetTitle(const std::u16string& title) override;
  void SetExplanationText(const std::u16string& text) override;
  void SetAngleText(const std::u16string& text) override;
  void SetPanelWidths(int explanation, int angle) override;
  // The page's one queue already keeps keys out of a running operation.
  void SetKeyPreview(bool) override {}
  void FocusFigureBox() override;
  void SetWaitCursor(bool on) override;

  // The desktop's bars, so that the figure box has the same size, and the figure the same pixels.
  static constexpr int kToolbarHeight = 47;
  static constexpr int kStatusBarHeight = 25;

 private:
  static std::size_t Index(Control c) { return static_cast<std::size_t>(c); }
  void ShowState(Control c) const;
  PageCanvas& canvas_;
  bool loaded_ = false;
  std::array<bool, kControlCount> enabled_{}, checked_{}, visible_{};
  std::array<Rect, kControlCount> placement_{};
  std::u16string title_;
};

#include "web/front/page_controls.h"

#include "web/glue/page.h"

namespace {
// The icon file has the index after an underscore, not in brackets: command1(3) is command1_3.
std::string IconName(const ControlRow& row) {
  std::string name;
  for (const char* c = row.name; *c; ++c) {
    if (*c != ')') name += *c == '(' ? '_' : *c;
  }
  return name;
}

int IconSize(const ControlRow& row) {
  if (row.kind == ControlKind::ToolbarKey) return 32;
  if (row.kind != ControlKind::PictureButton) return 0;
  return PictureButtonIconSize(
      static_cast<PictureButton>(static_cast<int>(row.id) - static_cast<int>(Control::command1_0)));
}
}  // namespace

PageControls::PageControls(PageCanvas& canvas) : canvas_(canvas) {
  enabled_.fill(true);
  visible_.fill(true);
  // The check-mark items carry a mark in the design; start-up sets the real ones.
  for (const ControlRow& row : ControlTable()) checked_[Index(row.id)] = row.checkable;
}

void PageControls::LoadMainWindow() {
  if (loaded_) return;
  loaded_ = true;
  for (const ControlRow& row : ControlTable()) {
    const std::string icon = IconSize(row) ? IconName(row) : std::string();
    page::AddControl({static_cast<int>(row.id), static_cast<int>(row.kind), row.name, row.caption,
                      row.shortcut, row.place, row.checkable, icon, IconSize(row)});
    ShowState(row.id);
  }
  SetClientSize(Size(640, 450));
}

void PageControls::ShowState(Control c) const {
  page::SetControlState(static_cast<int>(c), enabled_[Index(c)], checked_[Index(c)], visible_[Index(c)]);
}

void PageControls::SetEnabled(Control c, bool on) {
  enabled_[Index(c)] = on;
  ShowState(c);
}
bool PageControls::IsEnabled(Control c) const { return enabled_[Index(c)]; }

// Only the check-mark items take a mark.
void PageControls::SetChecked(Control c, bool on) {
  if (!RowOf(c).checkable) return;
  checked_[Index(c)] = on;
  ShowState(c);
}
bool PageControls::IsChecked(Control c) const { return checked_[Index(c)]; }

void PageControls::SetVisible(Control c, bool on) {
  visible_[Index(c)] = on;
  ShowState(c);
}

void PageControls::Place(Control c, const Rect& rect) {
  placement_[Index(c)] = rect;
  if (c == Control::picFigBox) canvas_.Resize(rect.size());
  page::PlaceControl(static_cast<int>(c), rect.left(), rect.top(), rect.width(), rect.height());
}
Rect PageControls::Placement(Control c) const { return placement_[Index(c)]; }

void PageControls::SetClientSize(const Size& size) {
  page::SetWindowSize(size.width(), size.height(), kToolbarHeight, kStatusBarHeight);
}

void PageControls::SetTitle(const std::u16string& title) {
  title_ = title;
  page::SetTitle(title);
}
void PageControls::SetExplanationText(const std::u16string& text) { page::SetText("explanation", text); }
void PageControls::SetAngleText(const std::u16string& text) { page::SetText("angle", text); }
void PageControls::SetPanelWidths(int explanation, int angle) { page::SetPanelWidths(explanation, angle); }
void PageControls::FocusFigureBox() { page::FocusFigure(); }
void PageControls::SetWaitCursor(bool on) { page::SetWaitCursor(on); }

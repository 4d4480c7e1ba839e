#include "web/front/page_controls.h"

#include "web/glue/page.h"

void PageControls::SetEnabled(Control c, bool on) { enabled_[Index(c)] = on; }
bool PageControls::IsEnabled(Control c) const { return enabled_[Index(c)]; }
void PageControls::SetChecked(Control c, bool on) { checked_[Index(c)] = on; }
bool PageControls::IsChecked(Control c) const { return checked_[Index(c)]; }

void PageControls::Place(Control c, const Rect& rect) {
  placement_[Index(c)] = rect;
  if (c == Control::picFigBox) canvas_.Resize(rect.size());
}
Rect PageControls::Placement(Control c) const { return placement_[Index(c)]; }

void PageControls::SetTitle(const std::u16string& title) {
  title_ = title;
  page::SetTitle(title);
}
void PageControls::SetExplanationText(const std::u16string& text) { page::SetText("explanation", text); }
void PageControls::SetAngleText(const std::u16string& text) { page::SetText("angle", text); }

// The three-view display: glide to each view in turn, keep a still copy of each, then live in a quarter.
#include "view/third_angle.h"

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "figure/numeric.h"
#include "shell/canvas.h"
#include "shell/controls_port.h"
#include "shell/services.h"
#include "shell/window_layout.h"
#include "view/renderer.h"
#include "view/view_commands.h"

namespace {
constexpr Control kFigBox = Control::picFigBox;
constexpr Control kBackBuffer = Control::picbkgFigBox;
constexpr Control kFrontBox = Control::picFrontView;
constexpr Control kTopBox = Control::picTopVIew;
constexpr Control kSideBox = Control::picSideView;

void PlaceBoth(Controls& w, const Rect& r) {
  w.Place(kBackBuffer, r);
  w.Place(kFigBox, r);
}

void ShowViewBoxes(Controls& w, bool on) {
  for (Control box : {kFrontBox, kSideBox, kTopBox}) w.SetVisible(box, on);
}

// Glides to a view and keeps what the live canvas shows, at the front-view canvas's size.
void CaptureView(Context& c, ViewAngles view, Control box) {
  GoToView(c, view.h, view.v);
  c.canvas.CopyFigureBoxTo(box, c.controls.Placement(kFrontBox).size());
  c.canvas.RepaintCanvas(box);
}

void SwitchOn(Context& c) {
  Controls& w = c.controls;
  c.state.mblnThirdAngle = true;
  PlaceBoth(w, FullPictureRect(w));
  ShowViewBoxes(w, false);
  PlaceBoth(w, QuarterPictureRect(w.Placement(kFigBox)));
  ShowViewBoxes(w, true);
  CaptureView(c, kFrontView, kFrontBox);
  CaptureView(c, kTopView, kTopBox);
  CaptureView(c, kSideView, kSideBox);
  SetView(c, kIsometricView.h, kIsometricView.v);
  c.canvas.RepaintCanvas(kFigBox);
  c.canvas.RepaintCanvas(kBackBuffer);
  PlayTurnSound(c.services);
  w.SetExplanationText(std::u16string(kThirdAngleText));
  TransformAndRedraw(c);
}

void SwitchOff(Context& c) {
  c.state.mblnThirdAngle = false;
  PlaceBoth(c.controls, FullPictureRect(c.controls));
  ShowViewBoxes(c.controls, false);
  TransformAndRedraw(c);
}
}  // namespace

Rect FullPictureRect(const Controls& w) {
  const ScreenProfile* profile = &kScreenProfiles[0];
  for (const ScreenProfile& p : kScreenProfiles) {
    if (w.IsChecked(p.menuItem)) profile = &p;
  }
  const float tb = static_cast<float>(w.ToolbarHeight());
  const float sb = static_cast<float>(w.StatusBarHeight());
  return Rect(2, Nearest16(tb + 2.0f), profile->canvasWidth,
              Nearest16(float(profile->height) - tb - sb - 2.0f));
}

Rect QuarterPictureRect(const Rect& full) {
  const float w = static_cast<float>(full.width());
  const float h = static_cast<float>(full.height());
  return Rect(Nearest16(w / 2.0f + 2.0f), full.top(), Nearest16(w / 2.0f), Nearest16(h / 2.0f));
}

void ToggleThirdAngle(Context& c) { c.state.mblnThirdAngle ? SwitchOff(c) : SwitchOn(c); }

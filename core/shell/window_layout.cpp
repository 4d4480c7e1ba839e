// Window layouts by screen size. Halves and sums with the bar heights round half to even.
#include "shell/window_layout.h"

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "figure/numeric.h"
#include "shell/canvas.h"
#include "shell/controls_port.h"
#include "shell/services.h"
#include "shell/status_bar.h"
#include "view/renderer.h"

namespace {
constexpr Control kViewBoxes[] = {Control::picFrontView, Control::picTopVIew, Control::picSideView};

void PlaceControls(Controls& w, const ControlRects& r) {
  w.Place(Control::picbkgFigBox, r.canvas);
  w.Place(Control::picFigBox, r.canvas);
  w.Place(Control::picFrontView, r.frontView);
  w.Place(Control::picTopVIew, r.topView);
  w.Place(Control::picSideView, r.sideView);
  w.Place(Control::picSecondaryTools, r.panel);
  ArrangeCommandButtons(w);
  w.SetPanelWidths(r.canvas.width(), r.panel.width());
}
}  // namespace

ControlRects LayoutFor(const ScreenProfile& p, double tb, double sb, bool startUp) {
  const int top = Nearest16(tb + 2);
  const int height = Nearest16(p.height - tb - sb - 2);
  const int cw = p.canvasWidth;
  const int half = Nearest16(height / 2.0);
  const int lowerTop = Nearest16(height / 2.0 + top);
  const int halfWidth = Nearest16(cw / 2.0);
  return {
      Rect(2, top, cw, height),
      Rect(2, lowerTop, halfWidth, half),
      Rect(2, top, halfWidth, half),
      Rect(Nearest16(cw / 2.0 + 2), lowerTop, halfWidth, half),
      Rect(cw + 2, top, kPanelWidth, startUp ? height : kPanelHeight),
  };
}

std::array<Rect, 13> CommandButtonRects(int panelHeight) {
  const int t0 = Nearest16((panelHeight - 345) / 2.0);
  std::array<Rect, 13> r;
  r[0] = Rect(30, t0, 90, 40);
  r[1] = Rect(30, t0 + 40, 45, 30);
  r[2] = Rect(75, t0 + 40, 45, 30);
  r[3] = Rect(30, t0 + 70, 90, 40);
  for (int pair = 0; pair < 3; ++pair) {
    r[4 + 2 * pair] = Rect(30, t0 + 115 + 30 * pair, 45, 30);
    r[5 + 2 * pair] = Rect(75, t0 + 115 + 30 * pair, 45, 30);
  }
  r[12] = Rect(30, t0 + 205, 90, 40);
  r[10] = Rect(30, t0 + 250, 90, 40);
  r[11] = Rect(30, t0 + 295, 90, 50);
  return r;
}

std::array<bool, 3> SizeItemsAllowed(int sw, int sh) {
  if (sw <= 640 || sh <= 480) return {true, false, false};
  if (sw <= 800 || sh <= 600) return {true, true, false};
  return {true, true, true};
}

int16_t FittingScreenSize(int16_t wanted, const Size& screen) {
  const auto allowed = SizeItemsAllowed(screen.width(), screen.height());
  int16_t size = wanted;
  while (size > 0 && size < 3 && !allowed[size]) --size;
  return size;
}

void SetUpMainWindow(Controls& w) {
  w.SetClientSize(Size(640, 450));
  w.CentreOnScreen();
  w.SetKeyPreview(true);
  w.SetTitle(std::u16string(kBaseTitle));
}

void SetUpDrawingArea(Controls& w, Services& services) {
  for (Control box : kViewBoxes) w.SetVisible(box, false);
  PlaceControls(w, LayoutFor(kScreenProfiles[0], w.ToolbarHeight(), w.StatusBarHeight(), true));
  services.SetTimerInterval(Control::WatchExplanation, 10000);
  services.SetTimerInterval(Control::Watchman, 500);
}

void SetInitialCommandState(Controls& w) {
  w.SetEnabled(Control::mnuFileSave, false);
  w.SetEnabled(Control::cmdFigSave, false);
  w.SetChecked(Control::mnuSaveEnabled, false);
  w.SetEnabled(Control::cmdNewFig, false);
  w.SetChecked(Control::mnuBeginner, true);
  w.SetChecked(Control::mnuMidClass, false);
  w.SetChecked(Control::mnuSenior, false);
  for (int i = 0; i < 3; ++i) w.SetChecked(kScreenProfiles[i].menuItem, i == 0);
  for (int i = 4; i <= 12; ++i) w.SetEnabled(Command1(i), false);
  const Size screen = w.ScreenSize();
  const auto allowed = SizeItemsAllowed(screen.width(), screen.height());
  for (int i = 0; i < 3; ++i) w.SetEnabled(kScreenProfiles[i].menuItem, allowed[i]);
}

void ArrangeCommandButtons(Controls& w) {
  const auto rects = CommandButtonRects(w.Placement(Control::picSecondaryTools).height());
  for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 10, 11}) w.Place(Command1(i), rects[i]);
}

void ApplyScreenLayout(Context& c, int16_t screenSize) {
  if (screenSize < 0 || screenSize > 2) return;
  const ScreenProfile& p = kScreenProfiles[screenSize];
  Controls& w = c.controls;
  for (const ScreenProfile& other : kScreenProfiles) w.SetChecked(other.menuItem, &other == &p);
  c.canvas.EraseFigureBox();
  w.SetClientSize(Size(p.width, p.height));
  w.CentreOnScreen();
  PlaceControls(w, LayoutFor(p, w.ToolbarHeight(), w.StatusBarHeight(), false));
  for (Control box : kViewBoxes) w.SetVisible(box, false);
  c.state.mblnThirdAngle = false;
  RedrawFigure(c.state, c.canvas, c.services);
}

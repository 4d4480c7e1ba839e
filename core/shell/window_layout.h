// The main window's three sizes: where every control goes, and the operations that put it there.
#pragma once

#include <array>
#include <cstdint>

#include "construction/controls.h"
#include "shell/geometry.h"

struct Context;
class Controls;
class Services;

struct ScreenProfile {
  int width, height;  // client area
  int canvasWidth;
  Control menuItem;
};

inline constexpr std::array<ScreenProfile, 3> kScreenProfiles{{
    {640, 450, 488, Control::mnuNormalSize},
    {800, 570, 648, Control::mnuExpansion1},
    {1024, 738, 872, Control::mnuExpansion2},
}};

inline constexpr int kPanelWidth = 150;
inline constexpr int kPanelHeight = 370;

struct ControlRects {
  Rect canvas, frontView, topView, sideView, panel;
};

// Placement for a profile, given the toolbar and status-bar heights. At start-up the panel is as
// tall as the canvas; after any layout it is 370 pixels high.
ControlRects LayoutFor(const ScreenProfile& p, double toolbarHeight, double statusBarHeight, bool startUp);

// The 13 picture buttons inside a panel of the given height, by index.
std::array<Rect, 13> CommandButtonRects(int panelHeight);

// Which of the three size items a screen of sw x sh pixels allows.
std::array<bool, 3> SizeItemsAllowed(int sw, int sh);
// The largest size up to `wanted` that a screen of that size allows: a layout stored on a larger
// screen would put the menu bar out of reach.
int16_t FittingScreenSize(int16_t wanted, const Size& screen);

void SetUpMainWindow(Controls& w);
void SetUpDrawingArea(Controls& w, Services& services);
void SetInitialCommandState(Controls& w);
void ArrangeCommandButtons(Controls& w);
void ApplyScreenLayout(Context& c, int16_t screenSize);

// The figure renderer: builds the redraw's display list and hands it to the window with the turn sound.
#pragma once

#include <string>

#include "view/display_list.h"

struct AppState;
class Canvas;
class Services;
struct Context;

// Steps 1 to 6 of a redraw, for a back buffer whose current background is `background`.
DisplayList BuildRedrawList(const AppState& s, Rgb background);

// The pointer coordinate text: "x= 20 y= 0 z=40".
std::u16string CoordinateText(float x, float y, float z);

void RedrawFigure(const AppState& s, Canvas& canvas, Services& services);
// How every operation that moves the figure or the view ends.
void TransformAndRedraw(Context& c);
void PlayTurnSound(Services& services);

// The three views laid out by third-angle projection beside the live picture.
#pragma once

struct Context;

// Switches the three-view display on when it is off, and off when it is on.
void ToggleThirdAngle(Context& c);

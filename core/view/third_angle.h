// The three views laid out by third-angle projection beside the live picture.
#pragma once

#include <string_view>

#include "shell/geometry.h"

struct Context;
class Controls;

inline constexpr std::u16string_view kThirdAngleText = u"三角法表示中！もう一度押すと、元に戻ります。";

// The whole picture area for the ticked window size and the bar heights as they are now.
Rect FullPictureRect(const Controls& w);
// The top-right quarter of a picture area of that size, where the live picture goes.
Rect QuarterPictureRect(const Rect& full);

// Switches the three-view display on when it is off, and off when it is on.
void ToggleThirdAngle(Context& c);

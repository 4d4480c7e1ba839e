// Copying the picture to the clipboard, always at the canvas size of the normal layout.
#pragma once

#include <string_view>

struct Context;

inline constexpr std::u16string_view kCopyRefusedText = u"三角法表示中はコピーできません。";

void CopyPictureInColour(Context& c);
// Draws the figure black on white for the copy and in colour again afterwards.
void CopyPictureInMonochrome(Context& c);

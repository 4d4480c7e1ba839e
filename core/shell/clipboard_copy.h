// Copying the picture to the clipboard, always at the canvas size of the normal layout.
#pragma once

struct Context;

inline constexpr char kCopyRefusedText[] = "三角法表示中はコピーできません。";

void CopyPictureInColour(Context& c);
// Draws the figure black on white for the copy and in colour again afterwards.
void CopyPictureInMonochrome(Context& c);

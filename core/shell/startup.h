// The program's start: splash, main window set up, sample figure, stored settings, welcome.
#pragma once

struct Context;

void StartUp(Context& c);
// As above, told whether the figure files' text can be converted (a toolkit built without it cannot).
void StartUp(Context& c, bool figureCodecAvailable);

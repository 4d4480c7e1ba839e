// The program's start: splash, main window set up, sample figure, stored settings, welcome.
#pragma once

struct Context;

void StartUp(Context& c);

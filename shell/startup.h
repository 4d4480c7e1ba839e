// The program's start: splash, main window set up, sample figure, welcome.
#pragma once

struct AppState;
class Window;

void StartUp(AppState& s, Window& w);

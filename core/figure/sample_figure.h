// The figure shown at start-up, from data/sample/ below the program's folder.
#pragma once

#include <string_view>

struct AppState;
class Canvas;
class Dialogs;
class Services;

inline constexpr std::u16string_view kSampleFigurePath = u"/data/sample/nubo01.nbo";

// Loads, zooms and draws the sample; a failure is shown in a box titled "エラー" and leaves the figure as it
// was.
void LoadSampleFigure(AppState& s, Canvas& canvas, Dialogs& dialogs, Services& services);

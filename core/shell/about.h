// The About window's two uses (splash and version box) and the help command.
#pragma once

#include <cstdint>
#include <string_view>

class Controls;
class Dialogs;
class Services;

inline constexpr int16_t kAboutVersionBox = 0;
inline constexpr int16_t kAboutSplash = 1;

// Relative to the program's folder.
inline constexpr std::u16string_view kVersionPicture = u"./pic/Nubover.bmp";
inline constexpr std::u16string_view kSplashPicture = u"./pic/nubospla.bmp";
inline constexpr std::u16string_view kSplashSound = u"./sound/splash.wav";
// Relative to the current folder.
inline constexpr std::u16string_view kHelpFile = u"./help/nw31.hlp";

// Loads, fits and centres the About window; for the splash and the version box also shows it and
// returns once the splash sound has ended. Any other mode leaves the window loaded and hidden.
void ShowAbout(int16_t mode, Controls& controls, Dialogs& dialogs, Services& services);

void OpenHelp(Dialogs& d);

// The status-bar texts, the title texts and the two timer ticks that keep them current.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct AppState;
class Controls;
class Dialogs;

// Panel texts shown before start-up writes its own.
inline constexpr std::u16string_view kExplanationPanelDesignText = u"説明：";
inline constexpr std::u16string_view kAnglePanelDesignText = u"視点の角度：";
// What start-up writes into the two panels.
inline constexpr std::u16string_view kWelcomeText = u"ようこそ！立体ヌボロへ！！";
inline constexpr std::u16string_view kStartUpAngleText = u"(^o^)/";

inline constexpr std::u16string_view kBaseTitle = u"立体ヌボロ for Windows Ver3.1";
// Starts with an ideographic space (U+3000).
inline constexpr std::u16string_view kChangedMarker = u"\u3000*[変更あり]";

// The face shown while the view is none of the presets; each frame is seven characters wide so the
// panel does not jitter.
inline constexpr std::u16string_view kFaceFrames[4] = {u"~(^  ) ", u" (^o^)/", u" (  ^)~", u" (   ) "};

struct ViewName {
  int16_t angleH;
  int16_t angleV;
  std::u16string_view name;
};
// Tested in this order.
inline constexpr ViewName kViewNames[4] = {
    {-90, 0, u"右側面図"},
    {0, 90, u"平面図"},
    {-45, 35, u"等角図"},
    {0, 0, u"正面図"},
};

// Kept between ticks for the life of the program.
struct WatchmanState {
  int16_t frame = 0;         // next face frame, 0..3
  bool titleMarked = false;  // the changed-marker has been appended to the title
};

std::u16string BaseTitle();
// The caption after a load or a new figure: "<base>  [ <fileName> ]".
std::u16string TitleWithFile(const std::u16string& fileName);

// The 500 ms tick: names the view or animates the face, and marks or unmarks the title.
void WatchmanTick(const AppState& state, WatchmanState& watchman, Controls& w, const Dialogs& d);
// The 10 s tick: empties the explanation panel.
void ExplanationResetTick(Controls& w);

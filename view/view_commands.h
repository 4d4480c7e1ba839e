// Looking at the figure from another side: the four presets, glides, one-step turns and zoom.
#pragma once

#include <cstdint>

struct Context;

struct ViewAngles {
  int16_t h;
  int16_t v;
};

inline constexpr ViewAngles kFrontView{0, 0};
inline constexpr ViewAngles kTopView{0, 90};
inline constexpr ViewAngles kSideView{-90, 0};
inline constexpr ViewAngles kIsometricView{-45, 35};

// Glides both angles to the target in 5-degree frames, drawing every frame.
void GoToView(Context& c, int16_t targetH, int16_t targetV);
// Jumps to the angles at once and redraws.
void SetView(Context& c, int16_t h, int16_t v);

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

// One 5-degree step of one angle: up wraps 355 to 0, down keeps counting below 0.
void VerticalAngleUp(Context& c);
void VerticalAngleDown(Context& c);
void HorizontalAngleUp(Context& c);
void HorizontalAngleDown(Context& c);

// The limits are tested before multiplying, so the zoom may pass them by one step.
void Magnify(Context& c);
void Reduce(Context& c);

// The step rules on a bare angle, shared with the rotation tick's own rules.
int16_t AngleStepUp(int16_t angle);
int16_t AngleStepDown(int16_t angle);

// The window's timers as designed: what each front-end builds before start-up sets their intervals.
#pragma once

#include "construction/controls.h"

struct TimerDesign {
  Control id;
  int interval;
  bool running;  // from the start, once it has an interval
};
inline constexpr TimerDesign kTimers[] = {
    {Control::TurningTimer, 100, false},
    {Control::Watchman, 500, true},
    {Control::WatchExplanation, 0, true},  // fires only once start-up gives it an interval
};

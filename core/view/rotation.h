// Continuous rotation: a 100 ms timer turns one view angle by 5 degrees a tick.
#pragma once

#include <string_view>

struct Context;

inline constexpr std::u16string_view kTurningText =
    u"現在回転表示中！ESCボタンか、ESCキーを押すと止まりますよ。";

// Starts turning, or changes the direction when already turning.
void StartTurning(Context& c);
void TurnTick(Context& c);
void StopTurning(Context& c);

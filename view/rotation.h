// Continuous rotation: a 100 ms timer turns one view angle by 5 degrees a tick.
#pragma once

struct Context;

// Starts turning, or changes the direction when already turning.
void StartTurning(Context& c);
void TurnTick(Context& c);
void StopTurning(Context& c);

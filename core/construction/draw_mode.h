// Draw mode and the drawing pointer that steps through space along x, y and z.
#pragma once

#include <cstdint>

struct Context;

enum class Axis { X, Y, Z };

void ToggleDrawMode(Context& c);
// Shift alone steps towards minus; every other modifier state towards plus.
void StepAlongAxis(Context& c, Axis axis, int16_t shift);
// Moves the moving point (the line-end pointer while a line start is held) to the origin.
void PointerToOrigin(Context& c);

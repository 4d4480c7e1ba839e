// Entering points to record or remove lines, and taking the last line back.
#pragma once

#include <cstdint>

struct Context;

void EnterPoint(Context& c, int16_t shift);
void TakeBack(Context& c);

// The view transform: world coordinates and the two view angles to 2-D view coordinates.
#pragma once

struct AppState;

// Turns entries 0..2N of the figure and reference points 0..5 into view space.
void ComputeView(AppState& s);

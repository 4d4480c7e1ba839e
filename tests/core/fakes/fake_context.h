// A state at start-up over the recording window: the context most operation tests run in.
#pragma once

#include <gtest/gtest.h>

#include "construction/dispatch.h"
#include "fake_window.h"
#include "figure/app_state.h"
#include "shell/status_bar.h"
#include "shell/window_layout.h"

class FakeContext : public ::testing::Test {
 protected:
  void SetUp() override { InitialiseApplicationState(state); }
  // The controls as the main window starts: drawing area placed, commands enabled and ticked.
  void SetUpControls() {
    SetUpDrawingArea(w, w);
    SetInitialCommandState(w);
  }
  AppState state;
  FakeWindow w;
  WatchmanState watchman;
  Context c{state, w, w, w, w, watchman};
};

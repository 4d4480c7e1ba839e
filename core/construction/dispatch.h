// Command dispatch: every click, key-down, close request and timer tick becomes one operation call.
#pragma once

#include <cstdint>
#include <span>

#include "construction/controls.h"

struct AppState;
class Canvas;
class Controls;
class Dialogs;
class Services;
struct WatchmanState;

// What an operation works on: the shared state, the window's ports by role, and the status bar's own
// values.
struct Context {
  AppState& state;
  Canvas& canvas;
  Controls& controls;
  Dialogs& dialogs;
  Services& services;
  WatchmanState& watchman;
};

using KeyOperation = void (*)(Context&, int16_t shift);

// What a key runs with no modifier, with Shift alone, and with any other modifier state.
struct KeyRow {
  int16_t key;
  KeyOperation plain;
  KeyOperation shifted;
  KeyOperation other;
};
struct DispatchTables {
  std::span<const ControlRow> controls;  // menu items, toolbar keys, picture buttons, timers
  std::span<const KeyRow> generalKeys;
  std::span<const KeyRow> drawModeKeys;  // active only in draw mode
  Operation closeRequest;
};

// The program's own rows.
const DispatchTables& MainDispatchTables();

// A menu item or toolbar key: runs only while the control is enabled.
void Click(Context& c, const DispatchTables& t, Control control);
// Gives the keyboard focus back to the figure canvas afterwards, whatever ran.
void PictureButtonClick(Context& c, const DispatchTables& t, PictureButton button);
// Key preview is off while the operation and one pass of pending events run, so the dispatcher is
// never entered twice; key-downs that arrive meanwhile wait in the queue and run afterwards, in order.
void KeyDown(Context& c, const DispatchTables& t, int16_t key, int16_t shift);
void CloseRequest(Context& c, const DispatchTables& t);
void TimerTick(Context& c, const DispatchTables& t, Control timer);

// Command dispatch: every click, key-down, close request and timer tick becomes one operation call.
#pragma once

#include <QStringView>
#include <cstdint>
#include <span>

struct AppState;
class Window;
struct WatchmanState;

// What an operation works on: the shared state, the window, and the status bar's own values.
struct Context {
  AppState& state;
  Window& window;
  WatchmanState& watchman;
};

using Operation = void (*)(Context&);
using KeyOperation = void (*)(Context&, int16_t shift);

struct MenuRow {
  const char* item;
  Operation run;
};
struct ToolbarRow {
  const char* key;
  Operation run;
};
struct PictureRow {
  int16_t index;
  Operation run;
};
// What a key runs with no modifier, with Shift alone, and with any other modifier state.
struct KeyRow {
  int16_t key;
  KeyOperation plain;
  KeyOperation shifted;
  KeyOperation other;
};
struct TimerRow {
  const char* timer;
  Operation run;
};

struct DispatchTables {
  std::span<const MenuRow> menu;
  std::span<const ToolbarRow> toolbar;
  std::span<const PictureRow> pictureButtons;
  std::span<const KeyRow> generalKeys;
  std::span<const KeyRow> drawModeKeys;  // active only in draw mode
  std::span<const TimerRow> timers;
  Operation closeRequest;
};

// The program's own rows.
const DispatchTables& MainDispatchTables();

void MenuClick(Context& c, const DispatchTables& t, QStringView item);
// Keys are compared exactly, letter case included.
void ToolbarClick(Context& c, const DispatchTables& t, QStringView key);
// Gives the keyboard focus back to the figure canvas afterwards, whatever ran.
void PictureButtonClick(Context& c, const DispatchTables& t, int16_t index);
// Key preview is off while the operation and one pass of pending events run, so the dispatcher is
// never entered twice; key-downs that arrive meanwhile wait in the queue and run afterwards, in order.
void KeyDown(Context& c, const DispatchTables& t, int16_t key, int16_t shift);
void CloseRequest(Context& c, const DispatchTables& t);
void TimerTick(Context& c, const DispatchTables& t, QStringView timer);

// What the operations need of the machine: settings store, files, sound, clipboard, folders, timers, events.
#pragma once

#include <string>

#include "construction/controls.h"

class Files;
class SettingsStore;

class Services {
 public:
  virtual ~Services() = default;

  // The per-user settings store.
  virtual SettingsStore& Settings() = 0;
  // Figure files and the folders they are chosen in.
  virtual Files& FileSystem() = 0;

  // Plays a wave file given relative to the program's folder; `wait` returns only when it has ended.
  virtual void PlayWave(const std::u16string& path, bool wait) = 0;

  // Replaces the clipboard's content with the display canvas's picture, a bitmap of the canvas's size
  // in pixels whatever the screen's pixel ratio.
  virtual void PutFigureBoxOnClipboard() = 0;

  // The folder that holds the program and its assets.
  virtual std::u16string ProgramFolder() const = 0;
  // A folder of the user's own for figures, made on first use; empty when none can be had.
  virtual std::u16string OwnFiguresFolder() = 0;

  virtual void SetTimerInterval(Control timer, int milliseconds) = 0;
  virtual void SetTimerRunning(Control timer, bool running) = 0;

  // One pass of the toolkit's event processing; input waits in its queue for the next turn.
  virtual void ProcessPendingEvents() = 0;
  // Ends the program at once.
  virtual void EndProgram() = 0;
};

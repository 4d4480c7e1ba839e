// A recording stand-in for the machine's services: settings and files in memory, sounds and timers recorded.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <vector>

#include "call_log.h"
#include "fake_files.h"
#include "fake_settings.h"
#include "shell/services.h"
#include "view/display_list.h"

class FakeServices : public Services, public CallLog {
 public:
  struct Played {
    std::u16string path;
    bool wait;
  };
  struct ClipboardPicture {
    DisplayList picture;
    Size size;
  };

  SettingsStore& Settings() override { return settings; }
  Files& FileSystem() override { return files ? *files : memoryFiles; }
  void PlayWave(const std::u16string& path, bool wait) override {
    played.push_back({path, wait});
    Log() << u"PlayWave " + path;
  }
  // The clipboard keeps the canvas's last picture and size, as far as this fake can see them.
  void PutFigureBoxOnClipboard() override {
    clipboard.push_back(CanvasPicture());
    Log() << u"PutFigureBoxOnClipboard";
  }
  std::u16string ProgramFolder() const override { return programFolder; }
  std::u16string OwnFiguresFolder() override { return ownFiguresFolder; }
  void SetTimerInterval(Control t, int ms) override { timerIntervals[t] = ms; }
  void SetTimerRunning(Control t, bool on) override {
    on ? (void)runningTimers.insert(t) : (void)runningTimers.erase(t);
  }
  void ProcessPendingEvents() override {
    Log() << u"ProcessPendingEvents";
    if (onProcessEvents) onProcessEvents();
  }
  void EndProgram() override { Log() << u"EndProgram"; }

  FakeSettings settings;
  FakeFiles memoryFiles;
  Files* files = nullptr;  // a test of real files points it at them
  std::vector<Played> played;
  std::vector<ClipboardPicture> clipboard;
  std::u16string programFolder = u".";
  std::u16string ownFiguresFolder;  // none, unless a test gives one
  std::map<Control, int> timerIntervals;
  std::set<Control> runningTimers;
  std::function<void()> onProcessEvents;

 protected:
  virtual ClipboardPicture CanvasPicture() const { return {}; }
};

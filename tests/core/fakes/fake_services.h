// A recording stand-in for the machine's services: settings in memory, sounds and timers recorded.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <vector>

#include "call_log.h"
#include "fake_settings.h"
#include "shell/services.h"
#include "view/display_list.h"

class FakeServices : public Services, public CallLog {
 public:
  struct Played {
    QString path;
    bool wait;
  };
  struct ClipboardPicture {
    DisplayList picture;
    QSize size;
  };

  SettingsStore& Settings() override { return settings; }
  void PlayWave(const QString& path, bool wait) override {
    played.push_back({path, wait});
    Log() << QStringLiteral("PlayWave ") + path;
  }
  // The clipboard keeps the canvas's last picture and size, as far as this fake can see them.
  void PutFigureBoxOnClipboard() override {
    clipboard.push_back(CanvasPicture());
    Log() << QStringLiteral("PutFigureBoxOnClipboard");
  }
  QString ProgramFolder() const override { return programFolder; }
  QString OwnFiguresFolder() override { return ownFiguresFolder; }
  void SetTimerInterval(Control t, int ms) override { timerIntervals[t] = ms; }
  void SetTimerRunning(Control t, bool on) override {
    on ? (void)runningTimers.insert(t) : (void)runningTimers.erase(t);
  }
  void ProcessPendingEvents() override {
    Log() << QStringLiteral("ProcessPendingEvents");
    if (onProcessEvents) onProcessEvents();
  }
  void EndProgram() override { Log() << QStringLiteral("EndProgram"); }

  FakeSettings settings;
  std::vector<Played> played;
  std::vector<ClipboardPicture> clipboard;
  QString programFolder = QStringLiteral(".");
  QString ownFiguresFolder;  // none, unless a test gives one
  std::map<Control, int> timerIntervals;
  std::set<Control> runningTimers;
  std::function<void()> onProcessEvents;

 protected:
  virtual ClipboardPicture CanvasPicture() const { return {}; }
};

// Settings, files, sounds, the clipboard and timers as the browser has them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/settings_store.h"
#include "core/shell/services.h"
#include "web/front/page_files.h"

// What the learner is told when the browser keeps the picture off its clipboard.
inline constexpr std::u16string_view kClipboardRefusedText = u"クリップボードにコピーできませんでした。";

// Settings in localStorage, each under "section/key".
class PageSettings : public SettingsStore {
 public:
  std::optional<std::u16string> Read(const std::u16string& section, const std::u16string& key) override;
  void Write(const std::u16string& section, const std::u16string& key, const std::u16string& value) override;
  bool Sync() override;

 private:
  bool kept_ = true;
};

class PageServices : public Services {
 public:
  PageServices();
  SettingsStore& Settings() override { return settings_; }
  SiteFiles& FileSystem() override { return files_; }
  // Web Audio; silent, and not waited for, where the page has no sound or before the first gesture.
  void PlayWave(const std::u16string& path, bool wait) override;
  // A PNG of the figure canvas through the asynchronous clipboard; a refusal is said in a message box.
  void PutFigureBoxOnClipboard() override;
  // The site's folder, so that the program's files are fetched relative to the page.
  std::u16string ProgramFolder() const override { return u"."; }
  std::u16string OwnFiguresFolder() override { return {}; }
  void SetTimerInterval(Control timer, int ms) override;
  void SetTimerRunning(Control timer, bool running) override;
  // The page delivers input after each entry returns: nothing waits here.
  void ProcessPendingEvents() override {}
  // A page cannot close its own tab: it says the program has ended instead.
  void EndProgram() override;

 private:
  struct Timer {
    int interval = 0;
    bool running = false;
  };
  static std::size_t Index(Control c) { return static_cast<std::size_t>(c); }
  void Update(Control timer);

  PageSettings settings_;
  SiteFiles files_;
  std::array<Timer, kControlCount> timers_{};
};

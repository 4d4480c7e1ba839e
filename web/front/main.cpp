// The browser front-end: the four ports over the page, and the core started as on the desktop.
#include <emscripten.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "core/construction/dispatch.h"
#include "core/figure/app_state.h"
#include "core/settings/settings_store.h"
#include "core/shell/controls_port.h"
#include "core/shell/dialogs.h"
#include "core/shell/files.h"
#include "core/shell/services.h"
#include "core/shell/startup.h"
#include "core/shell/status_bar.h"
#include "core/shell/timers.h"
#include "web/front/page_canvas.h"
#include "web/glue/page.h"

// A file of the site by its address, fetched whole while the program waits.
EM_ASYNC_JS(char*, js_fetch, (const char16_t* path, int length, int max_bytes, int* out_length), {
  try {
    const response = await fetch(UTF16ToString(path, length * 2));
    if (!response.ok) return 0;
    const data = new Uint8Array(await response.arrayBuffer());
    if (data.length > max_bytes) {
      HEAP32[out_length >> 2] = -1;
      return 0;
    }
    const out = _malloc(Math.max(data.length, 1));
    HEAPU8.set(data, out);
    HEAP32[out_length >> 2] = data.length;
    return out;
  } catch (e) {
    return 0;
  }
});

namespace {

// Settings in localStorage, each under "section/key".
class PageSettings : public SettingsStore {
 public:
  std::optional<std::u16string> Read(const std::u16string& section, const std::u16string& key) override {
    return page::Stored(section + u'/' + key);
  }
  void Write(const std::u16string& section, const std::u16string& key, const std::u16string& value) override {
    kept_ = page::Store(section + u'/' + key, value) && kept_;
  }
  bool Sync() override { return std::exchange(kept_, true); }

 private:
  bool kept_ = true;
};

// The program's own files come from the site; figures of the learner's are not reachable yet.
class SiteFiles : public Files {
 public:
  FileStatus ReadAll(const std::u16string& path, std::size_t maxBytes, std::string& bytes) override {
    int length = 0;
    const int bound = maxBytes > 0x7fffffff ? 0x7fffffff : static_cast<int>(maxBytes);
    char* data = js_fetch(path.data(), static_cast<int>(path.size()), bound, &length);
    if (!data) return length < 0 ? FileStatus::TooLarge : FileStatus::CannotOpen;
    bytes.assign(data, length);
    free(data);
    return FileStatus::Ok;
  }
  FileStatus ReplaceAll(const std::u16string&, std::string_view) override { return FileStatus::CannotCreate; }
  bool IsWritableFolder(const std::u16string&) const override { return false; }
  std::u16string AbsolutePath(const std::u16string& path) const override { return path; }
};

class PageControls : public Controls {
 public:
  explicit PageControls(PageCanvas& canvas) : canvas_(canvas) {}
  void LoadMainWindow() override {}
  void ShowMainWindow() override {}
  void SetEnabled(Control c, bool on) override { At(enabled_, c) = on; }
  bool IsEnabled(Control c) const override { return enabled_[Index(c)]; }
  void SetChecked(Control c, bool on) override { At(checked_, c) = on; }
  bool IsChecked(Control c) const override { return checked_[Index(c)]; }
  void SetVisible(Control, bool) override {}
  void Place(Control c, const Rect& rect) override {
    placement_[Index(c)] = rect;
    if (c == Control::picFigBox) canvas_.Resize(rect.size());
  }
  Rect Placement(Control c) const override { return placement_[Index(c)]; }
  void SetClientSize(const Size&) override {}
  void CentreOnScreen() override {}
  Size ScreenSize() const override { return {1024, 768}; }
  int ToolbarHeight() const override { return 28; }
  int StatusBarHeight() const override { return 20; }
  std::u16string Title() const override { return title_; }
  void SetTitle(const std::u16string& title) override {
    title_ = title;
    page::SetTitle(title);
  }
  void SetExplanationText(const std::u16string& text) override { page::SetText("explanation", text); }
  void SetAngleText(const std::u16string& text) override { page::SetText("angle", text); }
  void SetPanelWidths(int, int) override {}
  void SetKeyPreview(bool) override {}
  void FocusFigureBox() override {}
  void SetWaitCursor(bool) override {}

 private:
  static std::size_t Index(Control c) { return static_cast<std::size_t>(c); }
  static bool& At(std::array<bool, kControlCount>& a, Control c) { return a[Index(c)]; }
  PageCanvas& canvas_;
  std::array<bool, kControlCount> enabled_{}, checked_{};
  std::array<Rect, kControlCount> placement_{};
  std::u16string title_;
};

class PageDialogs : public Dialogs {
 public:
  MessageAnswer ShowMessage(const Message& m) override {
    return static_cast<MessageAnswer>(
        page::Ask(m.text, m.title, static_cast<page::Buttons>(m.buttons), static_cast<page::Icon>(m.icon)));
  }
  // Choosing the learner's files comes next; until then every choice is cancelled.
  std::optional<std::u16string> RunOpenDialog(const std::u16string&,
                                              const std::vector<std::u16string>&) override {
    return std::nullopt;
  }
  std::optional<std::u16string> RunSaveDialog(const std::u16string&,
                                              const std::vector<std::u16string>&) override {
    return std::nullopt;
  }
  std::u16string DialogFileName() const override { return file_name_; }
  void SetDialogFileName(const std::u16string& path) override { file_name_ = path; }
  void PrepareOtherOptions() override {}
  void OpenOtherOptions() override {}
  DataPathChoice RunDataPathDialog(const std::u16string&) override { return {}; }
  void ShowAboutWindow(const std::u16string&, bool) override {}
  void LoadAboutWindow() override {}
  void UnloadAboutWindow() override {}
  void OpenHelpFile(const std::u16string&) override {}

 private:
  std::u16string file_name_;
};

class PageServices : public Services {
 public:
  SettingsStore& Settings() override { return settings_; }
  Files& FileSystem() override { return files_; }
  void PlayWave(const std::u16string&, bool) override {}
  void PutFigureBoxOnClipboard() override {}
  // The site's folder, so that the program's files are fetched relative to the page.
  std::u16string ProgramFolder() const override { return u"."; }
  std::u16string OwnFiguresFolder() override { return {}; }
  // A timer runs while it is meant to and has an interval, as the window's timers do.
  PageServices() {
    for (const TimerDesign& t : kTimers) timers_[Index(t.id)] = {t.interval, t.running};
    for (const TimerDesign& t : kTimers) Update(t.id);
  }
  void SetTimerInterval(Control timer, int ms) override {
    timers_[Index(timer)].interval = ms;
    Update(timer);
  }
  void SetTimerRunning(Control timer, bool running) override {
    timers_[Index(timer)].running = running;
    Update(timer);
  }
  // The page delivers input after each entry returns: nothing waits here.
  void ProcessPendingEvents() override {}
  void EndProgram() override {}

 private:
  PageSettings settings_;
  SiteFiles files_;
  struct Timer {
    int interval = 0;
    bool running = false;
  };
  std::array<Timer, kControlCount> timers_{};

  static std::size_t Index(Control c) { return static_cast<std::size_t>(c); }
  void Update(Control timer) {
    const Timer& t = timers_[Index(timer)];
    const int id = static_cast<int>(timer);
    if (t.running && t.interval > 0)
      page::StartTimer(id, t.interval);
    else
      page::StopTimer(id);
  }
};

struct Program {
  AppState state;
  PageCanvas canvas;
  PageControls controls{canvas};
  PageDialogs dialogs;
  PageServices services;
  WatchmanState watchman;
  Context context{state, canvas, controls, dialogs, services, watchman};
};

Program& TheProgram() {
  static Program program;
  return program;
}

}  // namespace

int main() {
  page::Connect({
      .start = [] { StartUp(TheProgram().context); },
      .key_down =
          [](int key, int shift) {
            KeyDown(TheProgram().context, MainDispatchTables(), static_cast<int16_t>(key),
                    static_cast<int16_t>(shift));
          },
      .control = [](int id) { Click(TheProgram().context, MainDispatchTables(), static_cast<Control>(id)); },
      .timer =
          [](int id) { TimerTick(TheProgram().context, MainDispatchTables(), static_cast<Control>(id)); },
  });
}

#include "web/front/page_services.h"

#include <emscripten.h>

#include <utility>

#include "core/shell/timers.h"
#include "web/glue/page.h"

std::optional<std::u16string> PageSettings::Read(const std::u16string& section, const std::u16string& key) {
  return page::Stored(section + u'/' + key);
}
void PageSettings::Write(const std::u16string& section, const std::u16string& key,
                         const std::u16string& value) {
  kept_ = page::Store(section + u'/' + key, value) && kept_;
}
bool PageSettings::Sync() { return std::exchange(kept_, true); }

// Sounds (site/sound.js): a waiting play holds the program until the sound has ended, as on the desktop.
// The bodies are JavaScript.
// clang-format off
EM_JS(void, js_play_wave, (const char16_t* path, int length), {
  Module.page.playWave(UTF16ToString(path, length * 2), false);
});
EM_ASYNC_JS(void, js_play_wave_waiting, (const char16_t* path, int length), {
  await Module.page.playWave(UTF16ToString(path, length * 2), true);
});
// The clipboard (site/clipboard.js): 1 once the picture is on it.
EM_ASYNC_JS(int, js_copy_picture, (const char* canvas_id), {
  return await Module.page.copyPicture(UTF8ToString(canvas_id)) ? 1 : 0;
});
// clang-format on

void PageServices::PlayWave(const std::u16string& path, bool wait) {
  const int length = static_cast<int>(path.size());
  wait ? js_play_wave_waiting(path.data(), length) : js_play_wave(path.data(), length);
}

// The copy commands have just drawn the figure at the normal size on the figure canvas; the learner is
// told when the browser refuses, rather than left believing the picture copied.
void PageServices::PutFigureBoxOnClipboard() {
  if (js_copy_picture("figure") == 0)
    page::Ask(kClipboardRefusedText, {}, page::Buttons::Ok, page::Icon::None);
}

// A timer runs while it is meant to and has an interval, as the window's timers do.
PageServices::PageServices() {
  for (const TimerDesign& t : kTimers) timers_[Index(t.id)] = {t.interval, t.running};
  for (const TimerDesign& t : kTimers) Update(t.id);
}

void PageServices::SetTimerInterval(Control timer, int ms) {
  timers_[Index(timer)].interval = ms;
  Update(timer);
}

void PageServices::SetTimerRunning(Control timer, bool running) {
  timers_[Index(timer)].running = running;
  Update(timer);
}

void PageServices::Update(Control timer) {
  const Timer& t = timers_[Index(timer)];
  const int id = static_cast<int>(timer);
  if (t.running && t.interval > 0)
    page::StartTimer(id, t.interval);
  else
    page::StopTimer(id);
}

// The page stops its timers as it ends.
void PageServices::EndProgram() { page::End(); }

#include "web/front/page_services.h"

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

void PageServices::EndProgram() {
  for (Control id = Control{}; static_cast<int>(id) < kControlCount; id = Control(static_cast<int>(id) + 1))
    page::StopTimer(static_cast<int>(id));
  page::End();
}

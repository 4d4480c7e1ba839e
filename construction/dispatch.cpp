// The dispatcher: looks a door's event up in its table and runs the one row that matches.
#include "construction/dispatch.h"

#include "figure/app_state.h"
#include "shell/window.h"

namespace {
template <class Row, class Key, class Match>
const Row* Find(std::span<const Row> rows, const Key& key, Match match) {
  for (const Row& row : rows) {
    if (match(row, key)) return &row;
  }
  return nullptr;
}

bool NameIs(const char* name, QStringView text) { return QLatin1String(name) == text; }

void RunKey(Context& c, std::span<const KeyRow> rows, int16_t key, int16_t shift) {
  const KeyRow* row = Find(rows, key, [](const KeyRow& r, int16_t k) { return r.key == k; });
  if (!row) return;
  const KeyOperation run = shift == 0 ? row->plain : shift == 1 ? row->shifted : row->other;
  if (run) run(c, shift);
}
}  // namespace

void MenuClick(Context& c, const DispatchTables& t, QStringView item) {
  if (!c.window.IsEnabled(item.toString())) return;
  const MenuRow* row = Find(t.menu, item, [](const MenuRow& r, QStringView i) { return NameIs(r.item, i); });
  if (row && row->run) row->run(c);
}

void ToolbarClick(Context& c, const DispatchTables& t, QStringView key) {
  if (!c.window.IsEnabled(key.toString())) return;
  const ToolbarRow* row =
      Find(t.toolbar, key, [](const ToolbarRow& r, QStringView k) { return NameIs(r.key, k); });
  if (row && row->run) row->run(c);
}

void PictureButtonClick(Context& c, const DispatchTables& t, int16_t index) {
  if (c.window.IsEnabled(QStringLiteral("command1(%1)").arg(index))) {
    const PictureRow* row =
        Find(t.pictureButtons, index, [](const PictureRow& r, int16_t i) { return r.index == i; });
    if (row && row->run) row->run(c);
  }
  c.window.FocusFigureBox();
}

void KeyDown(Context& c, const DispatchTables& t, int16_t key, int16_t shift) {
  c.window.SetKeyPreview(false);
  RunKey(c, t.generalKeys, key, shift);
  if (c.state.mblnDrawMode) RunKey(c, t.drawModeKeys, key, shift);
  c.window.ProcessPendingEvents();
  c.window.SetKeyPreview(true);
}

void CloseRequest(Context& c, const DispatchTables& t) {
  if (t.closeRequest) t.closeRequest(c);
}

void TimerTick(Context& c, const DispatchTables& t, QStringView timer) {
  const TimerRow* row =
      Find(t.timers, timer, [](const TimerRow& r, QStringView n) { return NameIs(r.timer, n); });
  if (row && row->run) row->run(c);
}

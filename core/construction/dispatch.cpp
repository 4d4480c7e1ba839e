// The dispatcher: looks a door's event up in its table and runs the one row that matches.
#include "construction/dispatch.h"

#include "figure/app_state.h"
#include "shell/controls_port.h"
#include "shell/services.h"

namespace {
template <class Row, class Key, class Match>
const Row* Find(std::span<const Row> rows, const Key& key, Match match) {
  for (const Row& row : rows) {
    if (match(row, key)) return &row;
  }
  return nullptr;
}

const ControlRow* RowFor(std::span<const ControlRow> rows, Control id) {
  return Find(rows, id, [](const ControlRow& r, Control i) { return r.id == i; });
}

void Run(Context& c, std::span<const ControlRow> rows, Control id) {
  const ControlRow* row = RowFor(rows, id);
  if (row && row->run) row->run(c);
}

void RunKey(Context& c, std::span<const KeyRow> rows, int16_t key, int16_t shift) {
  const KeyRow* row = Find(rows, key, [](const KeyRow& r, int16_t k) { return r.key == k; });
  if (!row) return;
  const KeyOperation run = shift == 0 ? row->plain : shift == 1 ? row->shifted : row->other;
  if (run) run(c, shift);
}
}  // namespace

void Click(Context& c, const DispatchTables& t, Control control) {
  if (c.controls.IsEnabled(control)) Run(c, t.controls, control);
}

void PictureButtonClick(Context& c, const DispatchTables& t, PictureButton button) {
  if (c.controls.IsEnabled(Command1(button))) Run(c, t.controls, Command1(button));
  c.controls.FocusFigureBox();
}

void KeyDown(Context& c, const DispatchTables& t, int16_t key, int16_t shift) {
  c.controls.SetKeyPreview(false);
  RunKey(c, t.generalKeys, key, shift);
  if (c.state.mblnDrawMode) RunKey(c, t.drawModeKeys, key, shift);
  c.services.ProcessPendingEvents();
  c.controls.SetKeyPreview(true);
}

void CloseRequest(Context& c, const DispatchTables& t) {
  if (t.closeRequest) t.closeRequest(c);
}

void TimerTick(Context& c, const DispatchTables& t, Control timer) { Run(c, t.controls, timer); }

// The JavaScript boundary of the page: each call hands over to Module.page (site/page.js) and back.
#include "web/glue/page.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>

// Texts cross as UTF-16 pointer and length; what JavaScript hands back it allocates with malloc and this
// side frees.
// JavaScript inside: clang-format would break its operators.
// clang-format off
EM_JS(void, js_present, (const char* id, const uint32_t* pixels, int width, int height), {
  Module.page.present(UTF8ToString(id), new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4), width, height);
});
EM_JS(void, js_text, (const char* id, int x, int y, const char16_t* text, int length, uint32_t pixel), {
  Module.page.text(UTF8ToString(id), x, y, UTF16ToString(text, length * 2), pixel);
});
EM_ASYNC_JS(int, js_ask, (const char16_t* text, int text_length, const char16_t* title, int title_length,
                          int buttons, int icon), {
  return await Module.page.ask(UTF16ToString(text, text_length * 2), UTF16ToString(title, title_length * 2),
                               buttons, icon);
});
EM_JS(char16_t*, js_stored, (const char16_t* key, int length, int* out_length), {
  const value = Module.page.stored(UTF16ToString(key, length * 2));
  if (value === null) return 0;
  const bytes = value.length * 2 + 2;
  const out = _malloc(bytes);
  stringToUTF16(value, out, bytes);
  HEAP32[out_length >> 2] = value.length;
  return out;
});
EM_JS(int, js_store, (const char16_t* key, int key_length, const char16_t* value, int value_length), {
  return Module.page.store(UTF16ToString(key, key_length * 2), UTF16ToString(value, value_length * 2)) ? 1 : 0;
});
EM_ASYNC_JS(int, js_open_file, (const char16_t* extension, int extension_length, const char16_t* description,
                                int description_length, char16_t** name, int* name_length, char** bytes,
                                int* bytes_length), {
  const chosen = await Module.page.openFile(UTF16ToString(extension, extension_length * 2),
                                            UTF16ToString(description, description_length * 2));
  // A file chosen but not read comes back by name, so the learner can be told which.
  if (chosen.name === undefined) return chosen.result;
  const nameBytes = chosen.name.length * 2 + 2;
  const namePointer = _malloc(nameBytes);
  stringToUTF16(chosen.name, namePointer, nameBytes);
  const data = chosen.bytes ?? new Uint8Array();
  const dataPointer = _malloc(Math.max(data.length, 1));
  HEAPU8.set(data, dataPointer);
  HEAP32[name >> 2] = namePointer;
  HEAP32[name_length >> 2] = chosen.name.length;
  HEAP32[bytes >> 2] = dataPointer;
  HEAP32[bytes_length >> 2] = data.length;
  return chosen.result;
});
EM_ASYNC_JS(int, js_choose_save_file, (const char16_t* name, int name_length, const char16_t* extension,
                                       int extension_length, const char16_t* description,
                                       int description_length, char16_t** chosen, int* chosen_length), {
  const target = await Module.page.chooseSaveFile(UTF16ToString(name, name_length * 2),
                                                  UTF16ToString(extension, extension_length * 2),
                                                  UTF16ToString(description, description_length * 2));
  if (target.result !== 0) return target.result;
  const bytes = target.name.length * 2 + 2;
  const out = _malloc(bytes);
  stringToUTF16(target.name, out, bytes);
  HEAP32[chosen >> 2] = out;
  HEAP32[chosen_length >> 2] = target.name.length;
  return 0;
});
EM_ASYNC_JS(int, js_write_file, (const char16_t* name, int name_length, const char* bytes,
                                 int bytes_length), {
  // A copy: the memory may grow while the write waits.
  const data = HEAPU8.slice(bytes, bytes + bytes_length);
  return await Module.page.writeFile(UTF16ToString(name, name_length * 2), data);
});
EM_ASYNC_JS(void, js_next_frame, (), { await new Promise(requestAnimationFrame); });
EM_JS(void, js_start_timer, (int id, int interval), { Module.page.startTimer(id, interval); });
EM_JS(void, js_stop_timer, (int id), { Module.page.stopTimer(id); });
EM_JS(void, js_set_text, (const char* id, int id_length, const char16_t* text, int length), {
  Module.page.setText(UTF8ToString(id, id_length), UTF16ToString(text, length * 2));
});
EM_JS(void, js_set_title, (const char16_t* text, int length), {
  document.title = UTF16ToString(text, length * 2);
});
EM_JS(void, js_add_control, (int id, int kind, const char* name, int name_length, const char* caption,
                             int caption_length, const char* shortcut, int shortcut_length, int place, int checkable,
                             const char* icon, int icon_length, int icon_size), {
  Module.page.addControl({id, kind, name: UTF8ToString(name, name_length), caption: UTF8ToString(caption, caption_length),
                          shortcut: UTF8ToString(shortcut, shortcut_length), place, checkable: checkable !== 0,
                          icon: UTF8ToString(icon, icon_length), iconSize: icon_size});
});
EM_JS(void, js_place_control, (int id, int x, int y, int width, int height), {
  Module.page.placeControl(id, x, y, width, height);
});
EM_JS(void, js_control_state, (int id, int enabled, int checked, int visible), {
  Module.page.controlState(id, enabled !== 0, checked !== 0, visible !== 0);
});
EM_JS(void, js_window_size, (int width, int height, int toolbar, int status_bar), {
  Module.page.windowSize(width, height, toolbar, status_bar);
});
EM_JS(void, js_panel_widths, (int explanation, int angle), { Module.page.panelWidths(explanation, angle); });
EM_JS(void, js_wait_cursor, (int on), { Module.page.waitCursor(on !== 0); });
EM_JS(void, js_focus_figure, (), { Module.page.focusFigure(); });
EM_JS(void, js_copy_canvas, (const char* from, int from_length, const char* to, int to_length, int width, int height), {
  Module.page.copyCanvas(UTF8ToString(from, from_length), UTF8ToString(to, to_length), width, height);
});

EM_JS(void, js_end, (), { Module.page.end(); });
// clang-format on

namespace page {
namespace {

Entries& Connected() {
  static Entries entries;
  return entries;
}

int Length(std::u16string_view text) { return static_cast<int>(text.size()); }
int Size(std::string_view text) { return static_cast<int>(text.size()); }

}  // namespace

Canvas::Canvas(std::string element_id, int width, int height) : element_id_(std::move(element_id)) {
  Resize(width, height);
}

void Canvas::Resize(int width, int height) {
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<size_t>(width) * height, 0xffffffffu);
}

void Canvas::Fill(uint32_t pixel) { std::fill(pixels_.begin(), pixels_.end(), pixel); }

void Canvas::Present(std::span<const Text> texts) const {
  js_present(element_id_.c_str(), pixels_.data(), width_, height_);
  for (const Text& t : texts) {
    js_text(element_id_.c_str(), t.x, t.y, t.text.data(), Length(t.text), t.pixel);
  }
}

Answer Ask(std::u16string_view text, std::u16string_view title, Buttons buttons, Icon icon) {
  return static_cast<Answer>(js_ask(text.data(), Length(text), title.data(), Length(title),
                                    static_cast<int>(buttons), static_cast<int>(icon)));
}

std::optional<std::u16string> Stored(std::u16string_view key) {
  int length = 0;
  char16_t* value = js_stored(key.data(), Length(key), &length);
  if (!value) return std::nullopt;
  std::u16string result(value, static_cast<size_t>(length));
  std::free(value);
  return result;
}

bool Store(std::u16string_view key, std::u16string_view value) {
  return js_store(key.data(), Length(key), value.data(), Length(value)) != 0;
}

OpenedFile OpenFile(std::u16string_view extension, std::u16string_view description) {
  char16_t* name = nullptr;
  char* bytes = nullptr;
  int name_length = 0, bytes_length = 0;
  OpenedFile opened;
  opened.result = static_cast<FileResult>(js_open_file(extension.data(), Length(extension), description.data(),
                                                       Length(description), &name, &name_length, &bytes,
                                                       &bytes_length));
  if (!name) return opened;
  opened.file.name.assign(name, static_cast<size_t>(name_length));
  opened.file.bytes.assign(bytes, static_cast<size_t>(bytes_length));
  std::free(name);
  std::free(bytes);
  return opened;
}

SaveTarget ChooseSaveFile(std::u16string_view suggested_name, std::u16string_view extension,
                          std::u16string_view description) {
  char16_t* name = nullptr;
  int name_length = 0;
  SaveTarget target;
  target.result = static_cast<FileResult>(
      js_choose_save_file(suggested_name.data(), Length(suggested_name), extension.data(), Length(extension),
                          description.data(), Length(description), &name, &name_length));
  if (target.result != FileResult::Done) return target;
  target.name.assign(name, static_cast<size_t>(name_length));
  std::free(name);
  return target;
}

FileResult WriteFile(std::u16string_view name, std::string_view bytes) {
  return static_cast<FileResult>(
      js_write_file(name.data(), Length(name), bytes.data(), static_cast<int>(bytes.size())));
}

void NextFrame() { js_next_frame(); }
void StartTimer(int id, int interval_ms) { js_start_timer(id, interval_ms); }
void StopTimer(int id) { js_stop_timer(id); }

void SetText(std::string_view element_id, std::u16string_view text) {
  js_set_text(element_id.data(), static_cast<int>(element_id.size()), text.data(), Length(text));
}

void SetTitle(std::u16string_view title) { js_set_title(title.data(), Length(title)); }

void End() { js_end(); }

void AddControl(const ControlElement& c) {
  js_add_control(c.id, c.kind, c.name.data(), Size(c.name), c.caption.data(), Size(c.caption), c.shortcut.data(),
                 Size(c.shortcut), c.place, c.checkable ? 1 : 0, c.icon.data(), Size(c.icon), c.icon_size);
}
void PlaceControl(int id, int x, int y, int width, int height) { js_place_control(id, x, y, width, height); }
void SetControlState(int id, bool enabled, bool checked, bool visible) {
  js_control_state(id, enabled ? 1 : 0, checked ? 1 : 0, visible ? 1 : 0);
}
void SetWindowSize(int width, int height, int toolbar_height, int status_bar_height) {
  js_window_size(width, height, toolbar_height, status_bar_height);
}
void SetPanelWidths(int explanation, int angle) { js_panel_widths(explanation, angle); }
void SetWaitCursor(bool on) { js_wait_cursor(on ? 1 : 0); }
void FocusFigure() { js_focus_figure(); }
void CopyCanvas(std::string_view from, std::string_view to, int width, int height) {
  js_copy_canvas(from.data(), Size(from), to.data(), Size(to), width, height);
}

void Connect(Entries entries) { Connected() = std::move(entries); }

}  // namespace page

// The entries of the page (site/page.js calls them through its queue, never two at once).
extern "C" {
EMSCRIPTEN_KEEPALIVE void page_start() {
  if (page::Connected().start) page::Connected().start();
}
EMSCRIPTEN_KEEPALIVE void page_key_down(int key, int shift) {
  if (page::Connected().key_down) page::Connected().key_down(key, shift);
}
EMSCRIPTEN_KEEPALIVE void page_control(int id) {
  if (page::Connected().control) page::Connected().control(id);
}
EMSCRIPTEN_KEEPALIVE void page_timer(int id) {
  if (page::Connected().timer) page::Connected().timer(id);
}
EMSCRIPTEN_KEEPALIVE void page_hand(int event, int a, int b) {
  if (page::Connected().hand) page::Connected().hand(event, a, b);
}
EMSCRIPTEN_KEEPALIVE void page_drop() {
  if (page::Connected().drop) page::Connected().drop();
}
}

// The C++ side of the page: what the browser front-end's ports call, and the entries the page calls back.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace page {

// A <canvas> of the page fed from pixels this side owns, laid out as ImageData has them in memory (R, G,
// B, A bytes; wasm is little-endian): the core's PixelOrder::Abgr. Texts go over the pixels in the page's font,
// since only the browser has the fonts.
class Canvas {
 public:
  Canvas(std::string element_id, int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  // Row-major, `width()` pixels a row, no padding.
  std::span<uint32_t> pixels() { return pixels_; }
  void Resize(int width, int height);
  void Fill(uint32_t pixel);

  // Shows the pixels, then writes each text with its top-left corner at (x, y).
  struct Text {
    int x = 0, y = 0;
    std::u16string text;
    uint32_t pixel = 0xff000000u;  // black
  };
  void Present(std::span<const Text> texts = {}) const;

 private:
  std::string element_id_;
  int width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
};

// A message box as an HTML dialog. The call waits (Asyncify) until the learner answers; meanwhile the
// page holds back every other entry into this side and delivers it afterwards.
enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Question, Exclamation };
enum class Answer { Ok, Cancel, Yes, No };
Answer Ask(std::u16string_view text, std::u16string_view title, Buttons buttons, Icon icon);

// localStorage. Reading gives nothing where the key is absent or storage is refused (a private window);
// storing says whether the value is really kept.
std::optional<std::u16string> Stored(std::u16string_view key);
bool Store(std::u16string_view key, std::u16string_view value);

// A file chosen through the File System Access picker, or an upload where the browser has none.
struct ChosenFile {
  std::u16string name;
  std::string bytes;
};
enum class FileResult { Done, Cancelled, Failed };
// Failed with a name: that file was chosen but could not be read.
struct OpenedFile {
  FileResult result = FileResult::Cancelled;
  ChosenFile file;
};
// `extension` is ".nbo" and the like; `description` names the kind in the picker. A file dropped on the
// page answers the next call instead. Of a huge file only the first 32 MiB come, still too many for a figure.
OpenedFile OpenFile(std::u16string_view extension, std::u16string_view description);
// Where to save: the picker's file is kept for WriteFile and its name comes back; a browser without the
// picker asks for a name, and WriteFile downloads.
struct SaveTarget {
  FileResult result = FileResult::Cancelled;
  std::u16string name;
};
SaveTarget ChooseSaveFile(std::u16string_view suggested_name, std::u16string_view extension,
                          std::u16string_view description);
// Writes the whole of `bytes` to the kept file and only then commits it (the writable is closed last), or
// downloads them as `name`. Done only when the bytes are all out.
FileResult WriteFile(std::u16string_view name, std::string_view bytes);

// Waits for the display's next frame (requestAnimationFrame): glides are paced by it.
void NextFrame();
// Repeating timers by the front-end's own ids; each tick reaches Entries::timer.
void StartTimer(int id, int interval_ms);
void StopTimer(int id);

// Plain texts of the page: an element's text by its id, and the document title.
void SetText(std::string_view element_id, std::u16string_view text);
void SetTitle(std::u16string_view title);

// The program has ended: the page says so, takes no more input and offers to start again.
void End();

// The main window as elements of the page (site/window.js, site/menus.js): each row of the core's control
// table once at start, then placements and states by the table's ids. Texts are UTF-8.
struct ControlElement {
  int id = 0;
  int kind = 0;  // ControlKind
  std::string_view name, caption, shortcut;
  int place = 0;
  bool checkable = false;
  std::string_view icon;  // a file of icons/ without ".svg"; empty for none
  int icon_size = 0;
};
void AddControl(const ControlElement& control);
void PlaceControl(int id, int x, int y, int width, int height);
void SetControlState(int id, bool enabled, bool checked, bool visible);
void SetWindowSize(int width, int height, int toolbar_height, int status_bar_height);
void SetPanelWidths(int explanation, int angle);
void SetWaitCursor(bool on);
void FocusFigure();
// Copies the top-left width x height pixels of one canvas, as shown (texts too), into another.
void CopyCanvas(std::string_view from, std::string_view to, int width, int height);

// What the page calls. Each runs to its end (or to its wait) before the next starts; a key pressed or a
// timer due meanwhile is delivered afterwards, a timer's ticks folded into one.
struct Entries {
  std::function<void()> start;
  // A Windows virtual-key code and the modifier bits 1 Shift, 2 Ctrl, 4 Alt.
  std::function<void(int key, int shift)> key_down;
  // An element of the page marked data-control="id" was clicked or tapped.
  std::function<void(int id)> control;
  std::function<void(int id)> timer;
  // The figure canvas by hand, in its own pixels: see HandEvent.
  std::function<void(int event, int a, int b)> hand;
  // A file was dropped on the page; the next open dialog answers with it.
  std::function<void()> drop;
};
// What `hand` gets: a press, move (a, b the position), release, wheel (a its units, 120 a notch, + away
// from the user), pinch (a the two fingers' distance) and pinch end.
enum class HandEvent { Press, Move, Release, Wheel, Pinch, PinchEnd };
// Call from main(): the page starts the front-end through `start` once the module is loaded.
void Connect(Entries entries);

}  // namespace page

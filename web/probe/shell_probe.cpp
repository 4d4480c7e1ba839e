// Stands in for the core until it is plugged in: drives every call of the page glue so that the browser
// tests can check each one, written in the C++ the core is written in.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "web/glue/page.h"

namespace {

constexpr int kWidth = 488, kHeight = 376;
constexpr int kTimerId = 1;

enum class Key : int { G = 71, L = 76, Q = 81, S = 83, T = 84, W = 87, F1 = 112, F9 = 120 };
constexpr int kCtrl = 2;

// The four quadrants of the test pattern: the tests read these exact colours back from the canvas.
constexpr std::array<std::array<uint8_t, 3>, 4> kQuadrants{{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 51, 0}}};

std::u16string Widen(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

// Integers through <charconv>. Emscripten's libc++ (13) has no floating-point to_chars or from_chars:
// where __cpp_lib_to_chars is missing, floats go through printf's %.7G, which the figure files' format
// follows, and back through strtod.
template <typename Number>
std::u16string Text(Number value) {
  std::array<char, 32> buffer{};
  size_t length = 0;
  if constexpr (std::is_floating_point_v<Number>) {
#if defined(__cpp_lib_to_chars)
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), double(value),
                                      std::chars_format::general, 7);
    if (error != std::errc{}) return u"?";
    length = end - buffer.data();
    for (char& c : buffer) c = c == 'e' ? 'E' : c;
#else
    length = std::snprintf(buffer.data(), buffer.size(), "%.7G", double(value));
#endif
  } else {
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (error != std::errc{}) return u"?";
    length = end - buffer.data();
  }
  return Widen({buffer.data(), length});
}

struct Probe {
  page::Canvas canvas{"figure", kWidth, kHeight};
  std::array<std::u16string, 8> keys;  // the last keys, newest last
  int key_count = 0;
  int frames = 0;
  int ticks = 0;
  bool ticking = false;
  std::optional<page::ChosenFile> loaded;
};

Probe& State() {
  static Probe probe;
  return probe;
}

void Log(std::string_view element, std::u16string_view text) { page::SetText(element, text); }

void DrawPattern(Probe& p, float turn) {
  auto pixels = p.canvas.pixels();
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const auto& c = kQuadrants[(y >= kHeight / 2) * 2 + (x >= kWidth / 2)];
      pixels[y * kWidth + x] = page::Pixel(c[0], c[1], c[2]);
    }
  }
  // A white circle about the centre and one spoke at `turn` radians: the glide turns the spoke.
  const float cx = kWidth / 2.0f, cy = kHeight / 2.0f, r = 100.0f;
  for (int step = 0; step < 720; ++step) {
    const float a = step * 3.1415f / 360.0f;
    pixels[std::lround(cy + r * std::sin(a)) * kWidth + std::lround(cx + r * std::cos(a))] = page::Pixel(255, 255, 255);
  }
  for (int i = 0; i < 100; ++i) {
    pixels[std::lround(cy - i * std::sin(turn)) * kWidth + std::lround(cx + i * std::cos(turn))] =
        page::Pixel(255, 255, 0);
  }
  const float x = 12.5f, y = 0.1f, z = -3.0f;
  const std::array texts{
      page::Canvas::Text{.x = 8, .y = 8, .text = u"テスト模様　作図ポインタ", .pixel = page::Pixel(255, 255, 255)},
      page::Canvas::Text{.x = 8, .y = 28,
                         .text = u"x= " + Text(x) + u" y= " + Text(y) + u" z=" + Text(z),
                         .pixel = page::Pixel(255, 255, 255)},
  };
  p.canvas.Present(texts);
}

void Start() {
  Probe& p = State();
  DrawPattern(p, 0);
  // A count kept across reloads shows the store reads back what it wrote.
  const std::u16string key = u"立体ヌボロforWin/Option/Visits";
  int visits = 0;
  if (auto stored = page::Stored(key)) {
    for (char16_t c : *stored) visits = visits * 10 + (c - u'0');
  }
  ++visits;
  const bool kept = page::Store(key, Text(visits));
  Log("visits", Text(visits) + (kept ? u"" : u" 保存できません"));
  std::u16string numbers;
  for (float v : {12.5f, 0.1f, -3.0f, 1e-5f, 1234567.9f, -0.5f}) numbers += Text(v) + u" ";
  numbers += Text(std::strtod("-.5", nullptr));
  Log("numbers", numbers);
  page::SetTitle(u"立体ヌボロ for Windows Ver3.1");
  Log("explanation", u"ようこそ、立体ヌボロへ");
}

void Glide() {
  Probe& p = State();
  for (int frame = 1; frame <= 9; ++frame) {
    page::NextFrame();
    p.frames = frame;
    DrawPattern(p, frame * 5 * 3.1415f / 180);
  }
  Log("frames", Text(p.frames));
}

void OpenAndShow() {
  Probe& p = State();
  page::OpenedFile opened = page::OpenFile(u".nbo", u"立体ヌボロ 図形");
  if (opened.result != page::FileResult::Done) {
    Log("file", opened.result == page::FileResult::Cancelled ? u"取消し" : u"失敗");
    return;
  }
  Log("file", opened.file.name + u" " + Text(opened.file.bytes.size()));
  p.loaded = std::move(opened.file);
}

void SaveLoaded() {
  Probe& p = State();
  const std::string fallback = "立体ヌボロ for Windows Ver3.1\r\n";
  const page::FileResult saved = page::SaveFile(p.loaded ? p.loaded->name : u"図形.nbo", u"立体ヌボロ 図形",
                                                p.loaded ? p.loaded->bytes : fallback);
  Log("file", saved == page::FileResult::Done ? u"保存しました" : saved == page::FileResult::Cancelled ? u"取消し" : u"失敗");
}

void KeyDown(int key, int shift) {
  Probe& p = State();
  std::rotate(p.keys.begin(), p.keys.begin() + 1, p.keys.end());
  p.keys.back() = Text(key) + u":" + Text(shift);
  std::u16string log = Text(++p.key_count) + u" |";
  for (const auto& k : p.keys) {
    if (!k.empty()) log += u" " + k;
  }
  Log("keys", log);
  switch (static_cast<Key>(key)) {
    case Key::F1: {
      const page::Answer answer = page::Ask(u"図形が変更されています。保存しますか？", u"ちょっとまってね",
                                            page::Buttons::YesNo, page::Icon::Question);
      Log("answer", answer == page::Answer::Yes ? u"はい" : answer == page::Answer::No ? u"いいえ" : u"?");
      break;
    }
    case Key::Q: {
      const page::Answer answer = page::Ask(u"ほんとうに終わりますか？", u"", page::Buttons::OkCancel,
                                            page::Icon::Exclamation);
      Log("answer", answer == page::Answer::Ok ? u"OK" : answer == page::Answer::Cancel ? u"キャンセル" : u"?");
      break;
    }
    case Key::G: Glide(); break;
    case Key::W:
      page::Sleep(100);
      Log("frames", u"100 ms");
      break;
    case Key::F9: std::abort();
    case Key::T:
      p.ticking = !p.ticking;
      if (p.ticking) page::StartTimer(kTimerId, 100); else page::StopTimer(kTimerId);
      break;
    case Key::L: if (shift == kCtrl) OpenAndShow(); break;
    case Key::S: if (shift == kCtrl) SaveLoaded(); break;
    default: break;
  }
}

}  // namespace

int main() {
  static_assert(std::is_same_v<std::underlying_type_t<Key>, int>);
  page::Connect({
      .start = Start,
      .key_down = KeyDown,
      .control = [](int id) { Log("control", Text(id)); },
      .timer = [](int) { Log("ticks", Text(++State().ticks)); },
  });
}

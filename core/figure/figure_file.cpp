// The ".nbo" format: ASCII numbers, CR LF, a header, one record per line, a Shift_JIS trailer.
#include "figure/figure_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "figure/number_format.h"
#include "figure/numeric.h"
#include "figure/text.h"
#include "shell/files.h"

namespace {
// Far beyond any real figure file; keeps a stray huge file from filling memory.
constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The Shift_JIS pair's character where an item typed with the input method on would hold it: the wide
// space, digits and Latin letters. Any other pair is shown as U+FFFD.
char16_t WidePair(uint8_t lead, uint8_t trail) {
  if (lead == 0x81 && trail == 0x40) return u'\u3000';
  if (lead != 0x82) return u'\ufffd';
  if (trail >= 0x4f && trail <= 0x58) return static_cast<char16_t>(0xff10 + (trail - 0x4f));
  if (trail >= 0x60 && trail <= 0x79) return static_cast<char16_t>(0xff21 + (trail - 0x60));
  if (trail >= 0x81 && trail <= 0x9a) return static_cast<char16_t>(0xff41 + (trail - 0x81));
  return u'\ufffd';
}

// An item as the user would read it: ASCII as it stands, Shift_JIS half-width katakana and the pairs above
// as themselves, anything else as U+FFFD. Cut at `limit` characters.
std::u16string ShownItem(std::string_view item, std::size_t limit) {
  std::u16string out;
  for (std::size_t i = 0; i < item.size() && out.size() < limit; ++i) {
    const auto b = static_cast<uint8_t>(item[i]);
    const auto next = i + 1 < item.size() ? static_cast<uint8_t>(item[i + 1]) : uint8_t{0};
    const bool lead = (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc);
    if (b < 0x80) {
      out += static_cast<char16_t>(b);
    } else if (b >= 0xa1 && b <= 0xdf) {
      out += static_cast<char16_t>(0xff61 + (b - 0xa1));
    } else if (lead && ((next >= 0x40 && next <= 0x7e) || (next >= 0x80 && next <= 0xfc))) {
      out += WidePair(b, next);
      ++i;
    } else {
      out += u'\ufffd';
    }
  }
  return out;
}

// Items separated by runs of spaces, one comma, or line ends.
class ItemReader {
 public:
  explicit ItemReader(std::string_view text) : text_(text) {}

  // Next numeric item, or nullopt with `error` set.
  std::optional<double> Number(std::u16string& error) {
    SkipBlanks(true);
    if (pos_ >= text_.size()) {
      error = u"ファイルが途中で終わっています。";
      return std::nullopt;
    }
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ' ' && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
    const std::string_view item = text_.substr(start, pos_ - start);
    SkipSeparator();
    const auto value = ParseFileNumber(item);
    if (!value) {
      error = u"数値として読めない項目があります（" + NumberText(++items_) + u" 番目の項目「" +
              ShownItem(item, 20) + u"」）。";
      return std::nullopt;
    }
    ++items_;
    return value;
  }

  // The trailer: the rest of its line up to a comma; it only has to be there.
  bool Text() {
    SkipBlanks(true);
    return pos_ < text_.size();
  }

 private:
  void SkipBlanks(bool lineEnds) {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || (lineEnds && IsLineEnd(text_[pos_])))) ++pos_;
  }
  void SkipSeparator() {
    SkipBlanks(false);
    if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int items_ = 0;
};

bool ReadCoordinate(ItemReader& in, float& out, std::u16string& error) {
  const auto v = in.Number(error);
  if (!v) return false;
  if (!std::isfinite(*v) || std::abs(*v) > std::numeric_limits<float>::max()) {
    error = u"座標の値が大きすぎます。";
    return false;
  }
  out = static_cast<float>(*v);
  return true;
}

bool ReadPoint(ItemReader& in, FigureData& f, int i, std::u16string& error) {
  return ReadCoordinate(in, f.x[i], error) && ReadCoordinate(in, f.y[i], error) &&
         ReadCoordinate(in, f.z[i], error);
}

bool ReadLineCount(ItemReader& in, int16_t& out, std::u16string& error) {
  const auto v = in.Number(error);
  if (!v) return false;
  const double n = RoundHalfEven(*v);
  if (!(n >= std::numeric_limits<int16_t>::min() && n <= std::numeric_limits<int16_t>::max())) {
    error = u"線の数が大きすぎます。";
    return false;
  }
  if (n < 0 || n > kMaxLines) {
    error = u"線の数 " + NumberText(static_cast<long long>(n)) + u" は扱えません（0 から " +
            NumberText(kMaxLines) + u" まで）。";
    return false;
  }
  out = static_cast<int16_t>(n);
  return true;
}

std::u16string Quoted(const std::u16string& path) { return u"「" + path + u"」"; }
}  // namespace

bool ParseFigureFile(std::string_view bytes, FigureData& out, std::u16string& error) {
  ItemReader in(bytes);
  if (!ReadPoint(in, out, 0, error) || !ReadLineCount(in, out.lineCount, error)) return false;
  for (int k = 1; k <= out.lineCount; ++k) {
    if (!ReadPoint(in, out, 2 * k - 1, error) || !ReadPoint(in, out, 2 * k, error)) return false;
  }
  if (!in.Text()) {
    error = u"ファイルの最後の行「" + std::u16string(kFigureTrailer) + u"」がありません。";
    return false;
  }
  return true;
}

std::string FigureFileBytes(const AppState& s) {
  const int n = LineCount(s);
  // Room for every number at its longest; the text is written in place and cut to length once.
  std::string out(std::size_t(2 * n + 1) * (3 * kMaxFileNumberChars + 2) + kMaxFileNumberChars +
                      kFigureTrailerBytes.size(),
                  '\0');
  char* p = out.data();
  const auto point = [&](int i) {
    p = WriteFileNumber(p, s.msngLineX[i]);
    p = WriteFileNumber(p, s.msngLineY[i]);
    p = WriteFileNumber(p, s.msngLineZ[i]);
  };
  const auto lineEnd = [&] {
    *p++ = '\r';
    *p++ = '\n';
  };
  point(0);
  p = WriteFileNumber(p, static_cast<float>(n));
  lineEnd();
  for (int k = 1; k <= n; ++k) {
    point(2 * k - 1);
    point(2 * k);
    lineEnd();
  }
  p = std::copy(kFigureTrailerBytes.begin(), kFigureTrailerBytes.end(), p);
  out.resize(static_cast<std::size_t>(p - out.data()));
  return out;
}

bool ReadFigureFile(Files& files, const std::u16string& path, AppState& s, std::u16string& error) {
  std::string bytes;
  switch (files.ReadAll(path, kMaxFileBytes, bytes)) {
    case FileStatus::Ok: break;
    case FileStatus::NotRegular:
      error = Quoted(path) + u"は普通のファイルではないので、図形ファイルとして読めません。";
      return false;
    case FileStatus::TooLarge:
      error = u"図形ファイル" + Quoted(path) + u"は大きすぎて読めません。";
      return false;
    default: error = u"図形ファイル" + Quoted(path) + u"を開けません。"; return false;
  }
  FigureData f;
  if (!ParseFigureFile(bytes, f, error)) return false;
  const int used = 2 * f.lineCount;
  std::copy_n(f.x.begin(), used + 1, s.msngLineX.begin());
  std::copy_n(f.y.begin(), used + 1, s.msngLineY.begin());
  std::copy_n(f.z.begin(), used + 1, s.msngLineZ.begin());
  s.mintLineCount = f.lineCount;
  return true;
}

bool WriteFigureFile(Files& files, const std::u16string& path, const AppState& s, std::u16string& error) {
  switch (files.ReplaceAll(path, FigureFileBytes(s))) {
    case FileStatus::Ok: return true;
    case FileStatus::CannotCommit:
      error = u"図形ファイル" + Quoted(path) + u"を保存できません。";
      return false;
    case FileStatus::CannotWrite:
      error = u"図形ファイル" + Quoted(path) + u"を書き込めません。";
      return false;
    default: error = u"図形ファイル" + Quoted(path) + u"を作れません。"; return false;
  }
}

bool SetZoomFromCentre(AppState& s) {
  const double sum = double{s.msngLineX[0]} + s.msngLineY[0] + s.msngLineZ[0];
  const float zoom = static_cast<float>(225.0 / (sum * 2 / 3));
  if (!std::isfinite(zoom) || !(zoom > 0)) return false;
  s.msngZoom = zoom;
  return true;
}

std::u16string NormaliseFigureFileName(std::u16string_view name) {
  while (!name.empty() && name.front() == u' ') name.remove_prefix(1);
  while (!name.empty() && name.back() == u' ') name.remove_suffix(1);
  std::u16string trimmed(name);
  if (trimmed.empty()) return trimmed;
  if (trimmed.size() >= 4) {
    std::u16string ext = trimmed.substr(trimmed.size() - 4);
    for (char16_t& ch : ext) ch = ch >= u'a' && ch <= u'z' ? char16_t(ch - u'a' + u'A') : ch;
    if (ext == u".NBO") return trimmed;
  }
  return trimmed + u".nbo";
}

std::u16string FilePartOfPath(std::u16string_view path) {
  const std::size_t cut = path.find_last_of(u"\\/");
  return std::u16string(cut == std::u16string_view::npos ? path : path.substr(cut + 1));
}

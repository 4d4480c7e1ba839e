// The ".nbo" format: Shift-JIS text, CR LF, a header, one record per line, a trailer.
#include "figure/figure_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cmath>
#include <limits>

#include "figure/number_format.h"
#include "figure/numeric.h"

namespace {
constexpr const char* kCodec = "Shift_JIS";
// Far beyond any real figure file; keeps a stray huge file from filling memory.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

bool IsLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

// Items separated by runs of spaces, one comma, or line ends.
class ItemReader {
 public:
  explicit ItemReader(QStringView text) : text_(text) {}

  // Next numeric item, or nullopt with `error` set.
  std::optional<double> Number(QString& error) {
    SkipBlanks(true);
    if (pos_ >= text_.size()) {
      error = QStringLiteral("ファイルが途中で終わっています。");
      return std::nullopt;
    }
    const qsizetype start = pos_;
    while (pos_ < text_.size() && text_[pos_] != u' ' && text_[pos_] != u',' && !IsLineEnd(text_[pos_]))
      ++pos_;
    const QStringView item = text_.sliced(start, pos_ - start);
    SkipSeparator();
    const auto value = ParseFileNumber(item);
    if (!value) {
      error = QStringLiteral("数値として読めない項目があります（%1 番目の項目「%2」）。")
                  .arg(++items_)
                  .arg(item.left(20).toString());
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
    while (pos_ < text_.size() && (text_[pos_] == u' ' || (lineEnds && IsLineEnd(text_[pos_])))) ++pos_;
  }
  void SkipSeparator() {
    SkipBlanks(false);
    if (pos_ < text_.size() && text_[pos_] == u',') ++pos_;
  }

  QStringView text_;
  qsizetype pos_ = 0;
  int items_ = 0;
};

bool ReadCoordinate(ItemReader& in, float& out, QString& error) {
  const auto v = in.Number(error);
  if (!v) return false;
  if (!std::isfinite(*v) || std::abs(*v) > std::numeric_limits<float>::max()) {
    error = QStringLiteral("座標の値が大きすぎます。");
    return false;
  }
  out = static_cast<float>(*v);
  return true;
}

bool ReadPoint(ItemReader& in, FigureData& f, int i, QString& error) {
  return ReadCoordinate(in, f.x[i], error) && ReadCoordinate(in, f.y[i], error) &&
         ReadCoordinate(in, f.z[i], error);
}

bool ReadLineCount(ItemReader& in, int16_t& out, QString& error) {
  const auto v = in.Number(error);
  if (!v) return false;
  const double n = RoundHalfEven(*v);
  if (!(n >= std::numeric_limits<int16_t>::min() && n <= std::numeric_limits<int16_t>::max())) {
    error = QStringLiteral("線の数が大きすぎます。");
    return false;
  }
  if (n < 0 || n > kMaxLines) {
    error = QStringLiteral("線の数 %1 は扱えません（0 から %2 まで）。").arg(n).arg(kMaxLines);
    return false;
  }
  out = static_cast<int16_t>(n);
  return true;
}
}  // namespace

bool FigureTextCodecAvailable() {
  return QStringDecoder(kCodec).isValid() && QStringEncoder(kCodec).isValid();
}

bool ParseFigureFile(const QByteArray& bytes, FigureData& out, QString& error) {
  QStringDecoder decode(kCodec);
  const QString text = decode(bytes);
  ItemReader in(text);
  if (!ReadPoint(in, out, 0, error) || !ReadLineCount(in, out.lineCount, error)) return false;
  for (int k = 1; k <= out.lineCount; ++k) {
    if (!ReadPoint(in, out, 2 * k - 1, error) || !ReadPoint(in, out, 2 * k, error)) return false;
  }
  if (!in.Text()) {
    error = QStringLiteral("ファイルの最後の行「%1」がありません。").arg(QString::fromUtf8(kFigureTrailer));
    return false;
  }
  return true;
}

QByteArray FigureFileBytes(const AppState& s) {
  static const QByteArray trailer =
      QByteArray(QStringEncoder(kCodec)(QString::fromUtf8(kFigureTrailer))) + "\r\n";
  const int n = LineCount(s);
  // Room for every number at its longest; the text is written in place and cut to length once.
  QByteArray out(qsizetype{2 * n + 1} * (3 * kMaxFileNumberChars + 2) + kMaxFileNumberChars + trailer.size(),
                 Qt::Uninitialized);
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
  p = std::copy(trailer.begin(), trailer.end(), p);
  out.truncate(p - out.data());
  return out;
}

bool ReadFigureFile(const QString& path, AppState& s, QString& error) {
  // Opening a named pipe waits for a writer, for ever; a device or a folder holds no figure either.
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) {
    error = QStringLiteral("「%1」は普通のファイルではないので、図形ファイルとして読めません。").arg(path);
    return false;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("図形ファイル「%1」を開けません。").arg(path);
    return false;
  }
  QByteArray bytes;
  if (!file.isSequential() && file.size() > 0) {
    // One buffer of the file's own size; a file past the bound is refused before anything is read.
    if (file.size() <= kMaxFileBytes) bytes = file.read(file.size());
  } else {
    while (bytes.size() <= kMaxFileBytes) {
      const QByteArray chunk = file.read(64 * 1024);
      if (chunk.isEmpty()) break;
      bytes += chunk;
    }
  }
  const bool tooLarge = file.size() > kMaxFileBytes || bytes.size() > kMaxFileBytes;
  file.close();
  if (tooLarge) {
    error = QStringLiteral("図形ファイル「%1」は大きすぎて読めません。").arg(path);
    return false;
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

bool WriteFigureFile(const QString& path, const AppState& s, QString& error) {
  const QByteArray bytes = FigureFileBytes(s);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = QStringLiteral("図形ファイル「%1」を作れません。").arg(path);
    return false;
  }
  // A short write or a failed flush must never reach commit(): the old file would be replaced.
  if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
    file.cancelWriting();
    error = QStringLiteral("図形ファイル「%1」を書き込めません。").arg(path);
    return false;
  }
  if (!file.commit()) {
    error = QStringLiteral("図形ファイル「%1」を保存できません。").arg(path);
    return false;
  }
  return true;
}

bool SetZoomFromCentre(AppState& s) {
  const double sum = double{s.msngLineX[0]} + s.msngLineY[0] + s.msngLineZ[0];
  const float zoom = static_cast<float>(225.0 / (sum * 2 / 3));
  if (!std::isfinite(zoom) || !(zoom > 0)) return false;
  s.msngZoom = zoom;
  return true;
}

QString NormaliseFigureFileName(const QString& name) {
  qsizetype first = 0, last = name.size();
  while (first < last && name[first] == u' ') ++first;
  while (last > first && name[last - 1] == u' ') --last;
  const QString trimmed = name.sliced(first, last - first);
  if (trimmed.isEmpty()) return trimmed;
  if (trimmed.right(4).toUpper() == QStringLiteral(".NBO")) return trimmed;
  return trimmed + QStringLiteral(".nbo");
}

QString FilePartOfPath(const QString& path) {
  const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
  return path.mid(cut + 1);
}

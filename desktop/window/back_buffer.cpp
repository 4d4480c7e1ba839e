// Rasterising display lists: one-pixel lines by our own loop, the rest with QPainter, in list order.
#include "window/back_buffer.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>

#include "view/pixel_lines.h"

namespace {
QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }
uint32_t ToPixel(Rgb c) { return 0xFF000000u | uint32_t{c.r} << 16 | uint32_t{c.g} << 8 | c.b; }

// Cosmetic pens take the raster engine's fast line paths. Their width is in device pixels,
// so it is scaled by the pixel ratio to keep lines as thick as on an ordinary screen.
QPen Pen(Rgb c, int width, qreal ratio) {
  QPen pen(ToQColor(c), width * ratio);
  pen.setCosmetic(true);
  return pen;
}

// Maps view units to device-independent pixels through the logical window of the last ScalePrim.
// A point lands on a pixel's centre, so one-pixel lines on whole pixels stay crisp with antialiasing.
struct Mapping {
  double left = 0, top = 0, sx = 1, sy = 1;
  QPointF operator()(ViewPoint p) const { return {(p.x - left) * sx + 0.5, (p.y - top) * sy + 0.5}; }
};

// The figure's one-pixel lines go straight into the pixels, the bulk of every frame; QPainter is started
// only for what needs it (wide lines, circles, texts).
class Rasteriser {
 public:
  Rasteriser(QImage& image, QSize size, Rgb& background)
      : image_(image), size_(size), ratio_(image.devicePixelRatio()), background_(background) {
    rows_.bits = reinterpret_cast<uint32_t*>(image.bits());
    rows_.width = image.width();
    rows_.height = image.height();
    rows_.stride = static_cast<int>(image.bytesPerLine() / 4);
  }

  void operator()(const ClearPrim& c) { fill_ = c.colour; }
  void operator()(const BackgroundPrim& b) {
    background_ = b.colour;
    fill_ = b.colour;
  }
  void operator()(const ScalePrim& s) {
    map_ = {s.left, s.top, s.width != 0 ? size_.width() / double{s.width} : 0,
            s.height != 0 ? size_.height() / double{s.height} : 0};
  }
  void operator()(const LinePrim& l) {
    Flush();
    if (l.width != 1) {
      QPainter& p = Painter();
      p.setPen(Pen(l.colour, l.width, ratio_));
      p.drawLine(QLineF(map_(l.from), map_(l.to)));
      return;
    }
    DrawThinLine(map_(l.from) * ratio_, map_(l.to) * ratio_, ToPixel(l.colour));
  }
  void operator()(const CirclePrim& c) {
    Flush();
    QPainter& p = Painter();
    p.setPen(Pen(c.colour, c.width, ratio_));
    const double r = c.radius * map_.sx;
    // Only the few marker circles are smoothed: antialiased figure lines would cost several times more.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawEllipse(map_(c.centre), r, r);
    p.setRenderHint(QPainter::Antialiasing, false);
  }
  void operator()(const TextPrim& t) {
    Flush();
    QPainter& p = Painter();
    p.setPen(Qt::black);
    const QPointF at = map_(t.at);
    // The primitive's own characters, not a copy: the redraw allocates nothing for them.
    const QString text =
        QString::fromRawData(reinterpret_cast<const QChar*>(t.text.data()), qsizetype(t.text.size()));
    p.drawText(at + QPointF(0, QFontMetricsF(p.font()).ascent()), text);
  }
  // A fill waits until something is drawn over it, so a clear straight followed by a new
  // background colour costs one pass over the buffer, not two.
  void Flush() {
    if (!fill_) return;
    const uint32_t pixel = ToPixel(*fill_);
    for (int y = 0; y < rows_.height; ++y)
      std::fill_n(rows_.bits + qsizetype{y} * rows_.stride, rows_.width, pixel);
    fill_.reset();
  }

 private:
  QPainter& Painter() {
    if (!painter_) {
      painter_.emplace(&image_);
      painter_->setBrush(Qt::NoBrush);
    }
    return *painter_;
  }
  // On a high-density screen a line is as wide as the ratio across its direction: as many device pixels
  // side by side along the minor axis as that width spans there.
  void DrawThinLine(QPointF a, QPointF b, uint32_t colour) {
    const double dx = std::abs(b.x() - a.x()), dy = std::abs(b.y() - a.y());
    const double major = std::max(dx, dy);
    const double across = ratio_ == 1 || !(major > 0) ? 1 : ratio_ * std::hypot(dx, dy) / major;
    const int count = std::isfinite(across) ? std::clamp(static_cast<int>(std::lround(across)), 1, 16) : 1;
    for (int k = 0; k < count; ++k) {
      const double shift = k - (count - 1) / 2.0;
      const QPointF d = dx >= dy ? QPointF(0, shift) : QPointF(shift, 0);
      DrawPixelLine(rows_, a.x() + d.x(), a.y() + d.y(), b.x() + d.x(), b.y() + d.y(), colour);
    }
  }

  QImage& image_;
  QSize size_;
  qreal ratio_;
  Rgb& background_;
  PixelRows rows_;
  Mapping map_;
  std::optional<Rgb> fill_;
  std::optional<QPainter> painter_;
};
}  // namespace

BackBuffer::BackBuffer() { Resize(QSize(1, 1), 1.0); }

void BackBuffer::Resize(QSize size, qreal ratio) {
  size_ = size.expandedTo(QSize(1, 1));
  image_ = QImage(size_ * ratio, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(QColor(background_.r, background_.g, background_.b));
}

void BackBuffer::Rasterise(const DisplayList& list) {
  Rasteriser r(image_, size_, background_);
  for (const Primitive& p : list) std::visit(r, p);
  r.Flush();
}

void BackBuffer::SetBackground(Rgb colour) {
  background_ = colour;
  image_.fill(QColor(colour.r, colour.g, colour.b));
}

// Rasterising display lists with QPainter; lines of one pen go out in one drawLines call.
#include "platform/back_buffer.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QVarLengthArray>
#include <optional>
#include <variant>

namespace {
QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

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

class Rasteriser {
 public:
  Rasteriser(QImage& image, QSize size, Rgb& background)
      : painter_(&image), size_(size), ratio_(image.devicePixelRatio()), background_(background) {
    painter_.setBrush(Qt::NoBrush);
  }
  ~Rasteriser() { Flush(); }

  void operator()(const ClearPrim& c) { Fill(c.colour); }
  void operator()(const BackgroundPrim& b) {
    background_ = b.colour;
    Fill(b.colour);
  }
  void operator()(const ScalePrim& s) {
    Flush();
    map_ = {s.left, s.top, s.width != 0 ? size_.width() / double{s.width} : 0,
            s.height != 0 ? size_.height() / double{s.height} : 0};
  }
  void operator()(const LinePrim& l) {
    if (!lines_.isEmpty() && (l.colour != pen_ || l.width != penWidth_)) Flush();
    pen_ = l.colour;
    penWidth_ = l.width;
    lines_.append(QLineF(map_(l.from), map_(l.to)));
  }
  void operator()(const CirclePrim& c) {
    Flush();
    painter_.setPen(Pen(c.colour, c.width, ratio_));
    const double r = c.radius * map_.sx;
    // Only the few marker circles are smoothed: antialiased figure lines would cost several times more.
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.drawEllipse(map_(c.centre), r, r);
    painter_.setRenderHint(QPainter::Antialiasing, false);
  }
  void operator()(const TextPrim& t) {
    Flush();
    painter_.setPen(Qt::black);
    const QPointF at = map_(t.at);
    painter_.drawText(at + QPointF(0, QFontMetricsF(painter_.font()).ascent()), t.text);
  }

 private:
  // A fill waits until something is drawn over it, so a clear straight followed by a new
  // background colour costs one pass over the buffer, not two.
  void Fill(Rgb colour) {
    Flush();
    fill_ = colour;
  }
  void Flush() {
    if (fill_) {
      painter_.fillRect(QRect(QPoint(0, 0), size_), ToQColor(*fill_));
      fill_.reset();
    }
    if (lines_.isEmpty()) return;
    painter_.setPen(Pen(pen_, penWidth_, ratio_));
    painter_.drawLines(lines_.constData(), static_cast<int>(lines_.size()));
    lines_.clear();
  }

  QPainter painter_;
  QSize size_;
  qreal ratio_;
  Rgb& background_;
  Mapping map_;
  std::optional<Rgb> fill_;
  QVarLengthArray<QLineF, 1024> lines_;
  Rgb pen_;
  int penWidth_ = 1;
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
}

void BackBuffer::SetBackground(Rgb colour) {
  background_ = colour;
  image_.fill(QColor(colour.r, colour.g, colour.b));
}

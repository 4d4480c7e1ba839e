// Rasterising display lists by the core's own loops, the same pixels as every front-end; only the texts
// go through QPainter, which has the fonts.
#include "window/back_buffer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <optional>

#include "view/raster.h"

BackBuffer::BackBuffer() { Resize(QSize(1, 1), 1.0); }

void BackBuffer::Resize(QSize size, qreal ratio) {
  size_ = size.expandedTo(QSize(1, 1));
  image_ = QImage(size_ * ratio, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(QColor(background_.r, background_.g, background_.b));
}

void BackBuffer::Rasterise(const DisplayList& list) {
  const RasterTarget target{{reinterpret_cast<uint32_t*>(image_.bits()), image_.width(), image_.height(),
                             static_cast<int>(image_.bytesPerLine() / 4)},
                            size_.width(),
                            size_.height(),
                            image_.devicePixelRatio(),
                            PixelOrder::Argb};
  // Started only when the list has a text: most frames have none.
  std::optional<QPainter> painter;
  RasteriseList(target, list, background_, [&](const TextPrim& t, double x, double y) {
    if (!painter) painter.emplace(&image_);
    painter->setPen(Qt::black);
    // The primitive's own characters, not a copy: the redraw allocates nothing for them.
    const QString text =
        QString::fromRawData(reinterpret_cast<const QChar*>(t.text.data()), qsizetype(t.text.size()));
    painter->drawText(QPointF(x, y + QFontMetricsF(painter->font()).ascent()), text);
  });
}

void BackBuffer::SetBackground(Rgb colour) {
  background_ = colour;
  image_.fill(QColor(colour.r, colour.g, colour.b));
}

// picFigBox and the view boxes: widgets that paint a persistent image.
#include "window/picture_box.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cstring>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::BlockCopyFrom(const QImage& source) {
  const QSize pixels = size() * source.devicePixelRatio();
  if (picture_.size() != pixels || picture_.devicePixelRatio() != source.devicePixelRatio()) {
    picture_ = QImage(pixels, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(source.devicePixelRatio());
  }
  if (source.format() != picture_.format()) {
    QPainter p(&picture_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPointF(0, 0), source);
    return;
  }
  // Row by row, as the painter would copy them, without starting a painter every frame.
  const int width = std::min(source.width(), picture_.width());
  const int height = std::min(source.height(), picture_.height());
  const qsizetype rowBytes = qsizetype{width} * 4;
  for (int y = 0; y < height; ++y) std::memcpy(picture_.scanLine(y), source.constScanLine(y), rowBytes);
}

void PictureBox::BlockCopyFrom(const QImage& source, QSize size) {
  const qreal ratio = source.devicePixelRatio();
  if (picture_.size() != this->size() * ratio || picture_.devicePixelRatio() != ratio) {
    picture_ = QImage(this->size() * ratio, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(QColor(background_.r, background_.g, background_.b));
  }
  QPainter p(&picture_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), source, QRectF(QPointF(0, 0), QSizeF(size * ratio)));
}

void PictureBox::Erase() {
  picture_.fill(QColor(background_.r, background_.g, background_.b));
  update();
}

void PictureBox::SetBackground(Rgb colour) { background_ = colour; }

void PictureBox::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  // The picture covers the box but for a moment while it is resized; only what it leaves is filled.
  const QRect covered(QPoint(0, 0), picture_.deviceIndependentSize().toSize());
  if (!covered.contains(event->rect())) {
    const QRegion uncovered = QRegion(event->rect()) - covered;
    for (const QRect& r : uncovered) p.fillRect(r, QColor(background_.r, background_.g, background_.b));
  }
  p.drawImage(QPointF(0, 0), picture_);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  const qreal ratio = picture_.isNull() ? devicePixelRatioF() : picture_.devicePixelRatio();
  if (picture_.size() == event->size() * ratio) return;  // a deferred resize must not wipe the picture
  QImage resized(event->size() * ratio, QImage::Format_RGB32);
  resized.setDevicePixelRatio(ratio);
  resized.fill(QColor(background_.r, background_.g, background_.b));
  QPainter(&resized).drawImage(QPointF(0, 0), picture_);
  picture_ = resized;
}

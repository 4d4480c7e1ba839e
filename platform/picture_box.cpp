// picFigBox and the view boxes: widgets that paint a persistent image.
#include "platform/picture_box.h"

#include <QPainter>
#include <QResizeEvent>

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
  QPainter p(&picture_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QPointF(0, 0), source);
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
  p.fillRect(event->rect(), QColor(background_.r, background_.g, background_.b));
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

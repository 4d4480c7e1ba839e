// QClipboard for pictures.
#include "services/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

void PutPictureOnClipboard(const QImage& picture, QSize pixels) {
  QImage bitmap = picture.size() == pixels
                      ? picture
                      : picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  bitmap.setDevicePixelRatio(1.0);
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setImage(bitmap);
}

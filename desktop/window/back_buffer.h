// The hidden back buffer picbkgFigBox: turns a display list into pixels at the screen's pixel ratio.
#pragma once

#include <QImage>
#include <QSize>

#include "view/display_list.h"

class BackBuffer {
 public:
  BackBuffer();

  // Size in device-independent pixels; the image itself is `ratio` times larger for sharp lines.
  void Resize(QSize size, qreal ratio);
  QSize Size() const { return size_; }

  void Rasterise(const DisplayList& list);

  Rgb Background() const { return background_; }
  // Like the canvas property: a new background colour repaints the whole buffer in it.
  void SetBackground(Rgb colour);

  const QImage& Image() const { return image_; }

 private:
  QImage image_;
  QSize size_;
  Rgb background_ = kDarkGreen;
};

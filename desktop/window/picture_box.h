// A canvas that keeps its picture: it repaints from its own image whenever it is uncovered.
#pragma once

#include <QImage>
#include <QWidget>

#include "view/display_list.h"

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // Copies the source's top-left corner over the whole of this box's picture in one block.
  void BlockCopyFrom(const QImage& source);
  // Copies `size` (device-independent pixels) from the source's top-left corner to this picture's.
  void BlockCopyFrom(const QImage& source, QSize size);
  // Fills the picture with the background colour.
  void Erase();
  void SetBackground(Rgb colour);

  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  QImage picture_;
  Rgb background_ = kDarkGreen;
};

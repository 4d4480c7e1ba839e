// The panel paints its picture at the picture's own size; below it shows the window background.
#include "window/wood_panel.h"

#include <QPainter>

WoodPanel::WoodPanel(QWidget* parent) : QWidget(parent), wood_(QStringLiteral(":/pic/wood.bmp")) {}

void WoodPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!wood_.isNull()) p.drawPixmap(0, 0, wood_);
}

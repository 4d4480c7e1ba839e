// picSecondaryTools: the button panel, on its wood-grain picture drawn from the top-left corner.
#pragma once

#include <QPixmap>
#include <QWidget>

class WoodPanel : public QWidget {
  Q_OBJECT
 public:
  explicit WoodPanel(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QPixmap wood_;
};

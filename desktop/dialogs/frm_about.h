// frmAbout: the 320 x 240 picture window used as splash screen and as version box.
#pragma once

#include <QPixmap>
#include <QWidget>

class QPushButton;

// A top-level window that deletes itself when closed, by its OK button or its title bar; hold it in
// a QPointer, which then reads null, and create it afresh for the next showing.
class FrmAbout : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kClientWidth = 320;
  static constexpr int kClientHeight = 240;

  explicit FrmAbout(QWidget* parent = nullptr);

  // Makes the client area 320 x 240, centres the window on its screen and places the OK button.
  void Fit();
  // Sets the caption and the picture (a full path; a missing file leaves the area empty), shows or
  // hides the OK button, then shows the window without making it modal and brings it to the front.
  void ShowPicture(const QString& absolutePath, bool okButton);

  const QPixmap& Picture() const { return picture_; }

  QPushButton* bot = nullptr;

 signals:
  void okClicked();

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  void OnOk();

  QPixmap picture_;
};

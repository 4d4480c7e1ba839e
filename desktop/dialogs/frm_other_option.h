// frmOtherOption: the "その他設定" dialog with the free step and size sliders.
#pragma once

#include <QDialog>

#include "settings/other_options.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QSlider;

// Created once and prepared at start-up, then opened with exec() as often as asked. It is only ever
// hidden, never destroyed, so its controls keep what the user left in them; closing it by its close
// box or Esc applies nothing. "確認" emits applyRequested, then hides the dialog.
class FrmOtherOption : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kWidth = 320;
  static constexpr int kHeight = 240;

  explicit FrmOtherOption(QWidget* parent = nullptr);

  // Caption, fixed size, frame and button placement, value labels from the sliders, check box unticked.
  void Prepare();

 signals:
  void applyRequested(const OtherOptionValues& values);

 private:
  void OnOk();

  QFrame* fraOtherOption_;
  QCheckBox* enabledCheck_;
  QLabel* lblValueOfmintUnitLength_;
  QSlider* sliderUnitLength_;
  QLabel* lblValueofmintMaxSize_;
  QSlider* sliderMaxSize_;
  QPushButton* cmdOK_;
};

// frmOtherOption: controls at their fixed pixel places; the value labels always mirror the sliders.
#include "dialogs/frm_other_option.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>

#include "qt_convert.h"

namespace {
template <typename W>
W* Make(QWidget* parent, const char* name, const QRect& place) {
  W* w = new W(parent);
  w->setObjectName(QString::fromLatin1(name));
  w->setGeometry(place);
  return w;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& place) {
  QLabel* l = Make<QLabel>(parent, name, place);
  l->setText(text);
  // Captions and values share one top line; values stand at the right, apart from the caption.
  l->setAlignment(text.isEmpty() ? Qt::AlignRight | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
  return l;
}

QSlider* MakeSlider(QWidget* parent, const char* name, const QRect& place, int min, int max, int tick,
                    int page) {
  QSlider* s = Make<QSlider>(parent, name, place);
  s->setOrientation(Qt::Horizontal);
  s->setRange(min, max);
  s->setTickPosition(QSlider::TicksBelow);
  s->setTickInterval(tick);
  s->setSingleStep(1);
  s->setPageStep(page);
  return s;
}

void ShowValue(QLabel* label, int value) { label->setText(QString::number(value)); }
}  // namespace

FrmOtherOption::FrmOtherOption(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("frmOtherOption"));
  setModal(true);
  fraOtherOption_ = Make<QFrame>(this, "fraOtherOption", QRect(0, 0, kWidth, kHeight));
  fraOtherOption_->setFrameStyle(QFrame::Box | QFrame::Sunken);

  QWidget* f = fraOtherOption_;
  enabledCheck_ = Make<QCheckBox>(f, "EnabledCheck", QRect(16, 24, 249, 17));
  enabledCheck_->setText(QStringLiteral("この設定を有効にするならチェックしよう"));
  MakeLabel(f, "lblmintUnitLength", QStringLiteral("一度にポインタを動かす幅(mm)"), QRect(16, 64, 177, 25));
  lblValueOfmintUnitLength_ = MakeLabel(f, "lblValueOfmintUnitLength", {}, QRect(192, 64, 73, 17));
  sliderUnitLength_ = MakeSlider(f, "SlidermintUnitLength", QRect(64, 88, 185, 33), 1, 20, 1, 5);
  sliderUnitLength_->setValue(2);
  MakeLabel(f, "lblmintMaxSize", QStringLiteral("図形の最大サイズ(mm)"), QRect(16, 128, 137, 25));
  lblValueofmintMaxSize_ = MakeLabel(f, "lblValueofmintMaxSize", {}, QRect(192, 128, 73, 17));
  sliderMaxSize_ = MakeSlider(f, "SlidermintMaxSize", QRect(64, 152, 185, 33), 200, 1000, 100, 100);
  sliderMaxSize_->setValue(200);
  cmdOK_ = Make<QPushButton>(f, "cmdOK", QRect(200, 190, 100, 20));
  cmdOK_->setText(QStringLiteral("確認"));

  connect(sliderUnitLength_, &QSlider::valueChanged, lblValueOfmintUnitLength_,
          [label = lblValueOfmintUnitLength_](int v) { ShowValue(label, v); });
  connect(sliderMaxSize_, &QSlider::valueChanged, lblValueofmintMaxSize_,
          [label = lblValueofmintMaxSize_](int v) { ShowValue(label, v); });
  connect(cmdOK_, &QPushButton::clicked, this, &FrmOtherOption::OnOk);
}

void FrmOtherOption::Prepare() {
  setWindowTitle(QStringLiteral("その他設定"));
  // The window manager owns the frame, so 320 x 240 is the client area.
  setFixedSize(kWidth, kHeight);
  fraOtherOption_->setGeometry(0, 0, width(), height());
  ShowValue(lblValueOfmintUnitLength_, sliderUnitLength_->value());
  ShowValue(lblValueofmintMaxSize_, sliderMaxSize_->value());
  cmdOK_->setGeometry(200, 190, 100, 20);
  enabledCheck_->setChecked(false);
  hide();
}

void FrmOtherOption::OnOk() {
  // A receiver may have deleted the dialog.
  const QPointer<FrmOtherOption> self(this);
  emit applyRequested({enabledCheck_->isChecked(), FromQt(lblValueOfmintUnitLength_->text()),
                       FromQt(lblValueofmintMaxSize_->text())});
  if (self) accept();
}

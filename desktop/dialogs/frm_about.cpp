// frmAbout: the picture window of the splash screen and the version box.
#include "dialogs/frm_about.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "qt_convert.h"
#include "shell/status_bar.h"

FrmAbout::FrmAbout(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("frmAbout"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(ToQt(BaseTitle()));
  bot = new QPushButton(QStringLiteral("OK"), this);
  bot->setObjectName(QStringLiteral("bot"));
  connect(bot, &QPushButton::clicked, this, &FrmAbout::OnOk);
  Fit();
}

void FrmAbout::Fit() {
  setFixedSize(kClientWidth, kClientHeight);
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (screen) {
    const QRect area = screen->geometry();
    // Before the first showing the frame is not known yet; the client size is then the best guess.
    const QSize outer = frameGeometry().size().expandedTo(size());
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
  }
  bot->setGeometry(20, 200, 280, 30);
}

void FrmAbout::ShowPicture(const QString& absolutePath, bool okButton) {
  setWindowTitle(ToQt(BaseTitle()));
  picture_ = QPixmap(absolutePath);
  bot->setVisible(okButton);
  show();
  raise();
  activateWindow();
  update();
}

void FrmAbout::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

void FrmAbout::OnOk() {
  // A receiver may already have closed or deleted this window.
  const QPointer<FrmAbout> self(this);
  emit okClicked();
  if (self && self->isVisible()) close();
}

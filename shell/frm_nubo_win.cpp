// The main window: owns the display canvas, the back buffer and the sound player.
#include "shell/frm_nubo_win.h"

#include <QApplication>
#include <QScreen>

#include "figure/app_state.h"
#include "platform/message_box.h"
#include "platform/picture_box.h"
#include "platform/sound.h"

namespace {
constexpr char kCaption[] = "立体ヌボロ for Windows Ver3.1";
}

FrmNuboWin::FrmNuboWin(AppState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), sound_(new WavePlayer(this)) {
  setWindowTitle(QString::fromUtf8(kCaption));
  auto* client = new QWidget(this);
  setCentralWidget(client);
  picFigBox = new PictureBox(client);
  picFigBox->SetBackground(kDarkGreen);
  // Normal layout until the window layouts take over.
  client->setFixedSize(640, 450);
  PlaceCanvas(QRect(2, 2, 488, 446));
  CentreOnScreen();
}

void FrmNuboWin::CentreOnScreen() {
  adjustSize();
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  const QSize frame = frameGeometry().size();
  move(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
}

FrmNuboWin::~FrmNuboWin() = default;

void FrmNuboWin::PlaceCanvas(const QRect& rect) {
  picFigBox->setGeometry(rect);
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  picbkgFigBox.Resize(rect.size(), screen ? screen->devicePixelRatio() : 1.0);
}

void FrmNuboWin::DrawFigure(const DisplayList& list) {
  picbkgFigBox.Rasterise(list);
  picFigBox->BlockCopyFrom(picbkgFigBox.Image());
  // Synchronous, so every frame of an animation reaches the screen.
  picFigBox->repaint();
}

Rgb FrmNuboWin::FigureBackground() const { return picbkgFigBox.Background(); }

void FrmNuboWin::PlayWave(const QString& path, bool wait) { sound_->Play(ProgramFolder() + u'/' + path, wait); }

MessageAnswer FrmNuboWin::ShowMessage(const Message& m) { return ShowMessageBox(this, m); }

QString FrmNuboWin::ProgramFolder() const { return QCoreApplication::applicationDirPath(); }

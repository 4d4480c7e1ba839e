// The main window frmNuboWin: the canvases and what the operations need of the window.
#pragma once

#include <QMainWindow>

#include "platform/back_buffer.h"
#include "shell/window.h"

struct AppState;
class PictureBox;
class WavePlayer;

class FrmNuboWin : public QMainWindow, public Window {
  Q_OBJECT
 public:
  explicit FrmNuboWin(AppState& state, QWidget* parent = nullptr);
  ~FrmNuboWin() override;

  void DrawFigure(const DisplayList& list) override;
  Rgb FigureBackground() const override;
  void PlayWave(const QString& path, bool wait) override;
  MessageAnswer ShowMessage(const Message& m) override;
  QString ProgramFolder() const override;

  // Places the canvas pair, in device-independent pixels of the client area.
  void PlaceCanvas(const QRect& rect);
  void CentreOnScreen();

  PictureBox* picFigBox = nullptr;
  BackBuffer picbkgFigBox;

 private:
  AppState& state_;
  WavePlayer* sound_ = nullptr;
};

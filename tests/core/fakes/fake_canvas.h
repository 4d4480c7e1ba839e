// A recording stand-in for the figure canvas and the view canvases.
#pragma once

#include <vector>

#include "call_log.h"
#include "shell/canvas.h"

class FakeCanvas : public Canvas, public CallLog {
 public:
  void DrawFigure(const DisplayList& list) override {
    drawn.push_back(list);
    for (const Primitive& p : list) {
      if (const auto* b = std::get_if<BackgroundPrim>(&p)) background = b->colour;
    }
    Log() << QStringLiteral("DrawFigure");
  }
  Rgb FigureBackground() const override { return background; }
  void SetFigureBackground(Rgb colour) override {
    background = colour;
    Log() << QStringLiteral("SetFigureBackground %1,%2,%3").arg(colour.r).arg(colour.g).arg(colour.b);
  }
  void EraseFigureBox() override { Log() << QStringLiteral("EraseFigureBox"); }
  void CopyFigureBoxTo(Control canvas, const QSize& size) override {
    Log() << QStringLiteral("CopyFigureBoxTo %1 %2x%3")
                 .arg(QString::fromLatin1(ControlName(canvas)))
                 .arg(size.width())
                 .arg(size.height());
  }
  void RepaintCanvas(Control canvas) override {
    Log() << QStringLiteral("RepaintCanvas ") + QString::fromLatin1(ControlName(canvas));
  }
  void AwaitGlideFrame() override { Log() << QStringLiteral("AwaitGlideFrame"); }
  void PresentGlideFrame() override { Log() << QStringLiteral("PresentGlideFrame"); }

  std::vector<DisplayList> drawn;
  Rgb background = kDarkGreen;
};

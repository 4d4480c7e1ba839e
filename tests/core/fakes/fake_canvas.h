// A recording stand-in for the figure canvas and the view canvases.
#pragma once

#include <vector>

#include "call_log.h"
#include "shell/canvas.h"

class FakeCanvas : public Canvas, public CallLog {
 public:
  static std::u16string Name(Control c) { return Utf16FromUtf8(ControlName(c)); }

  void DrawFigure(const DisplayList& list) override {
    drawn.push_back(list);
    for (const Primitive& p : list) {
      if (const auto* b = std::get_if<BackgroundPrim>(&p)) background = b->colour;
    }
    Log() << u"DrawFigure";
  }
  Rgb FigureBackground() const override { return background; }
  void SetFigureBackground(Rgb colour) override {
    background = colour;
    Log() << u"SetFigureBackground " + NumberText(colour.r) + u"," + NumberText(colour.g) + u"," +
                 NumberText(colour.b);
  }
  void EraseFigureBox() override { Log() << u"EraseFigureBox"; }
  void CopyFigureBoxTo(Control canvas, const Size& size) override {
    Log() << u"CopyFigureBoxTo " + Name(canvas) + u" " + NumberText(size.width()) + u"x" +
                 NumberText(size.height());
  }
  void RepaintCanvas(Control canvas) override { Log() << u"RepaintCanvas " + Name(canvas); }
  void AwaitGlideFrame() override { Log() << u"AwaitGlideFrame"; }
  void PresentGlideFrame() override { Log() << u"PresentGlideFrame"; }

  std::vector<DisplayList> drawn;
  Rgb background = kDarkGreen;
};

// The figure canvas over a <canvas> of the page: display lists rasterised here, texts by the page's font.
#pragma once

#include <vector>

#include "core/shell/canvas.h"
#include "web/glue/page.h"

class PageCanvas : public Canvas {
 public:
  PageCanvas();

  // The figure box's size follows its placement in the window.
  void Resize(const Size& size);

  void DrawFigure(const DisplayList& list) override;
  Rgb FigureBackground() const override { return background_; }
  void SetFigureBackground(Rgb colour) override;
  void EraseFigureBox() override;
  void CopyFigureBoxTo(Control canvas, const Size& size) override;
  void RepaintCanvas(Control canvas) override;
  void AwaitGlideFrame() override;
  void PresentGlideFrame() override;

 private:
  page::Canvas figure_;
  Rgb background_ = kDarkGreen;
  std::vector<page::Canvas::Text> texts_;
};

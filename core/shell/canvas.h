// The figure canvas and the view canvases: what is drawn, and when it reaches the screen.
#pragma once

#include "construction/controls.h"
#include "shell/geometry.h"
#include "view/display_list.h"

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Rasterise into the back buffer, copy it to the display canvas in one block, repaint both.
  virtual void DrawFigure(const DisplayList& list) = 0;
  // The back buffer's background colour, which persists between redraws.
  virtual Rgb FigureBackground() const = 0;
  // Draw mode: the back buffer's background colour, kept until it is set again.
  virtual void SetFigureBackground(Rgb colour) = 0;
  // Fills the display canvas with its background colour.
  virtual void EraseFigureBox() = 0;

  // Copies the display canvas's picture, from its top-left corner, into a view canvas: `size` pixels.
  virtual void CopyFigureBoxTo(Control canvas, const Size& size) = 0;
  virtual void RepaintCanvas(Control canvas) = 0;
  // Before drawing a glide frame: it will reach the screen no sooner than one display refresh after
  // the previous frame.
  virtual void AwaitGlideFrame() = 0;
  // After drawing it: the frame reaches the screen before anything else is drawn. Nothing else runs
  // between the frames of a glide: input and timer ticks wait until it has ended.
  virtual void PresentGlideFrame() = 0;
};

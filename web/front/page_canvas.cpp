#include "web/front/page_canvas.h"

#include <algorithm>
#include <variant>

#include "core/view/raster.h"

namespace {
uint32_t ToPixel(Rgb c) { return ToPixel(c, PixelOrder::Abgr); }
}  // namespace

PageCanvas::PageCanvas() : figure_("figure", 488, 376) { figure_.Fill(ToPixel(background_)); }

void PageCanvas::Resize(const Size& size) {
  if (size.width() == figure_.width() && size.height() == figure_.height()) return;
  figure_.Resize(std::max(size.width(), 1), std::max(size.height(), 1));
  figure_.Fill(ToPixel(background_));
  texts_.clear();
}

void PageCanvas::DrawFigure(const DisplayList& list) {
  const RasterTarget target{{figure_.pixels().data(), figure_.width(), figure_.height(), figure_.width()},
                            figure_.width(),
                            figure_.height(),
                            1,
                            PixelOrder::Abgr};
  // Texts stay over the pixels they were written on until the picture is cleared.
  const auto clears = [](const Primitive& p) {
    return std::holds_alternative<ClearPrim>(p) || std::holds_alternative<BackgroundPrim>(p);
  };
  if (std::any_of(list.begin(), list.end(), clears)) texts_.clear();
  RasteriseList(target, list, background_, [&](const TextPrim& t, double x, double y) {
    texts_.push_back({static_cast<int>(x), static_cast<int>(y), t.text, ToPixel(kBlack)});
  });
  figure_.Present(texts_);
}

void PageCanvas::SetFigureBackground(Rgb colour) {
  background_ = colour;
  figure_.Fill(ToPixel(colour));
  texts_.clear();
}

void PageCanvas::EraseFigureBox() {
  figure_.Fill(ToPixel(background_));
  texts_.clear();
  figure_.Present();
}

// The picture as shown, texts and all, as the desktop copies its display canvas: the view canvases are
// the page's own and show what they hold, so only the figure canvas has anything to repaint.
void PageCanvas::CopyFigureBoxTo(Control canvas, const Size& size) {
  page::CopyCanvas("figure", ControlName(canvas), size.width(), size.height());
}
void PageCanvas::RepaintCanvas(Control canvas) {
  if (canvas == Control::picFigBox) figure_.Present(texts_);
}

void PageCanvas::AwaitGlideFrame() { page::NextFrame(); }
void PageCanvas::PresentGlideFrame() {}

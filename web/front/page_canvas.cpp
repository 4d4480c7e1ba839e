#include "web/front/page_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <variant>

#include "core/view/pixel_lines.h"

namespace {
uint32_t ToPixel(Rgb c) { return page::Pixel(c.r, c.g, c.b); }

// View units to pixels through the logical window of the last ScalePrim, a point on a pixel's centre.
struct Mapping {
  double left = 0, top = 0, sx = 1, sy = 1;
  double X(float x) const { return (x - left) * sx + 0.5; }
  double Y(float y) const { return (y - top) * sy + 0.5; }
};

class Rasteriser {
 public:
  Rasteriser(page::Canvas& canvas, Rgb& background, std::vector<page::Canvas::Text>& texts)
      : canvas_(canvas), background_(background), texts_(texts) {
    rows_ = {canvas.pixels().data(), canvas.width(), canvas.height(), canvas.width()};
  }

  void operator()(const ClearPrim& c) {
    fill_ = c.colour;
    texts_.clear();
  }
  void operator()(const BackgroundPrim& b) {
    background_ = b.colour;
    fill_ = b.colour;
    texts_.clear();
  }
  void operator()(const ScalePrim& s) {
    map_ = {s.left, s.top, s.width != 0 ? rows_.width / double{s.width} : 0,
            s.height != 0 ? rows_.height / double{s.height} : 0};
  }
  void operator()(const LinePrim& l) {
    Flush();
    const double x1 = map_.X(l.from.x), y1 = map_.Y(l.from.y), x2 = map_.X(l.to.x), y2 = map_.Y(l.to.y);
    // A wide line as that many one-pixel lines side by side across its major axis.
    const bool flat = std::abs(x2 - x1) >= std::abs(y2 - y1);
    const int count = std::clamp(l.width, 1, 16);
    for (int k = 0; k < count; ++k) {
      const double shift = k - (count - 1) / 2.0, dx = flat ? 0 : shift, dy = flat ? shift : 0;
      DrawPixelLine(rows_, x1 + dx, y1 + dy, x2 + dx, y2 + dy, ToPixel(l.colour));
    }
  }
  // The few marker circles as short chords.
  void operator()(const CirclePrim& c) {
    Flush();
    const double r = c.radius * map_.sx, cx = map_.X(c.centre.x), cy = map_.Y(c.centre.y);
    constexpr int kChords = 48;
    for (int i = 0; i < kChords; ++i) {
      const double a = 2 * std::numbers::pi * i / kChords, b = 2 * std::numbers::pi * (i + 1) / kChords;
      DrawPixelLine(rows_, cx + r * std::cos(a), cy + r * std::sin(a), cx + r * std::cos(b),
                    cy + r * std::sin(b), ToPixel(c.colour));
    }
  }
  void operator()(const TextPrim& t) {
    Flush();
    texts_.push_back(
        {static_cast<int>(map_.X(t.at.x)), static_cast<int>(map_.Y(t.at.y)), t.text, page::Pixel(0, 0, 0)});
  }
  // A fill waits until something is drawn over it: a clear then a new background is one pass.
  void Flush() {
    if (!fill_) return;
    canvas_.Fill(ToPixel(*fill_));
    fill_.reset();
  }

 private:
  page::Canvas& canvas_;
  Rgb& background_;
  std::vector<page::Canvas::Text>& texts_;
  PixelRows rows_;
  Mapping map_;
  std::optional<Rgb> fill_;
};
}  // namespace

PageCanvas::PageCanvas() : figure_("figure", 488, 376) { figure_.Fill(ToPixel(background_)); }

void PageCanvas::Resize(const Size& size) {
  if (size.width() == figure_.width() && size.height() == figure_.height()) return;
  figure_.Resize(std::max(size.width(), 1), std::max(size.height(), 1));
  figure_.Fill(ToPixel(background_));
  texts_.clear();
}

void PageCanvas::DrawFigure(const DisplayList& list) {
  Rasteriser r(figure_, background_, texts_);
  for (const Primitive& p : list) std::visit(r, p);
  r.Flush();
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

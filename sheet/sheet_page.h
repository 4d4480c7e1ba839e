// Painting worksheet pages with QPainter, in millimetres on an A4 landscape page.
#pragma once

#include <QString>
#include <span>

#include "drawing_scale.h"
#include "sheet_layout.h"

class QPainter;

// views: draw the three views from the picture; build: build the figure from its views; iso, cabinet:
// draw the picture from the views.
enum class SheetTask { Views, Build, Iso, Cabinet };

struct SheetOptions {
  SheetTask task = SheetTask::Views;
  bool answers = false;
  double unit = 20;  // grid step, figure mm
  bool dimensions = false;
  QString title, note;  // the teacher's heading and instructions; a heading by task when empty
  int perPage = 1;
  PictureKind Picture() const {
    return task == SheetTask::Cabinet ? PictureKind::Cabinet : PictureKind::Isometric;
  }
};

struct SheetFigure {
  QString fileName;
  ThreeViews views;
  ViewDrawing picture;  // of the options' kind
  FigureSize size;
  DrawingScale scale;
};

inline constexpr char16_t kBuildTaskText[] = u"この三面図の立体を立体ヌボロで作りましょう";
inline constexpr char16_t kViewsTaskText[] = u"この立体の三面図をかきましょう";
inline constexpr char16_t kIsoTaskText[] = u"三面図の立体の等角図を等角方眼紙にかきましょう";
inline constexpr char16_t kCabinetTaskText[] =
    u"三面図の立体のキャビネット図をかきましょう（奥行きは 45° に半分の長さ）";
inline constexpr char16_t kEmptyFigureText[] = u"この図形には線がありません";

// One page: the furniture and the figures, one to a cell, numbered from `firstNumber`. The painter's
// unit must be one millimetre, origin at the page's top-left corner.
void PaintSheetPage(QPainter& p, std::span<const SheetFigure> figures, int firstNumber,
                    const SheetOptions& options);
// Text `height` mm tall in `rect`, in the worksheets' font, for other pages in the same hand.
void DrawPageText(QPainter& p, const QRectF& rect, int flags, const QString& text, double height);

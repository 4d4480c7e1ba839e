// Painting one worksheet page with QPainter, in millimetres on an A4 landscape page.
#pragma once

#include <QString>

#include "sheet/sheet_layout.h"

class QPainter;

enum class SheetTask { Views, Build };

struct SheetOptions {
  SheetTask task = SheetTask::Views;
  bool answers = false;
  double unit = 20;  // grid step, figure mm
};

struct SheetFigure {
  QString fileName;
  ThreeViews views;
  ViewDrawing isometric;
};

inline constexpr char16_t kBuildTaskText[] = u"この三面図の立体を立体ヌボロで作りましょう";
inline constexpr char16_t kViewsTaskText[] = u"この立体の三面図をかきましょう";
inline constexpr char16_t kEmptyFigureText[] = u"この図形には線がありません";

// The painter's unit must be one millimetre, origin at the page's top-left corner.
void PaintSheetPage(QPainter& p, const SheetFigure& figure, double viewScale, const SheetOptions& options);
// Text `height` mm tall in `rect`, in the worksheets' font, for other pages in the same hand.
void DrawPageText(QPainter& p, const QRectF& rect, int flags, const QString& text, double height);

// The worksheet page: header, the three framed views on a grid, the isometric picture, the task and the
// third-angle symbol. Every line is at least 0.35 mm wide so it survives printing.
#include "sheet/sheet_page.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QStringList>
#include <algorithm>

namespace {
constexpr double kThin = 0.35, kFrame = 0.5, kFigureLine = 0.7;
const QColor kGridColour(200, 215, 230);
const QColor kInk(Qt::black);

QPen Pen(double width, const QColor& colour = kInk, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
  return pen;
}

// Text `height` mm tall in `rect`. Fonts are sized in device pixels, so the text is drawn at a fixed
// pixel size under a scale that brings it to millimetres.
void Text(QPainter& p, const QRectF& rect, int flags, const QString& text, double height) {
  constexpr int kPixels = 100;
  QFont font;
  font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Yu Gothic"), QStringLiteral("Meiryo"),
                    QStringLiteral("Hiragino Sans"), QStringLiteral("MS Gothic")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(kPixels);
  const double f = height / kPixels;
  p.save();
  p.setFont(font);
  p.setPen(kInk);
  p.translate(rect.topLeft());
  p.scale(f, f);
  p.drawText(QRectF(0, 0, rect.width() / f, rect.height() / f), flags, text);
  p.restore();
}

void Lines(QPainter& p, const std::vector<QLineF>& lines, const QPen& pen) {
  p.setPen(pen);
  for (const QLineF& l : lines) p.drawLine(l);
}

void Figure(QPainter& p, const ViewDrawing& d, const BoxMapping& m) {
  std::vector<QLineF> mapped;
  mapped.reserve(d.lines.size());
  for (const QLineF& l : d.lines) mapped.push_back(m.Map(l));
  Lines(p, mapped, Pen(kFigureLine));
}

void Frame(QPainter& p, const QRectF& box, const QString& caption) {
  p.setPen(Pen(kFrame));
  p.setBrush(Qt::NoBrush);
  p.drawRect(box);
  Text(p, QRectF(box.left(), box.top() - 5, box.width(), 4.5), Qt::AlignLeft | Qt::AlignBottom, caption, 3.5);
}

void Header(QPainter& p, const PageLayout& l, const QString& fileName) {
  Text(p, l.title, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("三面図　%1").arg(fileName), 6);
  p.setPen(Pen(kFrame));
  for (const auto& [box, label] : {std::pair{l.nameBox, u"名前"}, std::pair{l.dateBox, u"日付"}}) {
    p.drawRect(box);
    p.drawLine(QLineF(box.left() + 12, box.top(), box.left() + 12, box.bottom()));
    Text(p, QRectF(box.left(), box.top(), 12, box.height()), Qt::AlignCenter, QString::fromUtf16(label), 4);
  }
}

// A thin long-dash dot line drawn as pieces, so PDF and SVG show the same pattern.
void ChainLine(QPainter& p, const QLineF& l) {
  constexpr double kPattern[] = {3, 0.8, 0.4, 0.8};  // dash, gap, dot, gap (mm)
  p.setPen(Pen(kThin));
  const double length = l.length();
  double at = 0;
  for (int i = 0; at < length; i = (i + 1) % 4) {
    const double end = std::min(at + kPattern[i], length);
    if (i % 2 == 0) p.drawLine(QLineF(l.pointAt(at / length), l.pointAt(end / length)));
    at = end;
  }
}

// The truncated cone of JIS Z 8316 / ISO 128 for third-angle projection: its side view (a trapezoid) on
// the left and, to the right of it, the view from the right (two circles). The cone's small end faces
// right, so both circles are visible outlines. Large diameter `h`, small h/2, length h.
void ThirdAngleSymbol(QPainter& p, QPointF at, double h) {
  const double cy = at.y() + h / 2;
  const double x0 = at.x(), x1 = x0 + h, cx = x1 + h / 2 + h / 2;
  p.setPen(Pen(kFrame));
  p.setBrush(Qt::NoBrush);
  const QPointF trapezoid[] = {{x0, cy - h / 2}, {x1, cy - h / 4}, {x1, cy + h / 4}, {x0, cy + h / 2}};
  p.drawPolygon(trapezoid, 4);
  p.drawEllipse(QPointF(cx, cy), h / 2, h / 2);
  p.drawEllipse(QPointF(cx, cy), h / 4, h / 4);
  ChainLine(p, QLineF(x0 - h / 6, cy, cx + h / 2 + h / 6, cy));
  ChainLine(p, QLineF(cx, cy - h / 2 - h / 6, cx, cy + h / 2 + h / 6));
}

void Notes(QPainter& p, const PageLayout& l, double viewScale, const SheetOptions& o) {
  if (o.answers || o.task == SheetTask::Views) {
    const QString task = o.answers ? QStringLiteral("答え") : QString::fromUtf16(kViewsTaskText);
    Text(p, QRectF(l.notes.left(), l.notes.top(), l.notes.width(), 20), Qt::AlignLeft | Qt::TextWordWrap,
         task, 4.5);
  }
  Text(p, QRectF(l.notes.left(), l.notes.top() + 24, l.notes.width(), 12), Qt::AlignLeft | Qt::TextWordWrap,
       QStringLiteral("方眼 1 目 = %1 mm　尺度 %2").arg(o.unit).arg(viewScale, 0, 'g', 3), 3.5);
  const QPointF symbol(l.notes.left() + 2, l.notes.bottom() - 22);
  ThirdAngleSymbol(p, symbol, 12);
  Text(p, QRectF(symbol.x(), symbol.y() + 15, 50, 6), Qt::AlignLeft | Qt::AlignVCenter,
       QStringLiteral("第三角法"), 4);
}

void ViewBox(QPainter& p, const QRectF& box, const QString& caption, const BoxMapping& m, double unit) {
  Lines(p, GridLines(m, unit), Pen(kThin, kGridColour));
  Frame(p, box, caption);
}
}  // namespace

void PaintSheetPage(QPainter& p, const SheetFigure& figure, double viewScale, const SheetOptions& o) {
  const PageLayout l = WorksheetLayout();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(l.page, Qt::white);
  Header(p, l, figure.fileName);
  if (figure.views.front.lines.empty()) {
    Text(p, l.page.adjusted(0, 40, 0, 0), Qt::AlignCenter, QString::fromUtf16(kEmptyFigureText), 10);
    return;
  }
  const ThreeViewMappings m = MapThreeViews(figure.views, l, viewScale);
  ViewBox(p, l.topBox, QStringLiteral("平面図"), m.top, o.unit);
  ViewBox(p, l.frontBox, QStringLiteral("正面図"), m.front, o.unit);
  ViewBox(p, l.sideBox, QStringLiteral("右側面図"), m.side, o.unit);
  Frame(p, l.isometricBox, QStringLiteral("等角図"));
  if (o.answers || o.task == SheetTask::Build) {
    Figure(p, figure.views.top, m.top);
    Figure(p, figure.views.front, m.front);
    Figure(p, figure.views.side, m.side);
  }
  if (o.answers || o.task == SheetTask::Views) {
    Figure(p, figure.isometric, FitIsometric(figure.isometric, l.isometricBox));
  } else {
    Text(p, l.isometricBox, Qt::AlignCenter | Qt::TextWordWrap, QString::fromUtf16(kBuildTaskText), 5);
  }
  Notes(p, l, viewScale, o);
}

void DrawPageText(QPainter& p, const QRectF& rect, int flags, const QString& text, double height) {
  Text(p, rect, flags, text, height);
}

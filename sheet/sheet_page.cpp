// The worksheet page: the furniture (heading, 年・組・番・名前, instructions) and per problem the three
// framed views on squared paper, the picture on its own paper, the task, scale and third-angle symbol. Every
// line is at least 0.35 mm wide so it survives printing.
#include "sheet_page.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QStringList>
#include <algorithm>

#include "dimensions.h"

namespace {
constexpr double kThin = 0.35, kFrame = 0.5, kFigureLine = 0.7;
const QColor kGridColour(200, 215, 230);
const QColor kInk(Qt::black);

QPen Pen(double width, const QColor& colour = kInk) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Text `height` mm tall in `rect`, turned `degrees` about the rect's top-left corner. Fonts are sized in
// device pixels, so the text is drawn at a fixed pixel size under a scale that brings it to millimetres.
void Text(QPainter& p, const QRectF& rect, int flags, const QString& text, double height,
          double degrees = 0) {
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
  p.rotate(degrees);
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

void Frame(QPainter& p, const QRectF& box, const QString& caption, double k) {
  p.setPen(Pen(kFrame));
  p.setBrush(Qt::NoBrush);
  p.drawRect(box);
  Text(p, QRectF(box.left(), box.top() - 5 * k, box.width(), 4.5 * k), Qt::AlignLeft | Qt::AlignBottom,
       caption, 3.5 * k);
}

QString Heading(const SheetOptions& o) {
  if (!o.title.isEmpty()) return o.title;
  if (o.task == SheetTask::Iso) return QStringLiteral("等角図");
  if (o.task == SheetTask::Cabinet) return QStringLiteral("キャビネット図");
  return QStringLiteral("三面図");
}

// A teacher's long heading or note shrinks to stay on its line; Japanese glyphs are about as wide as tall.
double FittingHeight(const QRectF& rect, const QString& text, double largest, double smallest) {
  return std::clamp(rect.width() / std::max<qsizetype>(text.size(), 1), smallest, largest);
}

void Furniture(QPainter& p, const PageLayout& l, const SheetOptions& o) {
  const QString heading = Heading(o);
  Text(p, l.title, Qt::AlignLeft | Qt::AlignVCenter, heading, FittingHeight(l.title, heading, 6, 3.5));
  p.setPen(Pen(kFrame));
  p.setBrush(Qt::NoBrush);
  for (const PageLayout::Field& f : l.fields) {
    const double label = 5 + 4 * f.label.size();
    p.drawRect(f.box);
    p.drawLine(QLineF(f.box.left() + label, f.box.top(), f.box.left() + label, f.box.bottom()));
    Text(p, QRectF(f.box.left(), f.box.top(), label, f.box.height()), Qt::AlignCenter, f.label, 4);
  }
  if (!o.note.isEmpty())
    Text(p, l.note, Qt::AlignLeft | Qt::AlignVCenter, o.note, FittingHeight(l.note, o.note, 4, 2.5));
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

QString TaskText(const SheetOptions& o) {
  if (o.answers) return QStringLiteral("答え");
  switch (o.task) {
    case SheetTask::Views: return QString::fromUtf16(kViewsTaskText);
    case SheetTask::Build: return {};  // said in the picture's box
    case SheetTask::Iso: return QString::fromUtf16(kIsoTaskText);
    case SheetTask::Cabinet: return QString::fromUtf16(kCabinetTaskText);
  }
  return {};
}

void Notes(QPainter& p, const ProblemLayout& l, const SheetFigure& f, int number, double step,
           const SheetOptions& o) {
  const double k = l.size;
  const QRectF n = l.notes.adjusted(2 * k, 0, 0, 0);
  const QString name = o.perPage > 1 ? QStringLiteral("(%1)　%2").arg(number).arg(f.fileName) : f.fileName;
  Text(p, QRectF(n.left(), n.top(), n.width(), 6 * k), Qt::AlignLeft | Qt::AlignTop, name, 4 * k);
  Text(p, QRectF(n.left(), n.top() + 7 * k, n.width(), 16 * k), Qt::AlignLeft | Qt::TextWordWrap, TaskText(o),
       3.6 * k);
  Text(p, QRectF(n.left(), n.top() + 23.5 * k, n.width(), 7 * k), Qt::AlignLeft | Qt::AlignVCenter,
       QStringLiteral("尺度 %1").arg(f.scale.Text()), 5 * k);
  Text(p, QRectF(n.left(), n.top() + 30.5 * k, n.width(), 6 * k), Qt::AlignLeft | Qt::AlignVCenter,
       QStringLiteral("方眼 1 目 = %1 mm").arg(MmText(step)), 3.5 * k);
  const QPointF symbol(n.left() + 2 * k, n.bottom() - 19 * k);
  ThirdAngleSymbol(p, symbol, 10 * k);
  Text(p, QRectF(symbol.x(), symbol.y() + 12.5 * k, 50 * k, 6 * k), Qt::AlignLeft | Qt::AlignVCenter,
       QStringLiteral("第三角法"), 4 * k);
}

// A filled arrowhead with its tip at `tip`, pointing away from `from`.
void Arrowhead(QPainter& p, QPointF tip, QPointF from, double k) {
  const QLineF back = QLineF(tip, from);
  const QPointF u = (back.p2() - back.p1()) / back.length(), n(-u.y(), u.x());
  const double length = 2.5 * k, half = 0.55 * k;
  const QPointF base = tip + u * length;
  const QPointF head[] = {tip, base + n * half, base - n * half};
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawPolygon(head, 3);
  p.setBrush(Qt::NoBrush);
}

void Dimension(QPainter& p, const DimensionMark& d, double k) {
  Lines(p, {d.extensions[0], d.extensions[1], d.line}, Pen(kThin));
  // Too short for both heads inside: they sit outside, pointing in, on a line drawn out to them.
  const QPointF a = d.line.p1(), b = d.line.p2();
  if (d.line.length() >= 7 * k) {
    Arrowhead(p, a, b, k);
    Arrowhead(p, b, a, k);
  } else if (d.line.length() > 0) {
    const QPointF out = (b - a) / d.line.length() * (4 * k);
    Lines(p, {QLineF(a - out, a), QLineF(b, b + out)}, Pen(kThin));
    Arrowhead(p, a, a - out, k);
    Arrowhead(p, b, b + out, k);
  }
  constexpr double kWide = 40, kTall = 4;
  const double h = 3.5 * k;  // text height
  if (d.upright) {
    Text(p, QRectF(d.textAt.x() - kTall * k, d.textAt.y() + kWide * k / 2, kWide * k, kTall * k),
         Qt::AlignHCenter | Qt::AlignBottom, d.value, h, -90);
  } else {
    Text(p, QRectF(d.textAt.x() - kWide * k / 2, d.textAt.y() - kTall * k, kWide * k, kTall * k),
         Qt::AlignHCenter | Qt::AlignBottom, d.value, h);
  }
}

void ViewBox(QPainter& p, const QRectF& box, const QString& caption, const BoxMapping& m, double step,
             double k) {
  Lines(p, GridLines(m, step), Pen(kThin, kGridColour));
  Frame(p, box, caption, k);
}

void Picture(QPainter& p, const ProblemLayout& l, const SheetFigure& f, double step, const SheetOptions& o) {
  const bool cabinet = o.Picture() == PictureKind::Cabinet;
  const BoxMapping m = MapPicture(f.picture, l, f.scale.Factor());
  if (o.task == SheetTask::Build && !o.answers) {
    Frame(p, l.pictureBox, QStringLiteral("等角図"), l.size);
    Text(p, l.pictureBox.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
         QString::fromUtf16(kBuildTaskText), 5 * l.size);
    return;
  }
  Lines(p, cabinet ? GridLines(m, step) : IsometricGridLines(m, step), Pen(kThin, kGridColour));
  Frame(p, l.pictureBox, cabinet ? QStringLiteral("キャビネット図") : QStringLiteral("等角図"), l.size);
  if (o.answers || o.task == SheetTask::Views) Figure(p, f.picture, m);
}

void Problem(QPainter& p, const ProblemLayout& l, const SheetFigure& f, int number, const SheetOptions& o) {
  const double k = l.size;
  if (f.views.front.lines.empty()) {
    Text(p, l.cell, Qt::AlignLeft | Qt::AlignTop, f.fileName, 4 * k);
    Text(p, l.cell, Qt::AlignCenter, QString::fromUtf16(kEmptyFigureText), 10 * k);
    return;
  }
  const double scale = f.scale.Factor(), step = GridStep(o.unit, scale);
  const bool viewsDrawn = o.answers || o.task != SheetTask::Views;
  const ThreeViewMappings m = MapThreeViews(f.views, l, scale, o.dimensions && viewsDrawn);
  ViewBox(p, l.topBox, QStringLiteral("平面図"), m.top, step, k);
  ViewBox(p, l.frontBox, QStringLiteral("正面図"), m.front, step, k);
  ViewBox(p, l.sideBox, QStringLiteral("右側面図"), m.side, step, k);
  if (viewsDrawn) {
    Figure(p, f.views.top, m.top);
    Figure(p, f.views.front, m.front);
    Figure(p, f.views.side, m.side);
    if (o.dimensions)
      for (const DimensionMark& d : OverallDimensions(f.views, m, f.size, k)) Dimension(p, d, k);
  }
  Picture(p, l, f, step, o);
  Notes(p, l, f, number, step, o);
}
}  // namespace

void PaintSheetPage(QPainter& p, std::span<const SheetFigure> figures, int firstNumber,
                    const SheetOptions& o) {
  const PageLayout l = WorksheetLayout(o.perPage);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(l.page, Qt::white);
  Furniture(p, l, o);
  for (size_t i = 0; i < figures.size() && i < l.problems.size(); ++i)
    Problem(p, l.problems[i], figures[i], firstNumber + int(i), o);
}

void DrawPageText(QPainter& p, const QRectF& rect, int flags, const QString& text, double height) {
  Text(p, rect, flags, text, height);
}

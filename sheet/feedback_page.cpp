// The feedback page: the answer's three views and picture, each with the learner's differences over it,
// a legend, the verdict and the counts. Views are fitted to the answer and the extra pieces together, so
// nothing the learner drew lies outside its box.
#include "feedback_page.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

#include "drawing_scale.h"
#include "figure/app_state.h"
#include "sheet_layout.h"
#include "sheet_page.h"

namespace {
constexpr double kAnswerLine = 0.5, kDifferenceLine = 1.0, kFrame = 0.5, kThin = 0.35;
const QColor kGridColour(215, 225, 235);

// The edges turned to the angles by the program's own transform, a figure's worth of lines at a time.
ViewDrawing ProjectEdges(const std::vector<Edge>& edges, ViewAngles angles) {
  ViewDrawing d;
  auto s = std::make_unique<AppState>();
  for (size_t first = 0; first < edges.size(); first += kMaxLines) {
    InitialiseApplicationState(*s);
    s->mintLineCount = int16_t(std::min<size_t>(kMaxLines, edges.size() - first));
    for (int k = 1; k <= s->mintLineCount; ++k) {
      const Edge& e = edges[first + size_t(k) - 1];
      s->msngLineX[2 * k - 1] = float(e.a.x), s->msngLineY[2 * k - 1] = float(e.a.y);
      s->msngLineZ[2 * k - 1] = float(e.a.z);
      s->msngLineX[2 * k] = float(e.b.x), s->msngLineY[2 * k] = float(e.b.y),
                       s->msngLineZ[2 * k] = float(e.b.z);
    }
    const ViewDrawing part = ProjectFigure(*s, angles);
    d.bounds = d.lines.empty() ? part.bounds : d.bounds.united(part.bounds);
    d.lines.insert(d.lines.end(), part.lines.begin(), part.lines.end());
  }
  return d;
}

// One view of the page: the answer, the pieces it lacks and the pieces it does not have.
struct View {
  ViewDrawing answer, missing, extra;
  QRectF Bounds() const {
    QRectF b;
    for (const ViewDrawing* d : {&answer, &missing, &extra})
      if (!d->lines.empty()) b = b.isNull() ? d->bounds : b.united(d->bounds);
    return b;
  }
};

View ProjectView(const FeedbackAnswer& a, const EdgeDifference& placed, ViewAngles angles) {
  return {ProjectEdges(a.edges, angles), ProjectEdges(placed.missing, angles),
          ProjectEdges(placed.extra, angles)};
}

// The isometric drawing of the worksheets: true lengths along the three axes.
View IsometricDrawing(const FeedbackAnswer& a, const EdgeDifference& placed) {
  constexpr PictureKind kIso = PictureKind::Isometric;
  return {ProjectPicture(a.edges, kIso), ProjectPicture(placed.missing, kIso),
          ProjectPicture(placed.extra, kIso)};
}

struct Layout {
  QRectF page{0, 0, 297, 210};
  QRectF title{10, 8, 190, 10}, file{10, 18, 190, 8}, verdict{227, 8, 60, 18};
  QRectF topBox{10, 32, 80, 80}, frontBox{10, 118, 80, 80}, sideBox{96, 118, 80, 80};
  QRectF isometricBox{96, 32, 191, 80}, notes{182, 118, 105, 80};
};

QPen Pen(double width, const QColor& colour = Qt::black) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Lines(QPainter& p, const ViewDrawing& d, const BoxMapping& m, const QPen& pen) {
  p.setPen(pen);
  for (const QLineF& l : d.lines) p.drawLine(m.Map(l));
}

void DrawView(QPainter& p, const View& v, const BoxMapping& m, const QString& caption, double unit) {
  p.save();
  p.setClipRect(m.box);
  p.setPen(Pen(kThin, kGridColour));
  for (const QLineF& l : GridLines(m, unit)) p.drawLine(l);
  Lines(p, v.answer, m, Pen(kAnswerLine));
  Lines(p, v.extra, m, Pen(kDifferenceLine, kExtraColour));
  Lines(p, v.missing, m, Pen(kDifferenceLine, kMissingColour));
  p.restore();
  p.setPen(Pen(kFrame));
  p.setBrush(Qt::NoBrush);
  p.drawRect(m.box);
  DrawPageText(p, QRectF(m.box.left(), m.box.top() - 5, m.box.width(), 4.5), Qt::AlignLeft | Qt::AlignBottom,
               caption, 3.5);
}

double FitScale(const QRectF& bounds, const QRectF& box) {
  const double room = std::min(box.width(), box.height()) - 2 * kBoxPadding;
  const double largest = std::max(bounds.width(), bounds.height());
  return largest > 0 ? room / largest : 1;
}

void DrawThreeViews(QPainter& p, const Layout& l, const FeedbackAnswer& a, const EdgeDifference& placed) {
  const View front = ProjectView(a, placed, kFrontView), top = ProjectView(a, placed, kTopView),
             side = ProjectView(a, placed, kSideView);
  // One scale for the three, and shared centres, so that the views line up as third-angle projection does.
  const double boxRoom = l.frontBox.width() - 2 * kBoxPadding;
  double largest = 0;
  for (const View* v : {&front, &top, &side})
    largest = std::max({largest, v->Bounds().width(), v->Bounds().height()});
  const double scale = largest > 0 ? boxRoom / largest : 1;
  const QPointF centre = front.Bounds().center();
  DrawView(p, top, {l.topBox, {centre.x(), top.Bounds().center().y()}, scale, {}}, QStringLiteral("平面図"),
           a.unit);
  DrawView(p, front, {l.frontBox, centre, scale, {}}, QStringLiteral("正面図"), a.unit);
  DrawView(p, side, {l.sideBox, {side.Bounds().center().x(), centre.y()}, scale, {}},
           QStringLiteral("右側面図"), a.unit);
  const View iso = IsometricDrawing(a, placed);
  const BoxMapping isoMap{l.isometricBox, iso.Bounds().center(), FitScale(iso.Bounds(), l.isometricBox), {}};
  DrawView(p, iso, isoMap, QStringLiteral("等角図"), 0);
}

void LegendRow(QPainter& p, double x, double y, const QColor& colour, double width, const QString& label) {
  p.setPen(Pen(width, colour));
  p.drawLine(QLineF(x, y, x + 10, y));
  DrawPageText(p, QRectF(x + 13, y - 3, 90, 6), Qt::AlignLeft | Qt::AlignVCenter, label, 3.5);
}

QString VerdictWord(LearnerVerdict v) {
  switch (v) {
    case LearnerVerdict::Right: return QStringLiteral("正解");
    case LearnerVerdict::Wrong: return QStringLiteral("違う");
    case LearnerVerdict::Unreadable: return QStringLiteral("読めない");
  }
  return {};
}

QString Details(const FeedbackAnswer& a, const LearnerResult& r) {
  QStringList lines{QStringLiteral("答え: %1").arg(a.fileName)};
  if (r.verdict == LearnerVerdict::Unreadable) {
    lines << QStringLiteral("この図形ファイルは読めません。") << r.reason;
    return lines.join(u'\n');
  }
  const EdgeDifference& d = r.difference;
  lines << QStringLiteral("足りない辺 %1 本（合わせて %2 mm）")
               .arg(d.missing.size())
               .arg(MmText(TotalLength(d.missing)))
        << QStringLiteral("余分な辺 %1 本（合わせて %2 mm）")
               .arg(d.extra.size())
               .arg(MmText(TotalLength(d.extra)));
  if (r.shift) {
    lines << QStringLiteral("全体を (%1, %2, %3) mm ずらして比べました")
                 .arg(MmText(-r.shift->x), MmText(-r.shift->y), MmText(-r.shift->z));
  }
  return lines.join(u'\n');
}

void DrawNotes(QPainter& p, const Layout& l, const FeedbackAnswer& a, const LearnerResult& r) {
  const QRectF& n = l.notes;
  LegendRow(p, n.left(), n.top() + 3, Qt::black, kAnswerLine, QStringLiteral("答えの辺"));
  LegendRow(p, n.left(), n.top() + 10, kMissingColour, kDifferenceLine,
            QStringLiteral("足りない辺（答えにあるのに、かいていない）"));
  LegendRow(p, n.left(), n.top() + 17, kExtraColour, kDifferenceLine,
            QStringLiteral("余分な辺（答えにない）"));
  DrawPageText(p, QRectF(n.left(), n.top() + 26, n.width(), n.height() - 26),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, Details(a, r), 3.5);
}
}  // namespace

void PaintFeedbackPage(QPainter& p, const FeedbackAnswer& answer, const LearnerResult& learner) {
  const Layout l;
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(l.page, Qt::white);
  DrawPageText(p, l.title, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("答え合わせ"), 6);
  DrawPageText(p, l.file, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWrapAnywhere, learner.path, 4);
  p.setPen(Pen(kFrame));
  p.setBrush(Qt::NoBrush);
  p.drawRect(l.verdict);
  DrawPageText(p, l.verdict, Qt::AlignCenter, VerdictWord(learner.verdict), 10);
  // The learner's pieces where the comparison laid them: on the answer.
  const Point3 by = learner.shift.value_or(Point3{});
  DrawThreeViews(p, l, answer,
                 {Shifted(learner.difference.missing, by), Shifted(learner.difference.extra, by)});
  DrawNotes(p, l, answer, learner);
}

QByteArray FeedbackPdf(const FeedbackAnswer& answer, const std::vector<LearnerResult>& learners) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageOrientation(QPageLayout::Landscape);
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setResolution(600);
  pdf.setCreator(QStringLiteral("nuboro-sheet"));
  QPainter p;
  if (!p.begin(&pdf)) return {};
  p.scale(600 / 25.4, 600 / 25.4);
  for (size_t i = 0; i < learners.size(); ++i) {
    if (i > 0 && !pdf.newPage()) return {};
    PaintFeedbackPage(p, answer, learners[i]);
  }
  return p.end() ? buffer.data() : QByteArray();
}

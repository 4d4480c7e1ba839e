// Text form of display lists: golden files and readable test failures.
#include "view/display_list.h"

#include <QStringList>

namespace {
QString Num(float v) { return QString::number(v, 'g', 9); }
QString Col(Rgb c) { return QStringLiteral("(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b); }
QString Pt(ViewPoint p) { return QStringLiteral("(%1,%2)").arg(Num(p.x), Num(p.y)); }

template <class... F>
struct Overload : F... {
  using F::operator()...;
};
// clang before 17 does not deduce aggregate template arguments by itself.
template <class... F>
Overload(F...) -> Overload<F...>;
}  // namespace

QString Describe(const Primitive& p) {
  return std::visit(
      Overload{
          [](const ClearPrim& c) { return QStringLiteral("clear ") + Col(c.colour); },
          [](const BackgroundPrim& b) { return QStringLiteral("background ") + Col(b.colour); },
          [](const ScalePrim& s) {
            return QStringLiteral("scale %1 %2 %3 %4")
                .arg(Num(s.left), Num(s.top), Num(s.width), Num(s.height));
          },
          [](const LinePrim& l) {
            return QStringLiteral("line %1 %2 %3 w%4").arg(Pt(l.from), Pt(l.to), Col(l.colour)).arg(l.width);
          },
          [](const CirclePrim& c) {
            return QStringLiteral("circle %1 r%2 %3 w%4")
                .arg(Pt(c.centre), Num(c.radius), Col(c.colour))
                .arg(c.width);
          },
          [](const TextPrim& t) { return QStringLiteral("text %1 \"%2\"").arg(Pt(t.at), t.text); },
      },
      p);
}

QString Describe(const DisplayList& list) {
  QStringList lines;
  for (const Primitive& p : list) lines << Describe(p);
  return lines.join(QLatin1Char('\n'));
}

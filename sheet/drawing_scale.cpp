// The scale series and number texts shared by the pages and the checker's messages.
#include "drawing_scale.h"

#include <QRegularExpression>
#include <cmath>

QString DrawingScale::Text() const {
  // Whole numbers in digits while a double holds them exactly; only a file's wild floats go past that.
  const auto number = [](double v) {
    return v < 1e15 ? QString::number(v, 'f', 0) : QString::number(v, 'g', 3);
  };
  return number(paper) + u':' + number(figure);
}

DrawingScale LargestScaleWithin(double factor) {
  for (const double paper : {5.0, 2.0})
    if (paper <= factor) return {paper, 1};
  // 1:1, 1:2, 1:5, 1:10, 1:20 ... down to where a float's extent could reach.
  double decade = 1;
  for (int k = 0; k < 45; ++k, decade *= 10) {
    for (const double m : {1.0, 2.0, 5.0}) {
      if (1 / (m * decade) <= factor) return {1, m * decade};
    }
  }
  return {1, decade};
}

std::optional<DrawingScale> ParseScale(const QString& text) {
  static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,9})\\s*[:：]\\s*(\\d{1,9})\\s*$"));
  const QRegularExpressionMatch m = form.match(text);
  if (!m.hasMatch()) return std::nullopt;
  const double paper = m.captured(1).toDouble(), figure = m.captured(2).toDouble();
  if (!(paper > 0 && figure > 0)) return std::nullopt;
  return DrawingScale{paper, figure};
}

QString MmText(double v) {
  QString t = QString::number(std::round(v * 1000) / 1000, 'f', 3);
  while (t.endsWith(u'0')) t.chop(1);
  if (t.endsWith(u'.')) t.chop(1);
  return t == QStringLiteral("-0") ? QStringLiteral("0") : t;
}

// Drawing scales of the usual series (5:1, 2:1, 1:1, 1:2, 1:5, 1:10, 1:20 ...) and the way lengths are
// written.
#pragma once

#include <QString>
#include <optional>

struct DrawingScale {
  double paper = 1, figure = 1;  // paper : figure
  double Factor() const { return paper / figure; }
  QString Text() const;  // "1:2"
};

// The largest scale of the series not above `factor` (paper mm per figure mm); 5:1 at most. Below 1:10 the
// series goes on as 1:20, 1:50, 1:100 ..., since the program's own limits allow figures of 1000 mm.
DrawingScale LargestScaleWithin(double factor);

// "1:2", "2:1" or "1：2": two whole numbers above 0; nullopt otherwise.
std::optional<DrawingScale> ParseScale(const QString& text);

// A length in millimetres as a drawing writes it: at most three decimals, no trailing zeros, no unit.
QString MmText(double v);

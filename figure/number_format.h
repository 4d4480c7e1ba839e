// How numbers stand in a figure file: written with a sign place and a trailing space, read back strictly.
#pragma once

#include <QByteArray>
#include <QStringView>
#include <optional>

// " 10 ", "-2.5 ", " .5 ", " 1.234568E+07 ": at most 7 significant digits.
QByteArray FormatFileNumber(float v);

// A whole numeric item ("12", "-.5", "1E+07", "+3"); nullopt when it is not a number.
std::optional<double> ParseFileNumber(QStringView item);

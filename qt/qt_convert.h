// The core's text and geometry as Qt holds them, and back: conversions happen only at the ports.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

#include "shell/geometry.h"

inline QString ToQt(std::u16string_view s) {
  return QString(reinterpret_cast<const QChar*>(s.data()), qsizetype(s.size()));
}
inline std::u16string FromQt(const QString& s) { return s.toStdU16String(); }
inline QStringList ToQt(const std::vector<std::u16string>& list) {
  QStringList out;
  for (const std::u16string& s : list) out << ToQt(s);
  return out;
}

inline QRect ToQt(const Rect& r) { return QRect(r.left(), r.top(), r.width(), r.height()); }
inline Rect FromQt(const QRect& r) { return Rect(r.left(), r.top(), r.width(), r.height()); }
inline QSize ToQt(const Size& s) { return QSize(s.width(), s.height()); }
inline Size FromQt(const QSize& s) { return Size(s.width(), s.height()); }

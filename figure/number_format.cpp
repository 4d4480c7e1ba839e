// Number text of figure files.
#include "figure/number_format.h"

#include <charconv>
#include <cstdio>
#include <string>

QByteArray FormatFileNumber(float v) {
  char buf[32];
  // %G switches to the exponent form below 1E-04 and from 1E+07 on, and drops trailing zeros.
  std::snprintf(buf, sizeof buf, "%.7G", v == 0 ? 0.0 : static_cast<double>(v));
  QByteArray digits(buf);
  if (digits.startsWith("0.")) digits.remove(0, 1);
  if (digits.startsWith("-0.")) digits.remove(1, 1);
  QByteArray out;
  if (!(v < 0)) out += ' ';
  out += digits;
  out += ' ';
  return out;
}

std::optional<double> ParseFileNumber(QStringView item) {
  std::string text;
  text.reserve(item.size());
  for (QChar c : item) {
    const char16_t u = c.unicode();
    const bool allowed = (u >= '0' && u <= '9') || u == '.' || u == '-' || u == '+' || u == 'e' || u == 'E';
    if (!allowed) return std::nullopt;  // also keeps "inf" and "nan" out
    text.push_back(static_cast<char>(u));
  }
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  if (first != last && *first == '+') return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
}

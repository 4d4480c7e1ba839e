// Number text of figure files.
#include "figure/number_format.h"

#include <charconv>
#include <string>

QByteArray FormatFileNumber(float v) {
  char buf[32];
  // As printf's %.7G: the exponent form below 1E-04 and from 1E+07 on, no trailing zeros.
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v == 0 ? 0.0 : static_cast<double>(v),
                                       std::chars_format::general, 7);
  QByteArray digits(buf, ec == std::errc() ? end - buf : 0);
  if (const qsizetype e = digits.indexOf('e'); e >= 0) digits[e] = 'E';
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
  if (first != last && *first == '+') {
    ++first;
    if (first != last && (*first == '+' || *first == '-')) return std::nullopt;  // one sign only
  }
  double value = 0;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
}

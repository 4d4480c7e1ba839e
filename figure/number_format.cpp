// Number text of figure files.
#include "figure/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

char* WriteFileNumber(char* out, float v) {
  char* p = out;
  if (!(v < 0)) *p++ = ' ';
  // Whole millimetres, the usual case, are their own digits: no rounding to seven places is needed.
  if (std::abs(v) < 1e7f && v == std::trunc(v)) {
    char* last = std::to_chars(p, out + kMaxFileNumberChars - 1, static_cast<int32_t>(v)).ptr;
    *last++ = ' ';
    return last;
  }
  // As printf's %.7G: the exponent form below 1E-04 and from 1E+07 on, no trailing zeros.
  const auto [end, ec] = std::to_chars(p, out + kMaxFileNumberChars - 1,
                                       v == 0 ? 0.0 : static_cast<double>(v), std::chars_format::general, 7);
  char* last = ec == std::errc() ? end : p;
  // A leading zero before the point is dropped: "0.5" is written ".5", "-0.5" "-.5".
  char* digits = *p == '-' ? p + 1 : p;
  if (last - digits >= 2 && digits[0] == '0' && digits[1] == '.') {
    std::memmove(digits, digits + 1, last - digits - 1);
    --last;
  }
  if (char* e = std::find(p, last, 'e'); e != last) *e = 'E';
  *last++ = ' ';
  return last;
}

QByteArray FormatFileNumber(float v) {
  char buf[kMaxFileNumberChars];
  return QByteArray(buf, WriteFileNumber(buf, v) - buf);
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

// Number text of figure files.
#include "figure/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "figure/number_text.h"

// Some C++ libraries have only the integer <charconv> (the browser build's); there the exact conversions of
// number_text.h stand in, giving the same text and the same doubles. Tests set it to 0 to run them here.
#ifndef NUBORO_FLOAT_CHARCONV
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define NUBORO_FLOAT_CHARCONV 1
#else
#define NUBORO_FLOAT_CHARCONV 0
#endif
#endif

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
#if NUBORO_FLOAT_CHARCONV
  const auto [end, ec] = std::to_chars(p, out + kMaxFileNumberChars - 1,
                                       v == 0 ? 0.0 : static_cast<double>(v), std::chars_format::general, 7);
  char* last = ec == std::errc() ? end : p;
#else
  char* last = WriteGeneral7(p, v == 0 ? 0.0f : v);
#endif
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

std::string FormatFileNumber(float v) {
  char buf[kMaxFileNumberChars];
  return std::string(buf, WriteFileNumber(buf, v));
}

std::optional<double> ParseFileNumber(std::string_view item) {
  std::string text;
  text.reserve(item.size());
  for (const char u : item) {
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
#if NUBORO_FLOAT_CHARCONV
  double value = 0;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
#else
  return ReadGeneral(std::string_view(first, static_cast<size_t>(last - first)));
#endif
}

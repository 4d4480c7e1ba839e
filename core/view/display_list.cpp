// Text form of display lists: golden files and readable test failures.
#include "view/display_list.h"

#include <charconv>
#include <cstdio>

#include "figure/text.h"

namespace {
// As printf's "%.9g": enough digits to tell any two floats apart.
std::string Num(float v) {
  char buf[32];
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
  return std::string(buf, std::to_chars(buf, buf + sizeof buf, double{v}, std::chars_format::general, 9).ptr);
#else
  const int n = std::snprintf(buf, sizeof buf, "%.9g", double{v});
  return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
#endif
}
std::string Int(int v) { return std::to_string(v); }
// Joined by appending: GCC 12 warns falsely (-Wrestrict) where a literal is prepended to a temporary.
template <class... T>
std::string Cat(const T&... parts) {
  std::string out;
  (out.append(parts), ...);
  return out;
}
std::string Col(Rgb c) { return Cat("(", Int(c.r), ",", Int(c.g), ",", Int(c.b), ")"); }
std::string Pt(ViewPoint p) { return Cat("(", Num(p.x), ",", Num(p.y), ")"); }

template <class... F>
struct Overload : F... {
  using F::operator()...;
};
// clang before 17 does not deduce aggregate template arguments by itself.
template <class... F>
Overload(F...) -> Overload<F...>;
}  // namespace

std::string Describe(const Primitive& p) {
  return std::visit(
      Overload{
          [](const ClearPrim& c) { return Cat("clear ", Col(c.colour)); },
          [](const BackgroundPrim& b) { return Cat("background ", Col(b.colour)); },
          [](const ScalePrim& s) {
            return Cat("scale ", Num(s.left), " ", Num(s.top), " ", Num(s.width), " ", Num(s.height));
          },
          [](const LinePrim& l) {
            return Cat("line ", Pt(l.from), " ", Pt(l.to), " ", Col(l.colour), " w", Int(l.width));
          },
          [](const CirclePrim& c) {
            return Cat("circle ", Pt(c.centre), " r", Num(c.radius), " ", Col(c.colour), " w", Int(c.width));
          },
          [](const TextPrim& t) { return Cat("text ", Pt(t.at), " \"", Utf8FromUtf16(t.text), "\""); },
      },
      p);
}

std::string Describe(const DisplayList& list) {
  std::string out;
  for (const Primitive& p : list) {
    if (!out.empty()) out += '\n';
    out += Describe(p);
  }
  return out;
}

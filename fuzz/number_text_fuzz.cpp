// Arbitrary items and float bits into the exact number text: it must read and write exactly what the
// standard library does.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "figure/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view item(reinterpret_cast<const char*>(data), size);
  double standard = 0;
  const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), standard);
  const bool read = ec == std::errc() && end == item.data() + item.size();
  const std::optional<double> exact = ReadGeneral(item);
  // from_chars also reads "inf" and "nan", which never reach ReadGeneral.
  const bool letters = item.find_first_of("aAfFiInNtTyY(") != std::string_view::npos;
  if (letters ? exact.has_value()
              : exact.has_value() != read || (read && std::memcmp(&*exact, &standard, sizeof standard) != 0))
    std::abort();

  if (size >= 4) {
    float v = 0;
    std::memcpy(&v, data, sizeof v);
    if (v - v == 0) {  // finite
      char a[kMaxGeneral7Chars];
      char b[64];
      const char* aEnd = WriteGeneral7(a, v);
      const char* bEnd = std::to_chars(b, b + sizeof b, double{v}, std::chars_format::general, 7).ptr;
      if (std::string_view(a, aEnd - a) != std::string_view(b, bEnd - b)) std::abort();
    }
  }
  return 0;
}

// Runs float bit patterns and random items through the exact number text and the standard library's,
// more than the test suite can: every float takes about 20 minutes on one core.
// Usage: number_text_check [FIRST_BITS LAST_BITS [ITEMS]]   (hex bits; default: every float, 10^7 items)
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "figure/number_text.h"
#include "number_text_cases.h"

int main(int argc, char** argv) {
  const uint64_t first = argc > 2 ? std::strtoull(argv[1], nullptr, 16) : 0;
  const uint64_t last = argc > 2 ? std::strtoull(argv[2], nullptr, 16) : 0xffffffffu;
  const long items = argc > 3 ? std::atol(argv[3]) : 10000000;
  uint64_t floats = 0;
  uint64_t wrong = 0;
  for (uint64_t bits = first; bits <= last; ++bits) {
    const float v = number_text_cases::BitCast<float>(static_cast<uint32_t>(bits));
    if (!std::isfinite(v)) continue;
    char exact[kMaxGeneral7Chars];
    char standard[64];
    const char* exactEnd = WriteGeneral7(exact, v);
    const char* standardEnd = std::to_chars(standard, standard + sizeof standard, static_cast<double>(v),
                                            std::chars_format::general, 7)
                                  .ptr;
    ++floats;
    if (std::string_view(exact, exactEnd - exact) != std::string_view(standard, standardEnd - standard) &&
        ++wrong <= 20)
      std::printf("float %08x: %.*s, not %.*s\n", static_cast<unsigned>(bits),
                  static_cast<int>(exactEnd - exact), exact, static_cast<int>(standardEnd - standard),
                  standard);
  }
  number_text_cases::SplitMix64 random{first ^ last};
  for (long i = 0; i < items; ++i) {
    const std::string item = number_text_cases::RandomItem(random);
    double value = 0;
    const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
    const bool read = ec == std::errc() && end == item.data() + item.size();
    const std::optional<double> exact = ReadGeneral(item);
    if ((exact.has_value() != read || (read && std::memcmp(&*exact, &value, sizeof value) != 0)) &&
        ++wrong <= 20)
      std::printf("item \"%s\": read differently\n", item.c_str());
  }
  std::printf("%llu floats, %ld items: %llu differ\n", static_cast<unsigned long long>(floats), items,
              static_cast<unsigned long long>(wrong));
  return wrong == 0 ? 0 : 1;
}

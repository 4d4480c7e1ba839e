// Hard and random cases for the file numbers' text, shared by the desktop tests and the browser build's
// check, and the listing of their results that both compare with tests/data/number_text_listing.txt.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace number_text_cases {

// std::bit_cast, which the browser build's C++ library lacks.
template <class To, class From>
To BitCast(From from) {
  static_assert(sizeof(To) == sizeof(From));
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
}

// Floats by their bits where a literal could be mistaken.
inline float Bits(uint32_t b) { return BitCast<float>(b); }

inline std::vector<float> HardFloats() {
  return {0.0f, -0.0f, 1.0f, -1.0f, 0.5f, -0.5f, 0.1f, 199.6f, 1.0f / 3, 2.0f / 3,
          // Exact ties at the 7th digit, going to the even digit, and a tie that carries into a new power.
          1234567.5f, 1234568.5f, 2345678.5f, 12345675.0f, 12345665.0f, 9999999.5f, 9999998.5f, 16777215.0f,
          // Next to a half unit of the 7th digit.
          Bits(0x4b3c614e), std::nextafter(1234567.5f, 0.0f), std::nextafter(1234567.5f, 2e6f),
          // Where the fixed form gives way to the exponent form, and the roundings that cross it.
          1e-4f, std::nextafter(1e-4f, 0.0f), std::nextafter(1e-4f, 1.0f), 1e7f, std::nextafter(1e7f, 0.0f),
          999999.94f, 0.99999994f, 0.00001f, 1e-5f / 3,
          // Powers of ten and their neighbours, where a logarithm's guess is one off.
          1e10f, std::nextafter(1e10f, 0.0f), 1e-10f, std::nextafter(1e-10f, 1.0f), 1e38f,
          // Range ends: the largest float, the smallest normal, denormals.
          3.4028235e38f, -3.4028235e38f, 1.17549435e-38f, Bits(0x007fffff), Bits(1), Bits(2),
          Bits(0x80000003), -2.5e-5f, 4.2e20f, -98765.4321f};
}

inline std::vector<std::string> HardItems() {
  const std::string zeros(1000, '0');
  return {
      "12", "0", "-0", "-.5", ".5", "5.", "007", "1E+07", "1e-05", "2.5E3", "1e39", "00.00e5", "-0.0e-99",
      "0e99999999999999999999", "3.402823E+38", "1.234568E+07", ".0001", "-199.6", ".3333333",
      // Halfway between doubles: exact ties to the even one, and a hair either side.
      "9007199254740993", "9007199254740995", "9007199254740993.0000000000000000000000000001",
      "9007199254740992.9999999999999999999999999999", "0.1", "0.30000000000000004",
      // Past the 800 digits kept, only whether any is not zero counts.
      "9007199254740993." + zeros + "1", "9007199254740993." + zeros, "0." + zeros + "1e1000",
      // Below a power of two the doubles are twice as close.
      "9007199254740991.25", "9007199254740991.75", "9007199254740992.5", "9007199254740995.0000001",
      "1.279999999999999893418590e+2", "8.900295434028804791262462e-308", "1.139237815555687013281595e-305",
      "2.2250738585072011e-308", "2.2250738585072012e-308", "2.2250738585072014e-308",
      // Denormals, the smallest one's halfway point, and what underflows.
      "4.9406564584124654e-324", "2.4703282292062328e-324", "2.4703282292062327e-324", "4e-320", "1e-400",
      "-1e-400", "1e-99999999999999999999",
      // The largest double, its halfway point to infinity, and what overflows.
      "1.7976931348623157e308", "1.7976931348623158e308", "1.7976931348623159e308", "1e309", "-1e309",
      // Many digits, and zeros that only move the point.
      "123456789012345678901234567890", "0.000000000000000000000000000000000000000000001234567890123456789",
      "100000000000000000000000000000000000000000000000000000000000000000000000000000e-78",
      // Not read whole, or not at all.
      "", "-", "+", ".", "+3", "--3", "-+3", "1.2.3", "1e", "1e+", "e5", ".e5", "1e5.5", "1E-", "-e1"};
}

// Random cases of each kind in the listing: enough to cover every exponent, few enough for node.
inline constexpr int kListingCount = 200000;

// A small generator whose sequence is the same with every C++ library.
struct SplitMix64 {
  uint64_t state;
  uint64_t Next() {
    uint64_t z = (state += 0x9e3779b97f4a7c15u);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
  }
  uint32_t Below(uint32_t n) { return static_cast<uint32_t>(Next() % n); }
};

// Any finite float, mostly of the sizes figures hold, with whole and half values and 7th-digit ties.
inline float RandomFloat(SplitMix64& random) {
  for (;;) {
    const uint64_t r = random.Next();
    float v = BitCast<float>(static_cast<uint32_t>(r));
    if (!std::isfinite(v)) continue;
    if (v == 0) return v;
    switch ((r >> 32) % 4) {
      case 0: return v;  // every exponent, denormals included
      case 1: return std::ldexp(v, -std::ilogb(v) + static_cast<int>((r >> 40) % 48) - 24);
      case 2: return static_cast<float>(static_cast<int64_t>((r >> 34) % 33554432) - 16777216) / 2;
      default: return std::trunc(std::ldexp(v, -std::ilogb(v) + static_cast<int>((r >> 40) % 26)));
    }
  }
}

// Items from digits, points, signs and exponent letters: numbers written many ways, and also nonsense.
inline std::string RandomItem(SplitMix64& random) {
  std::string item;
  if (random.Below(8) == 0) {
    constexpr std::string_view kAlphabet = "0123456789.-+eE";
    for (uint32_t n = random.Below(9); n > 0; --n) item += kAlphabet[random.Below(kAlphabet.size())];
    return item;
  }
  auto digits = [&](uint32_t most) {
    for (uint32_t n = random.Below(most + 1); n > 0; --n) item += static_cast<char>('0' + random.Below(10));
  };
  if (random.Below(3) == 0) item += '-';
  digits(random.Below(4) == 0 ? 30 : 8);
  if (random.Below(2) == 0) {
    item += '.';
    digits(random.Below(4) == 0 ? 30 : 8);
  }
  if (random.Below(3) == 0) {
    item += random.Below(2) == 0 ? 'e' : 'E';
    const uint32_t sign = random.Below(3);
    if (sign != 0) item += sign == 1 ? '+' : '-';
    item += std::to_string(random.Below(random.Below(2) == 0 ? 40 : 400));
  }
  return item;
}

// One line for every hard case and a hash over `count` random ones of each kind. `write` gives a float's
// text as std::string, `read` an item's value as std::optional<double>.
template <class Write, class Read>
std::string Listing(Write write, Read read, int count) {
  std::string out;
  char line[160];
  auto readText = [&](std::string_view item) {
    const std::optional<double> v = read(item);
    if (!v) return std::string("none");
    std::snprintf(line, sizeof line, "%016llx", static_cast<unsigned long long>(BitCast<uint64_t>(*v)));
    return std::string(line);
  };
  for (float v : HardFloats()) {
    std::snprintf(line, sizeof line, "%08x ", static_cast<unsigned>(BitCast<uint32_t>(v)));
    out += line + write(v) + '\n';
  }
  for (const std::string& item : HardItems()) out += '"' + item + "\" " + readText(item) + '\n';
  // FNV-1a over the texts, each ended by a newline.
  auto hash = [](uint64_t h, const std::string& text) {
    for (char c : text + '\n') h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    return h;
  };
  SplitMix64 random{20};
  uint64_t floats = 0xcbf29ce484222325u;
  uint64_t items = floats;
  for (int i = 0; i < count; ++i) floats = hash(floats, write(RandomFloat(random)));
  for (int i = 0; i < count; ++i) items = hash(items, readText(RandomItem(random)));
  std::snprintf(line, sizeof line, "%d random floats %016llx\n%d random items %016llx\n", count,
                static_cast<unsigned long long>(floats), count, static_cast<unsigned long long>(items));
  return out + line;
}

}  // namespace number_text_cases

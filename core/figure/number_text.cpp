// Exact decimal <-> binary conversion of file numbers: a float to 7 digits, a decimal item to a double.
#include "figure/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr std::array<uint32_t, 10> kPow10 = {1,      10,      100,      1000,      10000,
                                             100000, 1000000, 10000000, 100000000, 1000000000};
constexpr std::array<uint32_t, 14> kPow5 = {1,     5,      25,      125,     625,      3125,      15625,
                                            78125, 390625, 1953125, 9765625, 48828125, 244140625, 1220703125};

// An unsigned integer of up to kLimbs 32-bit limbs, kept without leading zero limbs. Callers choose
// kLimbs so that no value outgrows it; were one to, its high limbs are dropped, never written past the end.
template <int kLimbs>
class BigUint {
 public:
  explicit BigUint(uint64_t v = 0) {
    for (; v != 0; v >>= 32) Push(static_cast<uint32_t>(v));
  }

  // *this = *this * m + add, for m > 0.
  BigUint& MulAdd(uint32_t m, uint32_t add = 0) {
    uint64_t carry = add;
    for (int i = 0; i < size_; ++i) {
      const uint64_t t = uint64_t{limbs_[i]} * m + carry;
      limbs_[i] = static_cast<uint32_t>(t);
      carry = t >> 32;
    }
    if (carry != 0) Push(static_cast<uint32_t>(carry));
    return *this;
  }

  BigUint& MulPow5(int64_t n) {
    for (; n >= 13; n -= 13) MulAdd(kPow5[13]);
    if (n > 0) MulAdd(kPow5[n]);
    return *this;
  }

  BigUint& MulPow10(int n) {
    for (; n >= 9; n -= 9) MulAdd(kPow10[9]);
    if (n > 0) MulAdd(kPow10[n]);
    return *this;
  }

  BigUint& ShiftLeft(int64_t bits) {
    if (size_ == 0 || bits <= 0) return *this;
    const int64_t words = bits / 32;
    const int rest = static_cast<int>(bits % 32);
    const int size = static_cast<int>(std::min<int64_t>(size_ + words + 1, kLimbs));
    auto at = [&](int64_t i) { return i >= 0 && i < size_ ? limbs_[i] : 0u; };
    // From the top down, so that every limb is read before it is overwritten.
    for (int i = size - 1; i >= 0; --i) {
      const uint32_t high = at(i - words);
      limbs_[i] = rest == 0 ? high : (high << rest) | (at(i - words - 1) >> (32 - rest));
    }
    size_ = size;
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
    return *this;
  }

  friend int Compare(const BigUint& a, const BigUint& b) {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (int i = a.size_ - 1; i >= 0; --i) {
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
  }

 private:
  void Push(uint32_t limb) {
    if (size_ < kLimbs) limbs_[size_++] = limb;
  }

  std::array<uint32_t, kLimbs> limbs_{};
  int size_ = 0;
};

// ---- Writing: a float to 7 significant digits ----

// A float times 10^(6 - k) for k in -46..39 stays below 2^200.
using FloatBig = BigUint<8>;

// v = m * 2^e2 times 10^(6 - k), as num / den.
void Scale(uint32_t m, int e2, int k, FloatBig& num, FloatBig& den) {
  num = FloatBig(m);
  den = FloatBig(1);
  if (e2 > 0) num.ShiftLeft(e2);
  if (e2 < 0) den.ShiftLeft(-e2);
  if (k < 6) num.MulPow10(6 - k);
  if (k > 6) den.MulPow10(k - 6);
}

// Whether q * den <= num.
bool AtMost(uint32_t q, const FloatBig& den, const FloatBig& num) {
  FloatBig product = den;
  return Compare(product.MulAdd(q), num) <= 0;
}

// The 7 digits of |v| rounded, an exact tie to even, with its decimal exponent k: |v| ~ q * 10^(k - 6).
void SevenDigits(float v, uint32_t& q, int& k) {
  uint32_t bits = 0;  // std::bit_cast is missing from the browser build's C++ library
  std::memcpy(&bits, &v, sizeof bits);
  bits &= 0x7fffffffu;
  const int biased = static_cast<int>(bits >> 23);
  const uint32_t m = (bits & 0x7fffffu) | (biased != 0 ? 0x800000u : 0u);
  const int e2 = std::max(biased, 1) - 150;
  const double magnitude = std::fabs(static_cast<double>(v));

  // The logarithm's guess at k may be one off next to a power of ten: the comparisons settle it.
  k = static_cast<int>(std::floor(std::log10(magnitude)));
  FloatBig num, den;
  for (;;) {
    Scale(m, e2, k, num, den);
    if (FloatBig low = den; Compare(num, low.MulPow10(6)) < 0) {
      --k;
    } else if (FloatBig high = den; Compare(num, high.MulPow10(7)) >= 0) {
      ++k;
    } else {
      break;
    }
  }

  // The integer part of num / den, from a guess that is at most a unit or two off.
  const double guess = magnitude * std::pow(10.0, 6 - k);
  q = static_cast<uint32_t>(std::clamp(guess, 1e6, 9999999.0));
  while (q < 9999999 && AtMost(q + 1, den, num)) ++q;
  while (!AtMost(q, den, num)) --q;

  // Round on the exact remainder: compare num / den - q with one half.
  FloatBig twice = num;
  FloatBig midpoint = den;
  const int c = Compare(twice.MulAdd(2), midpoint.MulAdd(2 * q + 1));
  if (c > 0 || (c == 0 && q % 2 == 1)) ++q;
  if (q == 10000000) {
    q = 1000000;
    ++k;
  }
}

// ---- Reading: a decimal item to a double ----

// A double's exact halfway points need at most 767 significant digits; digits past these are only
// remembered as not all zero.
constexpr int kMaxDigits = 800;
constexpr int64_t kExponentCap = 1000000000000;

// The item as digits * 10^exponent.
struct Decimal {
  bool negative = false;
  int count = 0;  // significant digits, no leading or trailing zeros
  int64_t exponent = 0;
  // One more place for a '5' that stands in for dropped digits that are not all zero: that puts the
  // value strictly between the same two halfway points as the whole item.
  std::array<char, kMaxDigits + 1> digits;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads what from_chars reads: [-]digits[.digits][(e|E)[+|-]digits], with a digit before or after the
// point; an exponent part without digits is not read. False when that is not all of `text`.
bool Scan(std::string_view text, Decimal& d) {
  size_t i = 0;
  const size_t n = text.size();
  if (i < n && text[i] == '-') {
    d.negative = true;
    ++i;
  }
  bool anyDigit = false;
  bool dropped = false;
  for (bool fraction = false;; ++i) {
    if (i < n && text[i] == '.' && !fraction) {
      fraction = true;
      continue;
    }
    if (i >= n || !IsDigit(text[i])) break;
    anyDigit = true;
    const char c = text[i];
    if (d.count == 0 && c == '0') {
      if (fraction) --d.exponent;
    } else if (d.count < kMaxDigits) {
      d.digits[d.count++] = c;
      if (fraction) --d.exponent;
    } else {
      dropped |= c != '0';
      if (!fraction) ++d.exponent;
    }
  }
  if (!anyDigit) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    const bool negative = j < n && text[j] == '-';
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < n && IsDigit(text[j])) {
      int64_t e = 0;
      for (; j < n && IsDigit(text[j]); ++j) e = std::min(e * 10 + (text[j] - '0'), kExponentCap);
      d.exponent += negative ? -e : e;
      i = j;
    }
  }
  if (i != n) return false;
  if (dropped) {
    d.digits[d.count++] = '5';
    --d.exponent;
  }
  while (d.count > 0 && d.digits[d.count - 1] == '0') {
    --d.count;
    ++d.exponent;
  }
  return true;
}

// Digits times 5^1124 (the most a value in double's range needs) and a shift stay below 2^2800.
using DecimalBig = BigUint<96>;

DecimalBig Digits(const Decimal& d) {
  DecimalBig big;
  for (int i = 0; i < d.count; i += 9) {
    const int len = std::min(9, d.count - i);
    uint32_t chunk = 0;
    for (int j = 0; j < len; ++j) chunk = chunk * 10 + static_cast<uint32_t>(d.digits[i + j] - '0');
    big.MulAdd(kPow10[len], chunk);
  }
  return big;
}

// Compares the item, `digits` * 10^exponent, with h * 2^e2 exactly.
int CompareExact(const DecimalBig& digits, int64_t exponent, uint64_t h, int e2) {
  DecimalBig left = digits;
  DecimalBig right(h);
  // 10^exponent = 5^exponent * 2^exponent: the powers of two meet in one shift.
  if (exponent >= 0) left.MulPow5(exponent);
  if (exponent < 0) right.MulPow5(-exponent);
  const int64_t shift = exponent - e2;
  if (shift > 0) left.ShiftLeft(shift);
  if (shift < 0) right.ShiftLeft(-shift);
  return Compare(left, right);
}

// A double within a few units in the last place of the item, by double arithmetic on its first 19 digits.
double Estimate(const Decimal& d) {
  constexpr std::array<double, 23> kExact = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const int used = std::min(d.count, 19);
  uint64_t top = 0;
  for (int i = 0; i < used; ++i) top = top * 10 + static_cast<uint64_t>(d.digits[i] - '0');
  int64_t power = d.exponent + (d.count - used);
  // Kept as a fraction and a binary exponent, so that no step leaves double's range.
  int binary = 0;
  double x = std::frexp(static_cast<double>(top), &binary);
  while (power != 0) {
    const int step = static_cast<int>(std::clamp<int64_t>(power, -22, 22));
    x = step > 0 ? x * kExact[step] : x / kExact[-step];
    power -= step;
    int e = 0;
    x = std::frexp(x, &e);
    binary += e;
  }
  return std::ldexp(x, binary);
}

}  // namespace

char* WriteGeneral7(char* out, float v) {
  char* p = out;
  if (std::signbit(v)) *p++ = '-';
  if (v == 0) {
    *p++ = '0';
    return p;
  }
  uint32_t q = 0;
  int k = 0;
  SevenDigits(v, q, k);
  std::array<char, 7> digits;
  for (int i = 6; i >= 0; --i, q /= 10) digits[i] = static_cast<char>('0' + q % 10);
  int n = 7;
  while (n > 1 && digits[n - 1] == '0') --n;

  // printf's %g: the fixed form for exponents -4..6, else the exponent form; no trailing zeros.
  if (k >= 0 && k < 7) {
    for (int i = 0; i <= k; ++i) *p++ = i < n ? digits[i] : '0';
    if (n > k + 1) *p++ = '.';
    for (int i = k + 1; i < n; ++i) *p++ = digits[i];
  } else if (k < 0 && k >= -4) {
    *p++ = '0';
    *p++ = '.';
    for (int i = -1; i > k; --i) *p++ = '0';
    for (int i = 0; i < n; ++i) *p++ = digits[i];
  } else {
    *p++ = digits[0];
    if (n > 1) *p++ = '.';
    for (int i = 1; i < n; ++i) *p++ = digits[i];
    *p++ = 'e';
    *p++ = k < 0 ? '-' : '+';
    const int a = std::abs(k);  // a float's decimal exponents have two digits
    *p++ = static_cast<char>('0' + a / 10);
    *p++ = static_cast<char>('0' + a % 10);
  }
  return p;
}

std::optional<double> ReadGeneral(std::string_view text) {
  Decimal d;
  if (!Scan(text, d)) return std::nullopt;
  const double sign = d.negative ? -1.0 : 1.0;
  if (d.count == 0) return sign * 0.0;
  // 10^(magnitude - 1) <= |value| < 10^magnitude: past these bounds it rounds to infinity or to zero,
  // which from_chars reports as out of range.
  const int64_t magnitude = d.count + d.exponent;
  if (magnitude >= 310 || magnitude <= -324) return std::nullopt;

  // Digits and a power of ten that are both exact doubles: one correctly rounded operation.
  constexpr std::array<double, 23> kExact = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (d.count <= 15 && d.exponent >= -22 && d.exponent <= 22) {
    double digits = 0;
    for (int i = 0; i < d.count; ++i) digits = digits * 10 + (d.digits[i] - '0');
    return sign * (d.exponent >= 0 ? digits * kExact[d.exponent] : digits / kExact[-d.exponent]);
  }

  // Otherwise step from an estimate to the double whose rounding interval holds the item, comparing
  // exactly with the halfway points on either side; an exact tie goes to the even mantissa.
  constexpr double kMax = std::numeric_limits<double>::max();
  constexpr double kMin = std::numeric_limits<double>::denorm_min();
  const DecimalBig digits = Digits(d);
  double b = std::clamp(Estimate(d), kMin, kMax);
  for (;;) {
    int e = 0;
    std::frexp(b, &e);
    const int e2 = std::max(e - 53, -1074);  // b = m * 2^e2
    const uint64_t m = static_cast<uint64_t>(std::ldexp(b, -e2));
    const bool odd = m % 2 == 1;
    const int above = CompareExact(digits, d.exponent, 2 * m + 1, e2 - 1);
    if (above > 0 || (above == 0 && odd)) {
      if (b == kMax) return std::nullopt;
      b = std::nextafter(b, kMax * 2);
      continue;
    }
    // Just above a power of two the double below is half as far away.
    const bool closerBelow = m == (uint64_t{1} << 52) && e2 > -1074;
    const int below = closerBelow ? CompareExact(digits, d.exponent, 4 * m - 1, e2 - 2)
                                  : CompareExact(digits, d.exponent, 2 * m - 1, e2 - 1);
    if (below < 0 || (below == 0 && odd)) {
      if (b == kMin) return std::nullopt;
      b = std::nextafter(b, 0.0);
      continue;
    }
    return sign * b;
  }
}

// Number text of figure files: how values are written and which items read back.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "figure/number_format.h"
#include "figure/text.h"

namespace {
// The text without its sign place and trailing space, as an item stands between separators.
std::string Item(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

struct WriteCase {
  float value;
  const char* text;  // as written, sign place and trailing space included
  float readsBack;   // the float the text stands for
};

class FileNumberWriting : public ::testing::TestWithParam<WriteCase> {};

TEST_P(FileNumberWriting, WritesTheTextAndReadsBackItsValue) {
  const WriteCase& c = GetParam();
  const std::string text = FormatFileNumber(c.value);
  EXPECT_EQ(text, c.text);

  const auto read = ParseFileNumber(Item(text));
  ASSERT_TRUE(read.has_value()) << text;
  EXPECT_EQ(static_cast<float>(*read), c.readsBack) << text;
  // Saving a loaded figure again must not drift.
  EXPECT_EQ(FormatFileNumber(static_cast<float>(*read)), text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FileNumberWriting,
    ::testing::Values(
        WriteCase{0.0f, " 0 ", 0.0f}, WriteCase{-0.0f, " 0 ", 0.0f}, WriteCase{10.0f, " 10 ", 10.0f},
        WriteCase{-2.0f, "-2 ", -2.0f}, WriteCase{650.0f, " 650 ", 650.0f}, WriteCase{0.5f, " .5 ", 0.5f},
        WriteCase{-0.5f, "-.5 ", -0.5f}, WriteCase{1.5f, " 1.5 ", 1.5f}, WriteCase{199.6f, " 199.6 ", 199.6f},
        WriteCase{-199.6f, "-199.6 ", -199.6f}, WriteCase{0.0001f, " .0001 ", 0.0001f},
        WriteCase{1.0f / 3, " .3333333 ", 0.3333333f}, WriteCase{-1.0f / 3, "-.3333333 ", -0.3333333f},
        WriteCase{2.0f / 3, " .6666667 ", 0.6666667f}, WriteCase{1234567.0f, " 1234567 ", 1234567.0f},
        WriteCase{9999999.0f, " 9999999 ", 9999999.0f}, WriteCase{1e7f, " 1E+07 ", 1e7f},
        WriteCase{12345678.0f, " 1.234568E+07 ", 12345680.0f},
        WriteCase{-12345678.0f, "-1.234568E+07 ", -12345680.0f}, WriteCase{0.00001f, " 1E-05 ", 0.00001f},
        WriteCase{-0.000025f, "-2.5E-05 ", -0.000025f},
        WriteCase{std::numeric_limits<float>::max(), " 3.402823E+38 ", 3.402823e38f}));

TEST(FileNumberWriting, SevenDigitsStayWithinOneTenMillionth) {
  // The format keeps 7 significant digits: every value comes back that close and never drifts further.
  for (float v : {1.0f / 3, 3.14159265f, 1e-6f / 7, 123.456789f, -98765.4321f, 4.2e20f}) {
    const std::string text = FormatFileNumber(v);
    const auto read = ParseFileNumber(Item(text));
    ASSERT_TRUE(read.has_value()) << text;
    EXPECT_LE(std::abs(*read - v), std::abs(v) * 5e-7) << text;
  }
}

TEST(FileNumberWriting, MatchesPrintfsSevenDigitFormOverRandomFloats) {
  // printf's "%.7G" with the leading zero dropped is the file's number format, written independently.
  std::mt19937 random(7);
  std::uniform_int_distribution<uint32_t> bits;
  for (int i = 0; i < 200000; ++i) {
    float v = std::bit_cast<float>(bits(random));
    if (!std::isfinite(v)) continue;
    if (i % 2) v = std::ldexp(v, -std::ilogb(v) + i % 60 - 30);  // most tests near ordinary sizes
    if (i % 4 == 1) v = std::trunc(v);                           // whole millimetres
    char printed[40];
    std::snprintf(printed, sizeof printed, "%.7G", static_cast<double>(v == 0 ? 0.0f : v));
    std::string expected(printed);
    if (expected.starts_with("0.")) expected.erase(0, 1);
    if (expected.starts_with("-0.")) expected.erase(1, 1);
    expected = (v < 0 ? "" : " ") + expected + ' ';
    ASSERT_EQ(FormatFileNumber(v), expected) << v;
  }
}

struct ReadCase {
  const char* item;
  double value;
};

class FileNumberReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(FileNumberReading, AcceptsNumberForms) {
  const auto v = ParseFileNumber(GetParam().item);
  ASSERT_TRUE(v.has_value()) << GetParam().item;
  EXPECT_EQ(*v, GetParam().value) << GetParam().item;
}

INSTANTIATE_TEST_SUITE_P(Forms, FileNumberReading,
                         ::testing::Values(ReadCase{"12", 12}, ReadCase{"0", 0}, ReadCase{"-0", 0},
                                           ReadCase{"-.5", -0.5}, ReadCase{".5", 0.5}, ReadCase{"+3", 3},
                                           ReadCase{"007", 7}, ReadCase{"1E+07", 1e7},
                                           ReadCase{"1e-05", 1e-5}, ReadCase{"2.5E3", 2500},
                                           ReadCase{"1e39", 1e39}));

class FileNumberRejecting : public ::testing::TestWithParam<const char16_t*> {};

TEST_P(FileNumberRejecting, RefusesWhatIsNotANumber) {
  const std::string item = Utf8FromUtf16(GetParam());  // a fullwidth item's bytes are past ASCII
  EXPECT_FALSE(ParseFileNumber(item).has_value()) << item;
}

INSTANTIATE_TEST_SUITE_P(Items, FileNumberRejecting,
                         ::testing::Values(u"", u"-", u"+", u".", u"++3", u"+-3", u"--3", u"abc", u"1O",
                                           u"1.2.3", u"1e", u"e5", u"1,5", u"1 2", u"0x10", u"nan", u"NaN",
                                           u"-nan", u"inf", u"-inf", u"INF", u"Infinity", u"1e400", u"-1e400",
                                           u"１２"));

}  // namespace

// The exact conversions the browser build uses against the standard library's, case for case.
#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <sstream>

#include "figure/number_text.h"
#include "number_text_cases.h"

namespace {

using namespace number_text_cases;

std::string StandardText(float v) {
  char buf[64];
  return std::string(
      buf, std::to_chars(buf, buf + sizeof buf, static_cast<double>(v), std::chars_format::general, 7).ptr);
}

std::optional<double> StandardValue(std::string_view item) {
  double value = 0;
  const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
  if (ec != std::errc() || end != item.data() + item.size()) return std::nullopt;
  return value;
}

std::string ExactText(float v) {
  char buf[kMaxGeneral7Chars];
  return std::string(buf, WriteGeneral7(buf, v));
}

// Compares bits, so that -0 and 0 differ.
std::optional<uint64_t> Bits(std::optional<double> v) {
  return v ? std::optional(BitCast<uint64_t>(*v)) : std::nullopt;
}

TEST(ExactNumberText, MatchesTheStandardConversionsOnHardCases) {
  for (float v : HardFloats()) EXPECT_EQ(ExactText(v), StandardText(v)) << std::hexfloat << v;
  for (const std::string& item : HardItems())
    EXPECT_EQ(Bits(ReadGeneral(item)), Bits(StandardValue(item))) << item;
}

TEST(ExactNumberText, MatchesTheStandardConversionsOnRandomCases) {
  SplitMix64 random{7};
  for (int i = 0; i < 300000; ++i) {
    const float v = RandomFloat(random);
    ASSERT_EQ(ExactText(v), StandardText(v)) << std::hexfloat << v;
  }
  for (int i = 0; i < 300000; ++i) {
    const std::string item = RandomItem(random);
    ASSERT_EQ(Bits(ReadGeneral(item)), Bits(StandardValue(item))) << item;
  }
}

// The browser build prints the same listing with the exact conversions and compares it with this file.
TEST(ExactNumberText, StandardListingIsTheOneTheBrowserBuildMustPrint) {
  const std::string listing = Listing(StandardText, StandardValue, kListingCount);
  std::ifstream file(NUBORO_TEST_DATA "/number_text_listing.txt", std::ios::binary);
  std::stringstream expected;
  expected << file.rdbuf();
  if (listing != expected.str()) {
    std::ofstream("number_text_listing.txt", std::ios::binary) << listing;
    FAIL() << "the listing differs; this build's is in number_text_listing.txt of the test's folder";
  }
}

}  // namespace

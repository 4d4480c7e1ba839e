// Prints the listing of tests/data/number_text_listing.txt with the exact conversions, as built for the
// browser and run by node.
#include <cstdio>

#include "figure/number_text.h"
#include "number_text_cases.h"

int main() {
  auto text = [](float v) {
    char buf[kMaxGeneral7Chars];
    return std::string(buf, WriteGeneral7(buf, v));
  };
  const std::string listing = number_text_cases::Listing(text, ReadGeneral, number_text_cases::kListingCount);
  std::fwrite(listing.data(), 1, listing.size(), stdout);
}

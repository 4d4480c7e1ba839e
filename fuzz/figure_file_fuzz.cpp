// Arbitrary bytes into the figure-file reader; a file it accepts must survive being written and read again.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "figure/figure_file.h"

namespace {
void Check(bool ok) {
  if (!ok) std::abort();
}

// Seven significant digits on writing: a value comes back within a millionth of itself.
bool Close(float written, float read) {
  return std::abs(double{read} - written) <= std::abs(double{written}) * 1e-6;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto first = std::make_unique<FigureData>();
  std::u16string error;
  if (!ParseFigureFile(bytes, *first, error)) {
    Check(!error.empty());
    return 0;
  }
  const int n = first->lineCount;
  Check(n >= 0 && n <= kMaxLines);

  auto s = std::make_unique<AppState>();
  s->msngLineX = first->x;
  s->msngLineY = first->y;
  s->msngLineZ = first->z;
  s->mintLineCount = first->lineCount;

  auto again = std::make_unique<FigureData>();
  Check(ParseFigureFile(FigureFileBytes(*s), *again, error));
  Check(again->lineCount == n);
  for (int i = 0; i <= 2 * n; ++i) {
    Check(std::isfinite(again->x[i]) && std::isfinite(again->y[i]) && std::isfinite(again->z[i]));
    Check(Close(first->x[i], again->x[i]) && Close(first->y[i], again->y[i]) &&
          Close(first->z[i], again->z[i]));
  }
  return 0;
}

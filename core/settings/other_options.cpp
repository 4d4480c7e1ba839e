// The dialog's "確認": limits first, then every pointer back to the origin, whatever changed.
#include "settings/other_options.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "construction/dispatch.h"
#include "figure/app_state.h"
#include "figure/number_format.h"
#include "figure/numeric.h"
#include "figure/text.h"
#include "settings/operation_settings.h"
#include "shell/dialogs.h"
#include "view/renderer.h"

namespace {
// A decimal number, blanks around it allowed; the file's number reader takes the same texts.
std::optional<int16_t> LabelNumber(std::u16string_view text) {
  std::string ascii;
  for (const char16_t ch : Trimmed(text)) {
    if (ch >= 0x80) return std::nullopt;
    ascii += static_cast<char>(ch);
  }
  const std::optional<double> v = ParseFileNumber(ascii);
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return Nearest16(*v);
}

void ResetReferencePoints(AppState& s) {
  for (int i = 0; i <= 5; ++i) s.msngRefX[i] = s.msngRefY[i] = s.msngRefZ[i] = 0;
  s.msngRefX[1] = 2000;
  s.msngRefY[2] = 2000;
  s.msngRefZ[3] = 2000;
  s.mblnNoLineStart = true;
}
}  // namespace

void ApplyOtherOptions(Context& c, const OtherOptionValues& v) {
  AppState& s = c.state;
  if (v.enabled) {
    // The labels only ever show slider positions; should one not hold a number, both limits stay
    // as they are rather than taking a made-up value.
    const std::optional<int16_t> unit = LabelNumber(v.unitLengthLabel);
    const std::optional<int16_t> size = LabelNumber(v.maxSizeLabel);
    if (unit && size) {
      s.mintMaxSize = *size;
      s.mintUnitLength = *unit;
    }
  } else if (const std::optional<int> level = TickedLevel(c)) {
    s.mintMaxSize = kDifficultyLevels[*level].maxSize;
    s.mintUnitLength = kDifficultyLevels[*level].unitLength;
  }

  if (s.mblnDrawMode) {
    c.dialogs.ShowMessage({u"作図ポインタを原点に戻しますね。", u"かくにんします", MessageButtons::Ok,
                           MessageIcon::Exclamation});
  }
  ResetReferencePoints(s);
  TransformAndRedraw(c);
}

// Decimal text of figure-file numbers by exact integer arithmetic, for C++ libraries that have only the
// integer <charconv> (the browser build's); the results are those of the floating-point <charconv>.
#pragma once

#include <optional>
#include <string_view>

// The longest text WriteGeneral7 writes, such as "-1.234568e+38".
inline constexpr int kMaxGeneral7Chars = 13;

// The text std::to_chars(out, end, double(v), std::chars_format::general, 7) writes for a finite float,
// that is printf's "%.7g" in the "C" locale: 7 significant digits, an exact tie to the even digit.
// Returns the end of the text.
char* WriteGeneral7(char* out, float v);

// The double std::from_chars gives for the whole of `text` ("-12.5", "1e+07", ".5"): nullopt where it
// would stop early or report the value out of range. No "inf" or "nan": items with such letters never
// get here.
std::optional<double> ReadGeneral(std::string_view text);

// How numbers stand in a figure file: written with a sign place and a trailing space, read back strictly.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The longest number text: sign place, "3.402823E+38" and the trailing space.
inline constexpr int kMaxFileNumberChars = 16;

// " 10 ", "-2.5 ", " .5 ", " 1.234568E+07 ": at most 7 significant digits.
std::string FormatFileNumber(float v);
// The same text written at `out`, which has room for kMaxFileNumberChars; returns the end of the text.
char* WriteFileNumber(char* out, float v);

// A whole numeric item ("12", "-.5", "1E+07", "+3"); nullopt when it is not a number.
std::optional<double> ParseFileNumber(std::string_view item);

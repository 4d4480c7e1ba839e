// The few text helpers the core needs: its text is UTF-16, as the toolkits and the browser hold it.
#pragma once

#include <string>
#include <string_view>

// The characters a toolkit counts as white space: ASCII's, NEL, no-break space and Unicode's separators.
bool IsSpace(char16_t c);
std::u16string_view Trimmed(std::u16string_view text);

// "42", "-7": the decimal digits of a whole number.
std::u16string NumberText(long long n);

// Lone surrogates become U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);
std::u16string Utf16FromUtf8(std::string_view text);

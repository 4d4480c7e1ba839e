// Reading and writing ".nbo" figure files, and the small helpers around them. No dialogs here.
#pragma once

#include <string>
#include <string_view>

#include "figure/app_state.h"

class Files;

// The part of the state that a figure file holds.
struct FigureData {
  CoordArray x{}, y{}, z{};  // entry 0 is the stored centre
  int16_t lineCount = 0;
};

inline constexpr std::u16string_view kFigureTrailer = u"立体ヌボロ for Windows Ver3.1";
// The trailer's line as it stands in a file: Shift_JIS, the only bytes of a figure file past ASCII.
inline constexpr std::string_view kFigureTrailerBytes =
    "\x97\xa7\x91\xcc\x83\x6b\x83\x7b\x83\x8d for Windows Ver3.1\r\n";

// Parses a whole file's bytes; on failure `error` says what went wrong, in Japanese.
bool ParseFigureFile(std::string_view bytes, FigureData& out, std::u16string& error);
std::string FigureFileBytes(const AppState& s);

// Reads into a separate figure and replaces the state's figure only when the whole file was good. Only
// a regular file (or a link to one) is opened at all.
bool ReadFigureFile(Files& files, const std::u16string& path, AppState& s, std::u16string& error);
// Replaces the file only when every byte was written; otherwise the old file stays as it was.
bool WriteFigureFile(Files& files, const std::u16string& path, const AppState& s, std::u16string& error);

// msngZoom = 225 / ((cx + cy + cz) * 2 / 3); left unchanged when that is not a finite number above 0.
bool SetZoomFromCentre(AppState& s);

std::u16string NormaliseFigureFileName(std::u16string_view name);
// The text after the last "\" or "/".
std::u16string FilePartOfPath(std::u16string_view path);

// Reading and writing ".nbo" figure files, and the small helpers around them. No dialogs here.
#pragma once

#include <QByteArray>
#include <QString>

#include "figure/app_state.h"

// The part of the state that a figure file holds.
struct FigureData {
  CoordArray x{}, y{}, z{};  // entry 0 is the stored centre
  int16_t lineCount = 0;
};

inline constexpr char kFigureTrailer[] = "立体ヌボロ for Windows Ver3.1";

// Parses a whole file's bytes; on failure `error` says what went wrong, in Japanese.
// Whether the toolkit can convert the files' Shift_JIS text: without it nothing can be read or written.
bool FigureTextCodecAvailable();
bool ParseFigureFile(const QByteArray& bytes, FigureData& out, QString& error);
QByteArray FigureFileBytes(const AppState& s);

// Reads into a separate figure and replaces the state's figure only when the whole file was good. Only
// a regular file (or a link to one) is opened at all.
bool ReadFigureFile(const QString& path, AppState& s, QString& error);
// Replaces the file only when every byte was written; otherwise the old file stays as it was.
bool WriteFigureFile(const QString& path, const AppState& s, QString& error);

// msngZoom = 225 / ((cx + cy + cz) * 2 / 3); left unchanged when that is not a finite number above 0.
bool SetZoomFromCentre(AppState& s);

QString NormaliseFigureFileName(const QString& name);
// The text after the last "\" or "/".
QString FilePartOfPath(const QString& path);

// The user's load and save commands: the file dialog, then the figure file.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

struct Context;

// The dialog's filters as pairs "description|pattern", descriptions shown as they stand.
inline constexpr QStringView kOpenFilter = u"立体ヌボロデータファイル(*.nbo)|*.nbo|すべてのファイル(*.*)|*.*";
inline constexpr QStringView kSaveFilter = u"立体ヌボロデータファイル(*.nbo)|*.nbo";

// "description|pattern|..." as Qt's "description (pattern)" entries; "*.*" becomes "*", so that files
// without a dot count among all files.
QStringList QtNameFilters(QStringView pairs);

// The path a chosen name is saved under: its file part trimmed and given ".nbo" when missing; empty
// when no file name is left.
QString FigurePathFromChosen(const QString& chosen);

// The open and save dialogs start in the data folder, or in the user's own folder when the data folder
// cannot be written.
// Offers to save a modified figure first; a chosen file that cannot be read is told in a box.
void LoadFigure(Context& c);
// The steps of Load figure after its dialog; on failure nothing changes and `error` says why.
bool LoadChosenFigure(Context& c, const QString& path, QString& error);
// A figure named when the program was started (a double-click on a file); a failure is told in a box.
void OpenFigureFromCommandLine(Context& c, const QString& path);
// A failed write is told in a box titled "エラー"; the file that was there stays as it was.
void SaveFigure(Context& c);

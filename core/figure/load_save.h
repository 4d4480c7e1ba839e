// The user's load and save commands: the file dialog, then the figure file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Context;

// The dialog's filters as pairs "description|pattern", descriptions shown as they stand.
inline constexpr std::u16string_view kOpenFilter =
    u"立体ヌボロデータファイル(*.nbo)|*.nbo|すべてのファイル(*.*)|*.*";
inline constexpr std::u16string_view kSaveFilter = u"立体ヌボロデータファイル(*.nbo)|*.nbo";

// "description|pattern|..." as the file dialog's "description (pattern)" entries; "*.*" becomes "*", so
// that files without a dot count among all files.
std::vector<std::u16string> NameFilters(std::u16string_view pairs);

// The path a chosen name is saved under: its file part trimmed and given ".nbo" when missing; empty
// when no file name is left.
std::u16string FigurePathFromChosen(const std::u16string& chosen);

// The open and save dialogs start in the data folder, or in the user's own folder when the data folder
// cannot be written.
// Offers to save a modified figure first; a chosen file that cannot be read is told in a box.
void LoadFigure(Context& c);
// The steps of Load figure after its dialog; on failure nothing changes and `error` says why.
bool LoadChosenFigure(Context& c, const std::u16string& path, std::u16string& error);
// A figure named when the program was started (a double-click on a file); a failure is told in a box.
void OpenFigureFromCommandLine(Context& c, const std::u16string& path);
// A failed write is told in a box titled "エラー"; the file that was there stays as it was.
void SaveFigure(Context& c);

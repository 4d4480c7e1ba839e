// Load figure and Save figure.
#include "figure/load_save.h"

#include <algorithm>

#include "construction/dispatch.h"
#include "construction/draw_mode.h"
#include "figure/app_state.h"
#include "figure/figure_file.h"
#include "shell/controls_port.h"
#include "shell/dialogs.h"
#include "shell/files.h"
#include "shell/quit.h"
#include "shell/services.h"
#include "shell/status_bar.h"
#include "view/renderer.h"
#include "view/third_angle.h"

std::vector<std::u16string> NameFilters(std::u16string_view pairs) {
  std::vector<std::u16string_view> parts;
  for (std::size_t from = 0;;) {
    const std::size_t bar = pairs.find(u'|', from);
    parts.push_back(pairs.substr(from, bar == std::u16string_view::npos ? bar : bar - from));
    if (bar == std::u16string_view::npos) break;
    from = bar + 1;
  }
  std::vector<std::u16string> filters;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    const std::u16string_view pattern = parts[i + 1] == u"*.*" ? u"*" : parts[i + 1];
    filters.push_back(std::u16string(parts[i]) + u" (" + std::u16string(pattern) + u')');
  }
  return filters;
}

std::u16string FigurePathFromChosen(const std::u16string& chosen) {
  const std::size_t slash = chosen.find_last_of(u"/\\");
  const std::size_t cut = slash == std::u16string::npos ? 0 : slash + 1;
  const std::u16string name = NormaliseFigureFileName(std::u16string_view(chosen).substr(cut));
  return name.empty() ? name : chosen.substr(0, cut) + name;
}

namespace {
// An installed copy's "./data" lies in the program's own folder, which the learner cannot write: the
// first save would fail. Such a data folder gives way to the user's own; the setting stays as it is.
std::u16string DialogFolder(Context& c) {
  if (c.services.FileSystem().IsWritableFolder(c.state.mstrDataPath)) return c.state.mstrDataPath;
  const std::u16string own = c.services.OwnFiguresFolder();
  return own.empty() ? c.state.mstrDataPath : own;
}

// The reader's reason, and the file's name when the reason does not already give it.
void TellLoadFailed(Context& c, const std::u16string& path, const std::u16string& error) {
  const std::u16string text = error.find(path) != std::u16string::npos
                                  ? error
                                  : u"図形ファイル「" + path + u"」を読み込めませんでした。\n" + error;
  c.dialogs.ShowMessage({text, u"エラー", MessageButtons::Ok, MessageIcon::Exclamation});
}
}  // namespace

// Loading replaces the figure, which may be the only copy of the learner's work: offer to save it
// first, as quitting does. A file that cannot be read leaves everything as it was, and says why.
void LoadFigure(Context& c) {
  OfferToSave(c);
  const auto chosen = c.dialogs.RunOpenDialog(DialogFolder(c), NameFilters(kOpenFilter));
  std::u16string error;
  if (chosen && !LoadChosenFigure(c, *chosen, error)) TellLoadFailed(c, *chosen, error);
}

bool LoadChosenFigure(Context& c, const std::u16string& path, std::u16string& error) {
  if (!ReadFigureFile(c.services.FileSystem(), path, c.state, error)) return false;
  c.controls.SetTitle(TitleWithFile(FilePartOfPath(path)));
  SetZoomFromCentre(c.state);
  c.state.mblnModified = false;
  PointerToOrigin(c);
  TransformAndRedraw(c);
  c.controls.SetExplanationText(path);
  if (c.state.mblnThirdAngle) ToggleThirdAngle(c);
  return true;
}

void OpenFigureFromCommandLine(Context& c, const std::u16string& path) {
  const std::u16string full = c.services.FileSystem().AbsolutePath(path);
  std::u16string error;
  if (LoadChosenFigure(c, full, error)) {
    // As if chosen in the dialog: the title keeps its name and the next dialog proposes it.
    c.dialogs.SetDialogFileName(full);
    return;
  }
  TellLoadFailed(c, full, error);
}

void SaveFigure(Context& c) {
  const auto chosen = c.dialogs.RunSaveDialog(DialogFolder(c), NameFilters(kSaveFilter));
  const std::u16string path = chosen ? FigurePathFromChosen(*chosen) : std::u16string();
  if (!path.empty()) {
    std::u16string error;
    if (!WriteFigureFile(c.services.FileSystem(), path, c.state, error)) {
      // Silence here would let the learner quit believing the figure safe.
      c.dialogs.ShowMessage({u"図形を保存できませんでした。\n" + error, u"エラー", MessageButtons::Ok,
                             MessageIcon::Exclamation});
      return;
    }
  }
  TransformAndRedraw(c);
}

// Load figure and Save figure.
#include "figure/load_save.h"

#include <QFileInfo>
#include <algorithm>

#include "construction/dispatch.h"
#include "construction/draw_mode.h"
#include "figure/app_state.h"
#include "figure/figure_file.h"
#include "shell/controls_port.h"
#include "shell/dialogs.h"
#include "shell/quit.h"
#include "shell/services.h"
#include "shell/status_bar.h"
#include "view/renderer.h"
#include "view/third_angle.h"

QStringList QtNameFilters(QStringView pairs) {
  const QList<QStringView> parts = pairs.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QStringView pattern = parts[i + 1] == u"*.*" ? QStringView(u"*") : parts[i + 1];
    filters << parts[i].toString() + QStringLiteral(" (") + pattern.toString() + u')';
  }
  return filters;
}

QString FigurePathFromChosen(const QString& chosen) {
  const qsizetype cut = std::max(chosen.lastIndexOf(u'/'), chosen.lastIndexOf(u'\\')) + 1;
  const QString name = NormaliseFigureFileName(chosen.mid(cut));
  return name.isEmpty() ? name : chosen.left(cut) + name;
}

namespace {
// An installed copy's "./data" lies in the program's own folder, which the learner cannot write: the
// first save would fail. Such a data folder gives way to the user's own; the setting stays as it is.
QString DialogFolder(Context& c) {
  const QFileInfo data(c.state.mstrDataPath);
  if (data.isDir() && data.isWritable()) return c.state.mstrDataPath;
  const QString own = c.services.OwnFiguresFolder();
  return own.isEmpty() ? c.state.mstrDataPath : own;
}

// The reader's reason, and the file's name when the reason does not already give it.
void TellLoadFailed(Context& c, const QString& path, const QString& error) {
  const QString text = error.contains(path)
                           ? error
                           : QStringLiteral("図形ファイル「%1」を読み込めませんでした。\n").arg(path) + error;
  c.dialogs.ShowMessage({text, QStringLiteral("エラー"), MessageButtons::Ok, MessageIcon::Exclamation});
}
}  // namespace

// Loading replaces the figure, which may be the only copy of the learner's work: offer to save it
// first, as quitting does. A file that cannot be read leaves everything as it was, and says why.
void LoadFigure(Context& c) {
  OfferToSave(c);
  const auto chosen = c.dialogs.RunOpenDialog(DialogFolder(c), QtNameFilters(kOpenFilter));
  QString error;
  if (chosen && !LoadChosenFigure(c, *chosen, error)) TellLoadFailed(c, *chosen, error);
}

bool LoadChosenFigure(Context& c, const QString& path, QString& error) {
  if (!ReadFigureFile(path, c.state, error)) return false;
  c.controls.SetTitle(TitleWithFile(FilePartOfPath(path)));
  SetZoomFromCentre(c.state);
  c.state.mblnModified = false;
  PointerToOrigin(c);
  TransformAndRedraw(c);
  c.controls.SetExplanationText(path);
  if (c.state.mblnThirdAngle) ToggleThirdAngle(c);
  return true;
}

void OpenFigureFromCommandLine(Context& c, const QString& path) {
  const QString full = QFileInfo(path).absoluteFilePath();
  QString error;
  if (LoadChosenFigure(c, full, error)) {
    // As if chosen in the dialog: the title keeps its name and the next dialog proposes it.
    c.dialogs.SetDialogFileName(full);
    return;
  }
  TellLoadFailed(c, full, error);
}

void SaveFigure(Context& c) {
  const auto chosen = c.dialogs.RunSaveDialog(DialogFolder(c), QtNameFilters(kSaveFilter));
  const QString path = chosen ? FigurePathFromChosen(*chosen) : QString();
  if (!path.isEmpty()) {
    QString error;
    if (!WriteFigureFile(path, c.state, error)) {
      // Silence here would let the learner quit believing the figure safe.
      c.dialogs.ShowMessage({QStringLiteral("図形を保存できませんでした。\n") + error,
                             QStringLiteral("エラー"), MessageButtons::Ok, MessageIcon::Exclamation});
      return;
    }
  }
  TransformAndRedraw(c);
}

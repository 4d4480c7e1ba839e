// Start-up's sample figure.
#include "figure/sample_figure.h"

#include "figure/figure_file.h"
#include "shell/canvas.h"
#include "shell/dialogs.h"
#include "shell/services.h"
#include "view/compute_view.h"
#include "view/renderer.h"

void LoadSampleFigure(AppState& s, Canvas& canvas, Dialogs& dialogs, Services& services) {
  QString error;
  if (!ReadFigureFile(services.ProgramFolder() + QLatin1String(kSampleFigurePath), s, error)) {
    dialogs.ShowMessage({QStringLiteral("見本の図形を読み込めませんでした。\n") + error,
                         QStringLiteral("エラー"), MessageButtons::Ok, MessageIcon::None});
    return;
  }
  // A stored centre that sums to 0 gives no zoom; the figure still shows at the zoom it had.
  SetZoomFromCentre(s);
  ComputeView(s);
  RedrawFigure(s, canvas, services);
}

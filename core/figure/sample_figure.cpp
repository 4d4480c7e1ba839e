// Start-up's sample figure.
#include "figure/sample_figure.h"

#include "figure/figure_file.h"
#include "shell/canvas.h"
#include "shell/dialogs.h"
#include "shell/services.h"
#include "view/compute_view.h"
#include "view/renderer.h"

void LoadSampleFigure(AppState& s, Canvas& canvas, Dialogs& dialogs, Services& services) {
  std::u16string error;
  if (!ReadFigureFile(services.FileSystem(), services.ProgramFolder() + std::u16string(kSampleFigurePath), s,
                      error)) {
    dialogs.ShowMessage(
        {u"見本の図形を読み込めませんでした。\n" + error, u"エラー", MessageButtons::Ok, MessageIcon::None});
    return;
  }
  // A stored centre that sums to 0 gives no zoom; the figure still shows at the zoom it had.
  SetZoomFromCentre(s);
  ComputeView(s);
  RedrawFigure(s, canvas, services);
}

// The status-bar panels, the title marker and the two timer ticks behind them.
#include "shell/status_bar.h"

#include "figure/app_state.h"
#include "figure/figure_file.h"
#include "shell/controls_port.h"
#include "shell/dialogs.h"

QString BaseTitle() { return kBaseTitle.toString(); }

QString TitleWithFile(const QString& fileName) {
  return BaseTitle() + QStringLiteral("  [ ") + fileName + QStringLiteral(" ]");
}

void WatchmanTick(const AppState& state, WatchmanState& watchman, Controls& w, const Dialogs& d) {
  QStringView text;
  for (const ViewName& v : kViewNames) {
    if (state.mintAngleH == v.angleH && state.mintAngleV == v.angleV) {
      text = v.name;
      break;
    }
  }
  if (text.isNull()) {
    // Guard against a counter someone else left out of range.
    if (watchman.frame < 0 || watchman.frame > 3) watchman.frame = 0;
    text = kFaceFrames[watchman.frame];
    watchman.frame = int16_t((watchman.frame + 1) % 4);
  }
  w.SetAngleText(text.toString());

  if (state.mblnModified && !watchman.titleMarked) {
    w.SetTitle(w.Title() + kChangedMarker.toString());
    watchman.titleMarked = true;
  } else if (!state.mblnModified && watchman.titleMarked) {
    w.SetTitle(TitleWithFile(FilePartOfPath(d.DialogFileName())));
    watchman.titleMarked = false;
  }
}

void ExplanationResetTick(Controls& w) { w.SetExplanationText(QString()); }

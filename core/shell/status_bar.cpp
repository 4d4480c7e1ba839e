// The status-bar panels, the title marker and the two timer ticks behind them.
#include "shell/status_bar.h"

#include "figure/app_state.h"
#include "figure/figure_file.h"
#include "shell/controls_port.h"
#include "shell/dialogs.h"

std::u16string BaseTitle() { return std::u16string(kBaseTitle); }

std::u16string TitleWithFile(const std::u16string& fileName) {
  return BaseTitle() + u"  [ " + fileName + u" ]";
}

void WatchmanTick(const AppState& state, WatchmanState& watchman, Controls& w, const Dialogs& d) {
  std::u16string_view text;
  bool named = false;
  for (const ViewName& v : kViewNames) {
    if (state.mintAngleH == v.angleH && state.mintAngleV == v.angleV) {
      text = v.name;
      named = true;
      break;
    }
  }
  if (!named) {
    // Guard against a counter someone else left out of range.
    if (watchman.frame < 0 || watchman.frame > 3) watchman.frame = 0;
    text = kFaceFrames[watchman.frame];
    watchman.frame = int16_t((watchman.frame + 1) % 4);
  }
  w.SetAngleText(std::u16string(text));

  if (state.mblnModified && !watchman.titleMarked) {
    w.SetTitle(w.Title() + std::u16string(kChangedMarker));
    watchman.titleMarked = true;
  } else if (!state.mblnModified && watchman.titleMarked) {
    w.SetTitle(TitleWithFile(FilePartOfPath(d.DialogFileName())));
    watchman.titleMarked = false;
  }
}

void ExplanationResetTick(Controls& w) { w.SetExplanationText({}); }

// All four recording ports in one object, as the Qt window is: what most operation tests run against.
#pragma once

#include <ostream>

#include "fake_canvas.h"
#include "fake_controls.h"
#include "fake_dialogs.h"
#include "fake_services.h"

// Test messages name a control as the design does.
inline std::ostream& operator<<(std::ostream& out, Control c) { return out << ControlName(c); }
inline void PrintTo(const Rect& r, std::ostream* out) {
  *out << "Rect(" << r.left() << ", " << r.top() << ", " << r.width() << ", " << r.height() << ")";
}
inline void PrintTo(const Size& s, std::ostream* out) {
  *out << "Size(" << s.width() << ", " << s.height() << ")";
}

class FakeWindow : public FakeCanvas, public FakeControls, public FakeDialogs, public FakeServices {
 public:
  // One log for all four ports, so a test sees the order across them (a glide frame: canvas, sound,
  // canvas).
  CallList& Log() override { return calls; }
  CallList calls;

 protected:
  ClipboardPicture CanvasPicture() const override {
    return {drawn.empty() ? DisplayList{} : drawn.back(), PlacedAt(Control::picFigBox).size()};
  }
};

// What the fake records for `n` glide frames, each drawn, sounded and shown in turn.
inline CallList GlideFrameCalls(int n) {
  CallList out;
  for (int i = 0; i < n; ++i)
    out << u"AwaitGlideFrame" << u"DrawFigure" << u"PlayWave ./sound/turn.wav" << u"PresentGlideFrame";
  return out;
}

// The real main window for offscreen tests: assets from the source tree, settings in memory,
// and a way out that only counts.
#pragma once

#include "fake_settings.h"
#include "shell/frm_nubo_win.h"

class TestWindow : public FrmNuboWin {
 public:
  using FrmNuboWin::FrmNuboWin;
  QString ProgramFolder() const override { return QStringLiteral(NUBORO_SOURCE_DIR "/assets"); }
  // Never the user's own settings file.
  SettingsStore& Settings() override { return settings; }
  void EndProgram() override { ++endRequests; }

  FakeSettings settings;
  int endRequests = 0;
};

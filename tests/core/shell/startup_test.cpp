// Start-up: the order of its steps, and going on without the sample figure.
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "construction/dispatch.h"
#include "fake_window.h"
#include "figure/app_state.h"
#include "shell/status_bar.h"

namespace {
// Also marks where the settings are read and the welcome texts set.
class StartUpWindow : public FakeWindow {
 public:
  SettingsStore& Settings() override {
    calls << u"Settings";
    return FakeWindow::Settings();
  }
  void SetExplanationText(const std::u16string& t) override {
    calls << u"SetExplanationText";
    FakeWindow::SetExplanationText(t);
  }
  void SetAngleText(const std::u16string& t) override {
    calls << u"SetAngleText";
    FakeWindow::SetAngleText(t);
  }
};

// The sample as shipped, below a program folder in memory.
struct StartUpRun {
  StartUpRun() {
    std::ifstream sample(NUBORO_SOURCE_DIR "/assets/data/sample/nubo01.nbo", std::ios::binary);
    w.memoryFiles.files[u"/program/data/sample/nubo01.nbo"].assign(std::istreambuf_iterator<char>(sample),
                                                                   {});
  }
  AppState state;
  StartUpWindow w;
  WatchmanState watchman;
  Context c{state, w, w, w, w, watchman};
};

// The calls that mark the steps, in the order they came.
CallList Milestones(const CallList& calls) {
  CallList out;
  for (const std::u16string& call : calls) {
    for (const std::u16string_view m :
         {u"ShowAboutWindow", u"PlayWave ./sound/splash.wav", u"LoadMainWindow", u"CentreOnScreen",
          u"PrepareOtherOptions", u"DrawFigure", u"ShowMessage", u"Settings", u"ShowMainWindow",
          u"UnloadAboutWindow", u"SetExplanationText", u"SetAngleText"}) {
      // A step's repeated calls count once, where they begin.
      if (call.starts_with(m) && (out.empty() || out.back() != m)) out << std::u16string(m);
    }
  }
  return out;
}
}  // namespace

TEST(StartUp, RunsItsStepsInOrder) {
  StartUpRun run;
  run.w.programFolder = u"/program";
  run.w.settings.values[u"Option/ScreenSize"] = u"2";
  run.w.settings.values[u"Option/Difficulty"] = u"2";
  StartUp(run.c);
  EXPECT_EQ(
      Milestones(run.w.calls),
      (CallList{u"ShowAboutWindow", u"PlayWave ./sound/splash.wav", u"LoadMainWindow", u"CentreOnScreen",
                u"PrepareOtherOptions", u"DrawFigure", u"Settings", u"CentreOnScreen", u"DrawFigure",
                u"ShowMainWindow", u"UnloadAboutWindow", u"SetExplanationText", u"SetAngleText"}));
  // The sample is drawn before the stored layout, which draws it again at its own size.
  EXPECT_EQ(run.w.drawn.size(), 2u);
  EXPECT_EQ(run.w.clientSize, Size(1024, 738));
  EXPECT_TRUE(run.w.IsChecked(Control::mnuSenior));
  EXPECT_EQ(run.state.mintMaxSize, 200);
  EXPECT_EQ(run.state.mintLineCount, 12);
  EXPECT_FALSE(run.state.mblnModified);
  EXPECT_EQ(run.w.title, u"立体ヌボロ for Windows Ver3.1");
  EXPECT_EQ(run.w.explanation, u"ようこそ！立体ヌボロへ！！");
  EXPECT_EQ(run.w.angleText, u"(^o^)/");
}

TEST(StartUp, GoesOnWithAnEmptyFigureWhenTheSampleIsMissing) {
  StartUpRun run;
  run.w.programFolder = u"/nonexistent";
  StartUp(run.c);
  ASSERT_EQ(run.w.messages.size(), 1u);
  EXPECT_EQ(run.w.messages[0].title, u"エラー");
  EXPECT_EQ(run.state.mintLineCount, 0);
  EXPECT_TRUE(run.w.calls.contains(u"ShowMainWindow"));
  EXPECT_EQ(Milestones(run.w.calls).indexOf(u"ShowMessage"),
            Milestones(run.w.calls).indexOf(u"PrepareOtherOptions") + 1);
}

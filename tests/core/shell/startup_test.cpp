// Start-up: the order of its steps, and going on without the sample figure.
#include "shell/startup.h"

#include <gtest/gtest.h>

#include "construction/dispatch.h"
#include "fake_window.h"
#include "figure/app_state.h"
#include "shell/status_bar.h"

namespace {
// Also marks where the settings are read and the welcome texts set.
class StartUpWindow : public FakeWindow {
 public:
  SettingsStore& Settings() override {
    calls << QStringLiteral("Settings");
    return FakeWindow::Settings();
  }
  void SetExplanationText(const QString& t) override {
    calls << QStringLiteral("SetExplanationText");
    FakeWindow::SetExplanationText(t);
  }
  void SetAngleText(const QString& t) override {
    calls << QStringLiteral("SetAngleText");
    FakeWindow::SetAngleText(t);
  }
};

struct StartUpRun {
  AppState state;
  StartUpWindow w;
  WatchmanState watchman;
  Context c{state, w, w, w, w, watchman};
};

// The calls that mark the steps, in the order they came.
QStringList Milestones(const QStringList& calls) {
  QStringList out;
  for (const QString& call : calls) {
    for (const char* m : {"ShowAboutWindow", "PlayWave ./sound/splash.wav", "LoadMainWindow",
                          "CentreOnScreen", "PrepareOtherOptions", "DrawFigure", "ShowMessage", "Settings",
                          "ShowMainWindow", "UnloadAboutWindow", "SetExplanationText", "SetAngleText"}) {
      // A step's repeated calls count once, where they begin.
      if (call.startsWith(QLatin1String(m)) && (out.isEmpty() || out.last() != QLatin1String(m)))
        out << QString::fromLatin1(m);
    }
  }
  return out;
}
}  // namespace

TEST(StartUp, RunsItsStepsInOrder) {
  StartUpRun run;
  run.w.programFolder = QStringLiteral(NUBORO_SOURCE_DIR "/assets");
  run.w.settings.values[QStringLiteral("Option/ScreenSize")] = QStringLiteral("2");
  run.w.settings.values[QStringLiteral("Option/Difficulty")] = QStringLiteral("2");
  StartUp(run.c);
  EXPECT_EQ(Milestones(run.w.calls),
            (QStringList{"ShowAboutWindow", "PlayWave ./sound/splash.wav", "LoadMainWindow", "CentreOnScreen",
                         "PrepareOtherOptions", "DrawFigure", "Settings", "CentreOnScreen", "DrawFigure",
                         "ShowMainWindow", "UnloadAboutWindow", "SetExplanationText", "SetAngleText"}));
  // The sample is drawn before the stored layout, which draws it again at its own size.
  EXPECT_EQ(run.w.drawn.size(), 2u);
  EXPECT_EQ(run.w.clientSize, QSize(1024, 738));
  EXPECT_TRUE(run.w.IsChecked(Control::mnuSenior));
  EXPECT_EQ(run.state.mintMaxSize, 200);
  EXPECT_EQ(run.state.mintLineCount, 12);
  EXPECT_FALSE(run.state.mblnModified);
  EXPECT_EQ(run.w.title, QStringLiteral("立体ヌボロ for Windows Ver3.1"));
  EXPECT_EQ(run.w.explanation, QStringLiteral("ようこそ！立体ヌボロへ！！"));
  EXPECT_EQ(run.w.angleText, QStringLiteral("(^o^)/"));
}

TEST(StartUp, GoesOnWithAnEmptyFigureWhenTheSampleIsMissing) {
  StartUpRun run;
  run.w.programFolder = QStringLiteral("/nonexistent");
  StartUp(run.c);
  ASSERT_EQ(run.w.messages.size(), 1u);
  EXPECT_EQ(run.w.messages[0].title, QStringLiteral("エラー"));
  EXPECT_EQ(run.state.mintLineCount, 0);
  EXPECT_TRUE(run.w.calls.contains(QStringLiteral("ShowMainWindow")));
  EXPECT_EQ(Milestones(run.w.calls).indexOf(QStringLiteral("ShowMessage")),
            Milestones(run.w.calls).indexOf(QStringLiteral("PrepareOtherOptions")) + 1);
}

// A toolkit without the files' text conversion can neither load nor save: said once, before the sample.
TEST(StartUp, SaysOnceWhenFigureFilesCannotBeConverted) {
  for (const bool available : {true, false}) {
    StartUpRun run;
    run.w.programFolder = QStringLiteral(NUBORO_SOURCE_DIR "/assets");
    StartUp(run.c, available);
    SCOPED_TRACE(available);
    ASSERT_EQ(run.w.messages.size(), available ? 0u : 1u);
    if (available) continue;
    EXPECT_EQ(run.w.messages[0].title, QStringLiteral("エラー"));
    EXPECT_TRUE(run.w.messages[0].text.contains(QStringLiteral("Shift_JIS")));
    EXPECT_LT(run.w.calls.indexOf(QStringLiteral("ShowMessage")),
              run.w.calls.indexOf(QStringLiteral("DrawFigure")));
    EXPECT_TRUE(run.w.calls.contains(QStringLiteral("ShowMainWindow")));
  }
}

// The watchman's angle panel and title marking over sequences of ticks, and the explanation reset.
#include "shell/status_bar.h"

#include <gtest/gtest.h>

#include "fake_window.h"
#include "figure/app_state.h"

namespace {

const std::u16string kBase = u"立体ヌボロ for Windows Ver3.1";
const std::u16string kMarker = u"\u3000*[変更あり]";

class Watchman : public ::testing::Test {
 protected:
  void Tick() { WatchmanTick(state, watchman, w, w); }
  void At(int16_t h, int16_t v) {
    state.mintAngleH = h;
    state.mintAngleV = v;
  }

  AppState state;
  WatchmanState watchman;
  FakeWindow w;
};

TEST_F(Watchman, PresetsAreNamedInTableOrderAndHoldTheFace) {
  const struct {
    int16_t h, v;
    const char16_t* name;
  } presets[] = {{-90, 0, u"右側面図"}, {0, 90, u"平面図"}, {-45, 35, u"等角図"}, {0, 0, u"正面図"}};
  watchman.frame = 2;
  for (const auto& p : presets) {
    At(p.h, p.v);
    Tick();
    Tick();
    EXPECT_EQ(w.angleText, p.name) << p.h << "," << p.v;
    EXPECT_EQ(watchman.frame, 2);
  }
  // Turning away resumes the face where it stopped.
  At(-45, 30);
  Tick();
  EXPECT_EQ(w.angleText, u" (  ^)~");
}

TEST_F(Watchman, OtherAnglesRunTheFourFramesAndWrap) {
  const CallList frames = {u"~(^  ) ", u" (^o^)/", u" (  ^)~", u" (   ) "};
  for (const auto& [h, v] : {std::pair<int16_t, int16_t>{-45, 30}, {-45, 40}, {-90, 5}, {5, 90}}) {
    At(h, v);
    watchman.frame = 0;
    for (int i = 0; i < 9; ++i) {
      Tick();
      ASSERT_EQ(w.angleText, frames[i % 4]) << h << "," << v << " tick " << i;
      EXPECT_EQ(w.angleText.size(), 7);
      EXPECT_EQ(watchman.frame, (i + 1) % 4);
    }
  }
}

TEST_F(Watchman, MarkerIsAppendedOnceWhileModified) {
  w.title = kBase;
  Tick();
  EXPECT_EQ(w.title, kBase);
  EXPECT_FALSE(watchman.titleMarked);

  state.mblnModified = true;
  for (int i = 0; i < 4; ++i) Tick();
  EXPECT_EQ(w.title, kBase + kMarker);
  EXPECT_TRUE(watchman.titleMarked);
  EXPECT_EQ(w.title.substr(w.title.size() - kMarker.size()).front(), u'\u3000');
}

TEST_F(Watchman, ClearedFlagRebuildsTitleFromDialogFileName) {
  w.title = kBase + u"  [ old.nbo ]";
  state.mblnModified = true;
  Tick();
  ASSERT_EQ(w.title, kBase + u"  [ old.nbo ]" + kMarker);

  w.dialogFileName = u"C:\\fig\\sub/a.nbo";
  state.mblnModified = false;
  Tick();
  EXPECT_EQ(w.title, u"立体ヌボロ for Windows Ver3.1  [ a.nbo ]");
  EXPECT_FALSE(watchman.titleMarked);

  // Unmarked and unmodified: the title is left alone.
  w.title = u"written elsewhere";
  Tick();
  EXPECT_EQ(w.title, u"written elsewhere");
}

TEST_F(Watchman, NewFigureTitleHasEmptyBracketsWithoutMarker) {
  state.mblnModified = true;
  w.title = kBase;
  Tick();
  // New figure: the flag clears, the dialog forgets its name and the title is rewritten.
  state.mblnModified = false;
  w.dialogFileName.clear();
  w.title = TitleWithFile(std::u16string());
  EXPECT_EQ(w.title, u"立体ヌボロ for Windows Ver3.1  [  ]");
  Tick();
  EXPECT_EQ(w.title, u"立体ヌボロ for Windows Ver3.1  [  ]");
  Tick();
  EXPECT_EQ(w.title, u"立体ヌボロ for Windows Ver3.1  [  ]");
}

TEST_F(Watchman, TitleRewrittenWhileModifiedStaysUnmarkedUntilFlagCyclesAgain) {
  w.title = kBase;
  state.mblnModified = true;
  Tick();
  w.title = TitleWithFile(u"b.nbo");
  Tick();
  Tick();
  EXPECT_EQ(w.title, TitleWithFile(u"b.nbo"));

  w.dialogFileName = u"/data/b.nbo";
  state.mblnModified = false;
  Tick();
  state.mblnModified = true;
  Tick();
  EXPECT_EQ(w.title, TitleWithFile(u"b.nbo") + kMarker);
}

TEST(ExplanationReset, EmptiesThePanelEachTick) {
  FakeWindow w;
  w.explanation = u"ようこそ！立体ヌボロへ！！";
  ExplanationResetTick(w);
  EXPECT_TRUE(w.explanation.empty());
  ExplanationResetTick(w);
  EXPECT_TRUE(w.explanation.empty());
  EXPECT_TRUE(w.angleText.empty());
  EXPECT_TRUE(w.title.empty());
}

}  // namespace

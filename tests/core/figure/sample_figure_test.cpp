// The start-up sample: found below the program's folder, drawn once, or one error box and no change.
#include <gtest/gtest.h>

#include <string>

#include "fake_window.h"
#include "figure/figure_file.h"
#include "figure/sample_figure.h"

namespace {

const std::string kTrailerLine = "\x97\xa7\x91\xcc\x83\x6b\x83\x7b\x83\x8d for Windows Ver3.1\r\n";

class SampleFigure : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.programFolder = u"/program";
    InitialiseApplicationState(state_);
    // A figure already in place, with a pointer and a flag the load must not touch.
    state_.msngLineX[0] = 10;
    state_.msngLineX[2] = 20;
    state_.mintLineCount = 1;
    state_.msngZoom = 0.5f;
    state_.msngRefX[4] = 40;
    state_.mblnModified = true;
  }

  void PutSample(const std::string& bytes) {
    window_.memoryFiles.files[u"/program/data/sample/nubo01.nbo"] = bytes;
  }

  void ExpectFailureShownOnce(const AppState& before) {
    ASSERT_EQ(window_.messages.size(), 1u);
    EXPECT_EQ(window_.messages[0].title, u"エラー");
    EXPECT_EQ(window_.messages[0].buttons, MessageButtons::Ok);
    EXPECT_FALSE(window_.messages[0].text.empty());
    EXPECT_TRUE(window_.drawn.empty());
    EXPECT_TRUE(window_.played.empty());
    EXPECT_EQ(state_.mintLineCount, before.mintLineCount);
    EXPECT_EQ(state_.msngLineX, before.msngLineX);
    EXPECT_EQ(state_.msngLineY, before.msngLineY);
    EXPECT_EQ(state_.msngLineZ, before.msngLineZ);
    EXPECT_EQ(state_.msngZoom, before.msngZoom);
  }

  void ExpectDrawnOnceWithTurnSound() {
    EXPECT_TRUE(window_.messages.empty());
    EXPECT_EQ(window_.drawn.size(), 1u);
    ASSERT_EQ(window_.played.size(), 1u);
    EXPECT_EQ(window_.played[0].path, u"./sound/turn.wav");
    EXPECT_FALSE(window_.played[0].wait);
  }

  FakeWindow window_;
  AppState state_;
};

TEST_F(SampleFigure, MissingOrBrokenFileShowsOneErrorAndKeepsFigure) {
  // Missing first, then broken in two ways.
  for (const std::string& bytes :
       {std::string(), std::string(" 0  0  0  651 \r\n"), std::string(" 100  100  100  1 \r\n 0  0  0 ")}) {
    SCOPED_TRACE(bytes);
    window_.messages.clear();
    if (!bytes.empty()) PutSample(bytes);
    const AppState before = state_;
    LoadSampleFigure(state_, window_, window_, window_);
    ExpectFailureShownOnce(before);
  }
}

TEST_F(SampleFigure, LoadsZoomsAndDrawsOnce) {
  PutSample(" 100  100  100  2 \r\n 0  0  0  200  0  0 \r\n 200  0  0  200  200  200 \r\n" + kTrailerLine);
  LoadSampleFigure(state_, window_, window_, window_);

  ExpectDrawnOnceWithTurnSound();
  EXPECT_EQ(state_.mintLineCount, 2);
  EXPECT_EQ(state_.msngLineX[0], 100.0f);
  EXPECT_EQ(state_.msngLineZ[4], 200.0f);
  EXPECT_FLOAT_EQ(state_.msngZoom, 1.125f);
  EXPECT_TRUE(state_.mblnModified);
  EXPECT_EQ(state_.msngRefX[4], 40.0f);
}

TEST_F(SampleFigure, EmptySampleKeepsZoomAndStillDraws) {
  // Its centre sums to 0, which gives no zoom; the old one stays usable.
  PutSample(" 0  0  0  0 \r\n" + kTrailerLine);
  LoadSampleFigure(state_, window_, window_, window_);

  ExpectDrawnOnceWithTurnSound();
  EXPECT_EQ(state_.mintLineCount, 0);
  EXPECT_EQ(state_.msngZoom, 0.5f);
}

TEST_F(SampleFigure, FoundBelowProgramFolderNotCurrentFolder) {
  PutSample(" 50  50  50  0 \r\n" + kTrailerLine);
  window_.memoryFiles.files[u"./data/sample/nubo01.nbo"] = " 0  0  0  0 \r\n" + kTrailerLine;
  LoadSampleFigure(state_, window_, window_, window_);

  EXPECT_TRUE(window_.messages.empty());
  EXPECT_FLOAT_EQ(state_.msngZoom, 2.25f);
}

}  // namespace

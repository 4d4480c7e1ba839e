// Difficulty levels, permissions, and the five settings read at start-up and stored at the end.
#include "settings/operation_settings.h"

#include <gtest/gtest.h>

#include "fake_context.h"

namespace {
class Settings : public FakeContext {
 protected:
  void SetUp() override {
    SetUpControls();
    FakeContext::SetUp();
  }
  void Store(const char* key, const char* value) {
    w.settings.values[u"Option/" + Utf16FromUtf8(key)] = Utf16FromUtf8(value);
  }
  std::u16string Stored(const char* key) const {
    const auto it = w.settings.values.find(u"Option/" + Utf16FromUtf8(key));
    return it == w.settings.values.end() ? std::u16string() : it->second;
  }
  bool Checked(Control item) const { return w.IsChecked(item); }
  bool Enabled(Control item) const { return w.IsEnabled(item); }
};
}  // namespace

TEST_F(Settings, AnEmptyStoreGivesTheDefaults) {
  ReadSettings(c, w.settings);
  EXPECT_TRUE(Checked(Control::mnuBeginner));
  EXPECT_EQ(state.mintMaxSize, 100);
  EXPECT_EQ(state.mintUnitLength, 20);
  EXPECT_TRUE(Checked(Control::mnuNormalSize));
  EXPECT_EQ(w.clientSize, Size(640, 450));  // the normal layout was applied
  EXPECT_TRUE(Checked(Control::mnuDrawEnabled) && Checked(Control::mnuSaveEnabled));
  for (Control on : {Control::cmdDrawFig, Control::mnuDraw, Control::mnuDifficulty, Control::cmdFigSave,
                     Control::mnuFileSave})
    EXPECT_TRUE(Enabled(on));
  EXPECT_EQ(state.mstrDataPath, u"./data");
}

TEST_F(Settings, StoredLevelsAndSizes) {
  struct Case {
    const char* difficulty;
    Control ticked;
    int maxSize, unitLength;
  } cases[] = {
      {"0", Control::mnuBeginner, 100, 20},
      {"1", Control::mnuMidClass, 100, 10},
      {"2", Control::mnuSenior, 200, 10},
      {"7", Control::mnuBeginner, 200, 20},  // out of range: start-up limits stay
      {"-1", Control::mnuBeginner, 200, 20},
      {"32767", Control::mnuBeginner, 200, 20},
      // No 16-bit number: the default.
      {"32768", Control::mnuBeginner, 100, 20},
      {"-40000", Control::mnuBeginner, 100, 20},
      {"99999999999999999999", Control::mnuBeginner, 100, 20},
      {"zwei", Control::mnuBeginner, 100, 20},
      {" 2 ", Control::mnuSenior, 200, 10},
  };
  for (const Case& k : cases) {
    Settings::SetUp();
    Store("Difficulty", k.difficulty);
    ReadSettings(c, w.settings);
    SCOPED_TRACE(k.difficulty);
    EXPECT_TRUE(Checked(k.ticked));
    EXPECT_EQ(state.mintMaxSize, k.maxSize);
    EXPECT_EQ(state.mintUnitLength, k.unitLength);
  }
  Store("ScreenSize", "1");
  ReadSettings(c, w.settings);
  EXPECT_TRUE(Checked(Control::mnuExpansion1));
  EXPECT_EQ(w.clientSize, Size(800, 570));
  Store("ScreenSize", "5");
  w.clientSize = Size();
  ReadSettings(c, w.settings);
  EXPECT_EQ(w.clientSize, Size()) << "an unknown size changes nothing";
}

// A size stored on a larger screen would put the menu bar off this one: the largest that fits instead.
TEST_F(Settings, StoredSizeFallsBackToTheLargestThatFitsTheScreen) {
  struct Case {
    Size screen;
    const char* stored;
    Control ticked;
    Size client;
  } cases[] = {
      {{640, 480}, "2", Control::mnuNormalSize, {640, 450}},
      {{640, 480}, "1", Control::mnuNormalSize, {640, 450}},
      {{800, 600}, "2", Control::mnuExpansion1, {800, 570}},
      {{1024, 768}, "2", Control::mnuExpansion2, {1024, 738}},
      {{1920, 1080}, "1", Control::mnuExpansion1, {800, 570}},
      {{1280, 600}, "2", Control::mnuExpansion1, {800, 570}},
  };
  for (const Case& k : cases) {
    Settings::SetUp();
    w.screen = k.screen;
    Store("ScreenSize", k.stored);
    ReadSettings(c, w.settings);
    SCOPED_TRACE(testing::Message() << k.screen.width() << "x" << k.screen.height() << " " << k.stored);
    EXPECT_TRUE(Checked(k.ticked));
    EXPECT_EQ(w.clientSize, k.client);
    StoreSettings(c, w.settings);
    EXPECT_EQ(Stored("ScreenSize"), NumberText(FittingScreenSize(int16_t(atoi(k.stored)), k.screen)));
  }
}

TEST_F(Settings, PermissionWordsNumbersAndGarbage) {
  struct Case {
    const char* text;
    bool permitted;
  } cases[] = {{"True", true}, {"False", false}, {"false", false}, {"0", false},
               {"-1", true},   {"1", true},      {"maybe", true},  {"", true}};
  for (const Case& k : cases) {
    Store("DrawEnabled", k.text);
    Store("SaveEnabled", k.text);
    ReadSettings(c, w.settings);
    SCOPED_TRACE(k.text);
    EXPECT_EQ(Checked(Control::mnuDrawEnabled), k.permitted);
    EXPECT_EQ(Enabled(Control::mnuDifficulty), k.permitted);
    EXPECT_EQ(Enabled(Control::cmdDrawFig), k.permitted);
    EXPECT_EQ(Checked(Control::mnuSaveEnabled), k.permitted);
    EXPECT_EQ(Enabled(Control::mnuFileSave), k.permitted);
  }
}

TEST_F(Settings, StoredBackInTheirOwnForms) {
  Store("Difficulty", "7");
  Store("DataPath", "/home/class/図形");
  ReadSettings(c, w.settings);
  ToggleSavePermission(c);
  w.settings.writes.clear();
  StoreSettings(c, w.settings);
  EXPECT_EQ(w.settings.writes, (std::vector<std::u16string>{u"Difficulty", u"ScreenSize", u"DrawEnabled",
                                                            u"SaveEnabled", u"DataPath"}));
  EXPECT_EQ(Stored("Difficulty"), u"0");  // "7" left 初級 ticked
  EXPECT_EQ(Stored("ScreenSize"), u"0");
  EXPECT_EQ(Stored("DrawEnabled"), u"True");
  EXPECT_EQ(Stored("SaveEnabled"), u"False");
  EXPECT_EQ(Stored("DataPath"), u"/home/class/図形");
}

TEST_F(Settings, AnEmptyDataFolderIsNoFolder) {
  for (const char* empty : {"", "  "}) {
    state.mstrDataPath = u"/elsewhere";
    Store("DataPath", empty);
    ReadSettings(c, w.settings);
    EXPECT_EQ(state.mstrDataPath, u"./data");
  }
}

TEST_F(Settings, ChoosingALevel) {
  ReadSettings(c, w.settings);
  w.drawn.clear();
  state.msngRefX[4] = 180;
  SetLevel(c, 2);
  EXPECT_TRUE(Checked(Control::mnuSenior));
  EXPECT_FALSE(Checked(Control::mnuBeginner));
  EXPECT_EQ(state.mintMaxSize, 200);
  EXPECT_EQ(state.mintUnitLength, 10);
  EXPECT_EQ(state.msngRefX[4], 180) << "the pointer stays where it is";
  EXPECT_TRUE(w.drawn.empty()) << "nothing is redrawn";

  state.mintUnitLength = 5;  // as the other-options dialog may set it
  SetLevel(c, 2);            // already ticked: nothing happens
  EXPECT_EQ(state.mintUnitLength, 5);
}

TEST_F(Settings, PermissionsGateOnlyTheirControls) {
  ReadSettings(c, w.settings);
  state.mblnDrawMode = true;
  ToggleDrawPermission(c);
  EXPECT_FALSE(Checked(Control::mnuDrawEnabled));
  for (Control off : {Control::cmdDrawFig, Control::mnuDraw, Control::mnuDifficulty})
    EXPECT_FALSE(Enabled(off));
  EXPECT_TRUE(Enabled(Control::mnuFileSave));
  EXPECT_TRUE(state.mblnDrawMode) << "draw mode stays on";
  ToggleDrawPermission(c);
  EXPECT_TRUE(Enabled(Control::mnuDifficulty));
  ToggleSavePermission(c);
  EXPECT_FALSE(Enabled(Control::cmdFigSave));
  EXPECT_FALSE(Enabled(Control::mnuFileSave));
  EXPECT_TRUE(Enabled(Control::cmdDrawFig));
}

// Change data folder: the state takes the dialog's folder only for a confirmed pick.
#include "settings/data_path.h"

#include <gtest/gtest.h>

#include "fake_context.h"

namespace {
using ChangeDataFolderTest = FakeContext;

TEST_F(ChangeDataFolderTest, OpensTheDialogOnTheFolderInUseAndTakesAConfirmedPick) {
  w.dataPathChoice = {true, u"/home/learner/figures"};
  ChangeDataFolder(c);
  EXPECT_EQ(w.calls, CallList({u"RunDataPathDialog ./data"}));
  EXPECT_EQ(state.mstrDataPath, u"/home/learner/figures");

  // The next run shows the folder taken last time.
  w.dataPathChoice = {false, std::u16string()};
  ChangeDataFolder(c);
  EXPECT_EQ(w.calls.back(), u"RunDataPathDialog /home/learner/figures");
}

TEST_F(ChangeDataFolderTest, KeepsTheFolderWithoutAConfirmedPick) {
  // Cancel, close box or OK without a pick: whatever text comes back is not a folder to take.
  for (const std::u16string text : {u"", u"未選択です", u"/elsewhere"}) {
    state.mstrDataPath = u"./data";
    w.dataPathChoice = {false, text};
    ChangeDataFolder(c);
    EXPECT_EQ(state.mstrDataPath, u"./data") << Utf8FromUtf16(text);
  }
  // A pick without a folder would leave the file dialogs nowhere to start.
  w.dataPathChoice = {true, std::u16string()};
  ChangeDataFolder(c);
  EXPECT_EQ(state.mstrDataPath, u"./data");
}
}  // namespace

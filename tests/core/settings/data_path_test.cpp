// Change data folder: the state takes the dialog's folder only for a confirmed pick.
#include "settings/data_path.h"

#include <gtest/gtest.h>

#include "fake_context.h"

namespace {
using ChangeDataFolderTest = FakeContext;

TEST_F(ChangeDataFolderTest, OpensTheDialogOnTheFolderInUseAndTakesAConfirmedPick) {
  w.dataPathChoice = {true, QStringLiteral("/home/learner/figures")};
  ChangeDataFolder(c);
  EXPECT_EQ(w.calls, QStringList({QStringLiteral("RunDataPathDialog ./data")}));
  EXPECT_EQ(state.mstrDataPath, QStringLiteral("/home/learner/figures"));

  // The next run shows the folder taken last time.
  w.dataPathChoice = {false, QString()};
  ChangeDataFolder(c);
  EXPECT_EQ(w.calls.last(), QStringLiteral("RunDataPathDialog /home/learner/figures"));
}

TEST_F(ChangeDataFolderTest, KeepsTheFolderWithoutAConfirmedPick) {
  // Cancel, close box or OK without a pick: whatever text comes back is not a folder to take.
  for (const QString& text : {QString(), QStringLiteral("未選択です"), QStringLiteral("/elsewhere")}) {
    state.mstrDataPath = QStringLiteral("./data");
    w.dataPathChoice = {false, text};
    ChangeDataFolder(c);
    EXPECT_EQ(state.mstrDataPath, QStringLiteral("./data")) << text.toStdString();
  }
  // A pick without a folder would leave the file dialogs nowhere to start.
  w.dataPathChoice = {true, QString()};
  ChangeDataFolder(c);
  EXPECT_EQ(state.mstrDataPath, QStringLiteral("./data"));
}
}  // namespace

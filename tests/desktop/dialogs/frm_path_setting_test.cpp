// frmPathSetting on the offscreen platform, inside a temporary folder made the current one: what a pick
// is, what the three ways out hand back, and drives that cannot be read.
#include "dialogs/frm_path_setting.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

namespace {
// Records the unreadable-drive report instead of holding the test up with a modal box.
class RecordingDialog : public FrmPathSetting {
 public:
  using FrmPathSetting::FrmPathSetting;
  QStringList reports;

 protected:
  void ReportUnreadableDrive(const QString& text) override { reports << text; }
};

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

class FrmPathSettingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    const QDir base(tmp.path());
    for (const char* sub : {"work/a/b", "work/c", "other/d", "gone"})
      ASSERT_TRUE(base.mkpath(QString::fromLatin1(sub)));
    ASSERT_TRUE(QDir::setCurrent(base.filePath(QStringLiteral("work"))));
    work = QDir::currentPath();
    other = QFileInfo(base.filePath(QStringLiteral("other"))).canonicalFilePath();
    // The real volume of the current folder, a second "drive" mounted at other/, one without a medium.
    drives = {{QStorageInfo(work).rootPath(), QString()},
              {other, QStringLiteral("OTHER")},
              {base.filePath(QStringLiteral("no-medium")), QStringLiteral("GONE")}};
    dialog = std::make_unique<RecordingDialog>(drives);
    dialog->SetCurrentDataPath(QStringLiteral("./data"));
    dialog->show();
  }
  void TearDown() override {
    dialog.reset();
    QDir::setCurrent(saved);
  }

  void PickFolder(const QString& path) { dialog->Dir1->setCurrentIndex(dialog->DirModel()->index(path)); }
  QString TreeFolder() const { return dialog->DirModel()->filePath(dialog->Dir1->currentIndex()); }

  const QString saved = QDir::currentPath();
  QTemporaryDir tmp;
  QString work, other;
  QList<DriveEntry> drives;
  std::unique_ptr<RecordingDialog> dialog;
};

TEST_F(FrmPathSettingTest, OpensOnTheCurrentFolderShowingTheDataFolderAndNoPick) {
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("データ保存パスの変更"));
  EXPECT_EQ(dialog->size(), QSize(319, 397));
  EXPECT_EQ(dialog->lblCurrentDataPath->text(), QStringLiteral("./data"));
  EXPECT_EQ(dialog->lblDataPath->text(), QStringLiteral("未選択です"));
  // The lists start where the process is, not at the data folder.
  EXPECT_EQ(dialog->Drive1->currentIndex(), 0);
  EXPECT_EQ(dialog->ShownDrive(), 0);
  EXPECT_EQ(TreeFolder(), work);
  EXPECT_FALSE(dialog->PathChanged());
  EXPECT_TRUE(dialog->DataPath().isEmpty());

  EXPECT_EQ(dialog->Drive1->itemText(1), Native(other) + QStringLiteral(" [OTHER]"));
  // Folders only, and no size, type or date columns.
  EXPECT_TRUE(dialog->DirModel()->filter().testFlag(QDir::AllDirs));
  EXPECT_FALSE(dialog->DirModel()->filter().testFlag(QDir::Files));
  for (int column = 1; column < dialog->DirModel()->columnCount(); ++column) {
    EXPECT_TRUE(dialog->Dir1->isColumnHidden(column)) << column;
  }
}

TEST_F(FrmPathSettingTest, TreeKeepsTheCurrentFolderInViewWhileTheListingArrives) {
  // The folders are listed in the background and sorted late; the current one must end up visible.
  QDeadlineTimer deadline(5000);
  auto inView = [&] {
    return dialog->Dir1->viewport()->rect().intersects(
        dialog->Dir1->visualRect(dialog->Dir1->currentIndex()));
  };
  while (!deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (inView()) break;
  }
  for (int i = 0; i < 10; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_TRUE(inView());
  EXPECT_EQ(TreeFolder(), work);

  // A folder listed above ours disappears: the rows shift up, ours must stay in view.
  const QString gone = QDir(tmp.path()).filePath(QStringLiteral("gone"));
  ASSERT_TRUE(dialog->DirModel()->index(gone).isValid());
  ASSERT_TRUE(QDir(gone).removeRecursively());
  deadline.setRemainingTime(5000);
  while (!deadline.hasExpired() && dialog->DirModel()->index(gone).isValid())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  ASSERT_FALSE(dialog->DirModel()->index(gone).isValid());
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_TRUE(inView());
  EXPECT_EQ(TreeFolder(), work);
}

TEST_F(FrmPathSettingTest, ControlsCarryTheirNamesCaptionsAndPlaces) {
  struct Row {
    const char* name;
    QString caption;
    QRect at;
  };
  const Row rows[] = {
      {"Label1", QStringLiteral("現在のデータパス"), {24, 24, 145, 17}},
      {"lblCurrentDataPath", QStringLiteral("./data"), {24, 48, 265, 25}},
      {"Label2", QStringLiteral("適当なパスを指定してください"), {24, 88, 265, 17}},
      {"Drive1", QString(), {24, 112, 273, 20}},
      {"Dir1", QString(), {24, 136, 273, 146}},
      {"Label3", QStringLiteral("選択されたパス"), {24, 288, 265, 17}},
      {"lblDataPath", QStringLiteral("未選択です"), {24, 312, 265, 25}},
      {"cmdOK", QStringLiteral("これでよい"), {24, 344, 129, 49}},
      {"cmdCancel", QStringLiteral("やっぱりやめる"), {168, 344, 121, 49}},
  };
  for (const Row& r : rows) {
    const auto* w = dialog->findChild<QWidget*>(QString::fromLatin1(r.name));
    ASSERT_NE(w, nullptr) << r.name;
    EXPECT_EQ(w->geometry(), r.at) << r.name;
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
      EXPECT_EQ(label->text(), r.caption) << r.name;
    }
    if (const auto* button = qobject_cast<const QPushButton*>(w)) {
      EXPECT_EQ(button->text(), r.caption) << r.name;
    }
  }
  EXPECT_NE(dialog->lblCurrentDataPath->frameShape(), QFrame::NoFrame);
  EXPECT_NE(dialog->lblDataPath->frameShape(), QFrame::NoFrame);
}

// OK after a pick hands the folder back; Cancel, the close box, or OK without a pick keep the old.
TEST_F(FrmPathSettingTest, OnlyOkAfterAPickHandsTheFolderBack) {
  const QString picked = QDir(work).filePath(QStringLiteral("a/b"));
  struct Case {
    const char* way;
    bool pick, changed;
  } cases[] = {{"OK", true, true}, {"Cancel", true, false}, {"close box", true, false}, {"OK", false, false}};
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << k.way << (k.pick ? " after a pick" : ""));
    RecordingDialog d(drives);
    d.SetCurrentDataPath(QStringLiteral("./data"));
    d.show();
    if (k.pick) {
      d.Dir1->setCurrentIndex(d.DirModel()->index(picked));
      EXPECT_EQ(d.lblDataPath->text(), Native(picked));
      EXPECT_TRUE(d.PathChanged());
    }
    const std::string way = k.way;
    if (way == "OK") d.cmdOK->click();
    if (way == "Cancel") d.cmdCancel->click();
    if (way == "close box") {
      EXPECT_TRUE(d.close());
    }
    EXPECT_TRUE(d.isHidden());
    EXPECT_EQ(d.PathChanged(), k.changed);
    EXPECT_EQ(d.DataPath(), k.changed ? Native(picked) : QStringLiteral("./data"));
    if (k.changed) {
      EXPECT_EQ(d.result(), QDialog::Accepted);
    }
  }
}

TEST_F(FrmPathSettingTest, ChoosingADriveIsAPickOfItsCurrentFolder) {
  dialog->Drive1->setCurrentIndex(1);
  EXPECT_EQ(dialog->ShownDrive(), 1);
  EXPECT_EQ(TreeFolder(), other);
  EXPECT_EQ(dialog->lblDataPath->text(), Native(other));
  EXPECT_TRUE(dialog->PathChanged());

  // Back on the current volume the tree returns to the current folder, not to the volume's root.
  dialog->Drive1->setCurrentIndex(0);
  EXPECT_EQ(TreeFolder(), work);
  EXPECT_EQ(dialog->lblDataPath->text(), Native(work));

  // Once the tree went deeper, choosing the shown drive again brings its folder back.
  PickFolder(QDir(work).filePath(QStringLiteral("a")));
  emit dialog->Drive1->activated(0);
  EXPECT_EQ(dialog->lblDataPath->text(), Native(work));

  dialog->Drive1->setCurrentIndex(1);
  dialog->cmdOK->click();
  EXPECT_TRUE(dialog->PathChanged());
  EXPECT_EQ(dialog->DataPath(), Native(other));
}

TEST_F(FrmPathSettingTest, UnreadableDriveIsReportedAndTheDialogStaysAsItWas) {
  // Chosen with the keys, as a user does: the list moves, then fires `activated` with its own index.
  auto keyDown = [&] {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(dialog->Drive1, &press);
  };
  dialog->Drive1->setFocus();
  dialog->Drive1->setCurrentIndex(1);
  ASSERT_EQ(dialog->ShownDrive(), 1);
  keyDown();
  ASSERT_EQ(dialog->reports.size(), 1);
  EXPECT_EQ(dialog->reports[0],
            QStringLiteral("ドライブ「%1」を読み取れません。").arg(dialog->Drive1->itemText(2)));
  EXPECT_EQ(dialog->Drive1->currentIndex(), 1);
  EXPECT_EQ(dialog->ShownDrive(), 1);
  EXPECT_EQ(TreeFolder(), other);
  // The refusal is no fresh pick of the shown drive: a deeper pick stays.
  const QString picked = QDir(other).filePath(QStringLiteral("d"));
  PickFolder(picked);
  keyDown();
  EXPECT_EQ(dialog->reports.size(), 2);
  EXPECT_EQ(dialog->lblDataPath->text(), Native(picked));

  // Still usable.
  dialog->cmdOK->click();
  EXPECT_TRUE(dialog->PathChanged());
  EXPECT_EQ(dialog->DataPath(), Native(picked));
}

TEST_F(FrmPathSettingTest, UnreadableDriveBeforeAnyPickLeavesTheDataFolderAlone) {
  QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
  dialog->Drive1->setFocus();
  QApplication::sendEvent(dialog->Drive1, &end);
  ASSERT_EQ(dialog->reports.size(), 1);
  EXPECT_EQ(dialog->Drive1->currentIndex(), 0);
  EXPECT_EQ(TreeFolder(), work);
  EXPECT_FALSE(dialog->PathChanged());
  EXPECT_EQ(dialog->lblDataPath->text(), QStringLiteral("未選択です"));
  dialog->cmdOK->click();
  EXPECT_FALSE(dialog->PathChanged());
  EXPECT_EQ(dialog->DataPath(), QStringLiteral("./data"));
}

TEST_F(FrmPathSettingTest, MountedVolumesListTheCurrentFolderVolume) {
  const QList<DriveEntry> mounted = FrmPathSetting::MountedDrives();
  for (const DriveEntry& d : mounted) EXPECT_TRUE(QFileInfo(d.root).isDir()) << d.root.toStdString();

  FrmPathSetting real;
  ASSERT_GE(real.Drive1->count(), 1);
  const QString root = real.Drive1->itemData(real.Drive1->currentIndex()).toString();
  EXPECT_TRUE(work.startsWith(root)) << root.toStdString();
  EXPECT_EQ(real.DirModel()->filePath(real.Dir1->currentIndex()), work);
  EXPECT_FALSE(real.PathChanged());
}

TEST_F(FrmPathSettingTest, RunningTheDialogHandsBackTheChoiceAndDestroysIt) {
  const QString picked = QDir(work).filePath(QStringLiteral("c"));
  auto answer = [&](bool ok) {
    QTimer::singleShot(0, [&, ok] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* d = qobject_cast<FrmPathSetting*>(w);
        if (!d || !d->isVisible() || d == dialog.get()) continue;
        EXPECT_EQ(d->lblCurrentDataPath->text(), QStringLiteral("./data"));
        d->Dir1->setCurrentIndex(d->DirModel()->index(picked));
        (ok ? d->cmdOK : d->cmdCancel)->click();
      }
    });
  };
  dialog.reset();
  answer(true);
  DataPathChoice choice = RunPathSettingDialog(nullptr, QStringLiteral("./data"));
  EXPECT_TRUE(choice.pathChanged);
  EXPECT_EQ(choice.dataPath, Native(picked).toStdU16String());

  answer(false);
  choice = RunPathSettingDialog(nullptr, QStringLiteral("./data"));
  EXPECT_FALSE(choice.pathChanged);

  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<FrmPathSetting*>(w), nullptr);
}
}  // namespace

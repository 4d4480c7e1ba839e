// The real file dialog and clipboard: where the dialog starts, what it proposes and returns.
#include "dialogs/file_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <chrono>
#include <functional>
#include <thread>

#include "file_bytes.h"
#include "services/clipboard.h"
#include "services/translation.h"

namespace {
// Runs `user` on the dialog once it is up, as the person in front of it.
std::optional<QString> RunWith(FileDialogMode mode, const QString& folder, const QString& proposed,
                               const std::function<void(QFileDialog&)>& user) {
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    user(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  return RunFileDialog(nullptr, mode, folder, {QStringLiteral("図形(*.nbo) (*.nbo)")}, proposed);
}
}  // namespace

TEST(FileDialog, StartsInTheFolderProposesTheNameAndReturnsWhatWasTyped) {
  QTemporaryDir dir;
  // Relative, as the data folder "./data" is.
  const QString folder = QDir::current().relativeFilePath(dir.path());
  QString seenTitle, seenName;
  QStringList seenFilters;
  const auto chosen = RunWith(FileDialogMode::Save, folder, QStringLiteral("last.nbo"), [&](QFileDialog& d) {
    seenTitle = d.windowTitle();
    seenFilters = d.nameFilters();
    EXPECT_EQ(d.directory().absolutePath(), QDir(dir.path()).absolutePath());
    auto* name = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    seenName = name->text();
    name->setText(QStringLiteral(" fig "));
    static_cast<QDialog&>(d).accept();  // as the Save button does
  });
  EXPECT_EQ(seenTitle, QStringLiteral("名前を付けて保存"));
  EXPECT_EQ(seenFilters, QStringList{QStringLiteral("図形(*.nbo) (*.nbo)")});
  EXPECT_EQ(seenName, QStringLiteral("last.nbo"));
  // As typed, spaces and all: making a figure file name of it is the save command's business.
  EXPECT_EQ(chosen, QDir(dir.path()).absolutePath() + QStringLiteral("/ fig "));

  // Cancelled: nothing comes back; no name proposed at all shows an empty field.
  const auto cancelled = RunWith(FileDialogMode::Open, folder, QString(), [&](QFileDialog& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("開く"));
    EXPECT_TRUE(d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text().isEmpty());
  });
  EXPECT_FALSE(cancelled.has_value());
}

// Sizes, types and dates in the list speak Japanese whatever the machine's locale, once the program has
// set up the toolkit's Japanese as it does at start.
TEST(FileDialog, ListsFilesInJapanese) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("memo.txt"));
  ASSERT_TRUE(PutFile(file, "abc"));
  const QLocale before;
  QTranslator translator;
  InstallToolkitJapanese(translator);
  QStringList row;
  RunWith(FileDialogMode::Open, dir.path(), QString(), [&](QFileDialog& d) {
    d.setNameFilter(QStringLiteral("* (*)"));
    const auto* view = d.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(view, nullptr);
    // The list is filled in the background.
    const auto cell = [&](int column) {
      return view->model()->index(0, column, view->rootIndex()).data().toString();
    };
    QDeadlineTimer deadline(30'000);
    while (cell(2).isEmpty() && !deadline.hasExpired()) {
      QCoreApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    for (int column = 0; column < 4; ++column) row << cell(column);
  });
  QCoreApplication::removeTranslator(&translator);
  QLocale::setDefault(before);

  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  ASSERT_EQ(row.size(), 4);
  EXPECT_EQ(row[0], QStringLiteral("memo.txt"));
  EXPECT_EQ(row[1], QStringLiteral("3 バイト"));
  EXPECT_FALSE(row[2].contains(QRegularExpression(QStringLiteral("[A-Za-z]")))) << row[2].toStdString();
  EXPECT_EQ(row[3], japanese.toString(QFileInfo(file).lastModified(), QLocale::ShortFormat));
}

// A canvas at pixel ratio 2 holds twice the pixels each way; the bitmap is the canvas's own size.
TEST(Clipboard, TakesThePictureAtTheCanvasSize) {
  for (const qreal ratio : {1.0, 1.5, 2.0}) {
    QImage picture(QSize(488, 376) * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    PutPictureOnClipboard(picture, QSize(488, 376));
    const QImage put = QGuiApplication::clipboard()->image();
    EXPECT_EQ(put.size(), QSize(488, 376)) << ratio;
    EXPECT_EQ(put.pixel(10, 10) & 0xFFFFFF, 0xFFFFFFu);
  }
}

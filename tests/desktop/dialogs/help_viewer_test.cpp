// The help viewer on made-up help files: contents page, links, navigation and the missing file.
#include "dialogs/help_viewer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>

namespace {

void Write(const QString& path, const QString& html) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(html.toUtf8());
}

// Presses and releases the mouse on the first occurrence of `text`, as a user clicking a link.
void ClickOn(QTextBrowser* browser, const QString& text) {
  const QTextCursor found = browser->document()->find(text);
  ASSERT_FALSE(found.isNull()) << text.toStdString();
  QTextCursor inside(browser->document());
  inside.setPosition(found.selectionStart() + 1);
  const QPointF at = browser->cursorRect(inside).center();
  const QPointF global = browser->viewport()->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(browser->viewport(), &press);
  QCoreApplication::sendEvent(browser->viewport(), &release);
}

// Runs each test inside a fresh temporary folder, as the help path is relative to the current one.
class HelpViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
  }
  void TearDown() override { QDir::setCurrent(previous); }

  void WriteHelp() {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("help")));
    Write(dir.filePath(QStringLiteral("help/nw31.hlp")),
          QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>"
                         "<h1>もくじ</h1><a href=\"draw.html\">線の引き方</a></body></html>"));
    Write(dir.filePath(QStringLiteral("help/draw.html")),
          QStringLiteral(
              "<html><head><meta charset=\"utf-8\"></head><body>"
              "<p>Xキーで作図ポインタを動かします</p><a href=\"nw31.hlp\">目次へ</a></body></html>"));
  }
  QString Text() const { return viewer.Browser()->toPlainText(); }

  QTemporaryDir dir;
  QString previous;
  HelpViewer viewer;
};

TEST_F(HelpViewerTest, OpensContentsAsHtmlAndFollowsLinks) {
  WriteHelp();
  viewer.OpenContents(QStringLiteral("./help/nw31.hlp"));
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_TRUE(viewer.isWindow());
  EXPECT_TRUE(Text().contains(QStringLiteral("もくじ")));
  EXPECT_FALSE(Text().contains(QStringLiteral("<h1>")));
  EXPECT_FALSE(viewer.cmdBack->isEnabled());

  viewer.Browser()->setSource(viewer.Browser()->source().resolved(QUrl(QStringLiteral("draw.html"))));
  EXPECT_TRUE(Text().contains(QStringLiteral("作図ポインタ")));
  EXPECT_TRUE(viewer.cmdBack->isEnabled());

  viewer.cmdBack->click();
  EXPECT_TRUE(Text().contains(QStringLiteral("もくじ")));
  EXPECT_TRUE(viewer.cmdForward->isEnabled());
  viewer.cmdForward->click();
  EXPECT_TRUE(Text().contains(QStringLiteral("作図ポインタ")));

  viewer.cmdContents->click();
  EXPECT_TRUE(Text().contains(QStringLiteral("もくじ")));
}

TEST_F(HelpViewerTest, LinkInTheContentsPageIsFollowedByTheBrowser) {
  WriteHelp();
  viewer.OpenContents(QStringLiteral("./help/nw31.hlp"));
  ClickOn(viewer.Browser(), QStringLiteral("線の引き方"));
  EXPECT_EQ(viewer.Browser()->source().fileName(), QStringLiteral("draw.html"));
  EXPECT_TRUE(Text().contains(QStringLiteral("作図ポインタ")));
  // And back to the contents page, whose name has no HTML extension.
  ClickOn(viewer.Browser(), QStringLiteral("目次へ"));
  EXPECT_TRUE(Text().contains(QStringLiteral("もくじ")));
  EXPECT_FALSE(Text().contains(QStringLiteral("<h1>")));
}

TEST_F(HelpViewerTest, MissingFileIsReportedInTheWindow) {
  viewer.OpenContents(QStringLiteral("./help/nw31.hlp"));
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_TRUE(Text().contains(QStringLiteral("「./help/nw31.hlp」が見つかりません")));
  EXPECT_TRUE(Text().contains(QDir::toNativeSeparators(QDir::currentPath())));
  EXPECT_FALSE(viewer.cmdContents->isEnabled());
}

TEST_F(HelpViewerTest, ReopeningAfterTheFileAppearsShowsIt) {
  viewer.OpenContents(QStringLiteral("./help/nw31.hlp"));
  WriteHelp();
  viewer.OpenContents(QStringLiteral("./help/nw31.hlp"));
  EXPECT_TRUE(Text().contains(QStringLiteral("もくじ")));

  // Gone again, then back: the contents page is read afresh, not taken for already shown.
  QFile::remove(dir.filePath(QStringLiteral("help/nw31.hlp")));
  viewer.OpenContents(QStringLiteral("./help/nw31.hlp"));
  EXPECT_TRUE(Text().contains(QStringLiteral("見つかりません")));
  WriteHelp();
  viewer.OpenContents(QStringLiteral("./help/nw31.hlp"));
  EXPECT_TRUE(Text().contains(QStringLiteral("もくじ")));
}

TEST_F(HelpViewerTest, PathInTheNotFoundPageIsShownAsText) {
  viewer.OpenContents(QStringLiteral("./help/<b>x</b>.hlp"));
  EXPECT_TRUE(Text().contains(QStringLiteral("<b>x</b>")));
}

}  // namespace

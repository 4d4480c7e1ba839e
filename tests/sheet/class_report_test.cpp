// check over a class: the summary on the console, the CSV report and the feedback pages.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "class_report.h"
#include "figure/figure_file.h"
#include "file_bytes.h"
#include "sheet_command.h"
#include "qt_files.h"
#include "sheet_figures.h"

namespace {
void WriteFigure(const QString& path, const std::vector<Edge>& edges) {
  QtFiles disk;
  std::u16string error;
  ASSERT_TRUE(WriteFigureFile(disk, path.toStdU16String(), *FigureOf(edges), error))
      << QString::fromStdU16String(error).toStdString();
}

struct Colours {
  std::vector<QPoint> red;
  int blue = 0;
};

// The pages of a PDF as poppler draws them, at 50 dots an inch.
std::vector<QImage> RenderPages(const QString& pdf, const QString& dir) {
  QProcess::execute(QStringLiteral("pdftoppm"), {"-r", "50", "-png", pdf, dir + "/page"});
  std::vector<QImage> pages;
  const QStringList names = QDir(dir).entryList({"page-*.png"}, QDir::Files, QDir::Name);
  for (const QString& name : names) pages.emplace_back(dir + "/" + name);
  return pages;
}

// Red and blue pixels outside the legend, which shows both colours on every page.
Colours CountColours(const QImage& page) {
  Colours c;
  const double pxPerMm = page.width() / 297.0;
  const QRectF legend(180 * pxPerMm, 116 * pxPerMm, 117 * pxPerMm, 94 * pxPerMm);
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      if (legend.contains(x, y)) continue;
      const QColor p = page.pixelColor(x, y);
      if (p.red() > 150 && p.green() < 100 && p.blue() < 100) c.red.emplace_back(x, y);
      if (p.blue() > 150 && p.red() < 100 && p.green() < 150) ++c.blue;
    }
  return c;
}

struct Result {
  int code;
  QString out, err;
};

Result Check(const QStringList& args) {
  Result r{};
  QTextStream out(&r.out), err(&r.err);
  r.code = RunSheetProgram(QStringList{"nuboro-sheet", "check"} + args, out, err);
  return r;
}

class ClassCheck : public testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
};
}  // namespace

// One right, one wrong, one moved by whole grid steps and missing an edge, one unreadable with a name that
// needs quoting: the console's summary, the CSV to the byte, and a page per learner with its colours.
TEST_F(ClassCheck, ReportsAndFeedbackPagesForAClass) {
  const std::vector<Edge> box = Box();
  const std::vector<Edge> reversed(box.rbegin(), box.rend());
  std::vector<Edge> lacking = Box();
  lacking.pop_back();  // the top right edge running from back to front
  std::vector<Edge> wrong = lacking;
  wrong.push_back({{0, 0, 10}, {20, 10, 10}});  // inside the box, touching nothing the learner lacks
  const QString odd = Path("odd, \"one\"\nname.nbo");
  WriteFigure(Path("answer.nbo"), Box());
  WriteFigure(Path("right.nbo"), reversed);
  WriteFigure(Path("wrong.nbo"), wrong);
  WriteFigure(Path("moved.nbo"), Shifted(lacking, {20, 40, 0}));
  const QByteArray badBytes = "1 2 3";
  ASSERT_TRUE(PutFile(odd, badBytes));
  FigureData unused;
  std::u16string parsed;
  ASSERT_FALSE(ParseFigureFile(badBytes.toStdString(), unused, parsed));
  const QString reason = QString::fromStdU16String(parsed);

  const Result r = Check({Path("answer.nbo"), Path("right.nbo"), Path("wrong.nbo"), Path("moved.nbo"), odd,
                          "--shift", "--report", Path("class.csv"), "--feedback", Path("class.pdf")});
  EXPECT_EQ(r.code, kExitBadInput);
  EXPECT_EQ(r.out, Path("right.nbo") + ": 正解\n" + Path("wrong.nbo") + ": 足りない辺 1 本、余分な辺 1 本\n" +
                       Path("moved.nbo") +
                       ": 足りない辺 1 本、余分な辺 0 本（全体を (20, 40, 0) mm ずらした形として）\n" + odd +
                       ": 読めない: " + reason + "\n正解 1 人、違う 2 人、読めない 1 人\n「" +
                       Path("class.csv") + "」に 4 人分の結果を書きました。\n「" + Path("class.pdf") +
                       "」に 4 ページ書きました。\n");
  EXPECT_TRUE(r.err.contains(reason));

  QString quoted = odd;
  quoted.replace("\"", "\"\"");
  const QString csv =
      "\uFEFFファイル,判定,足りない辺（本）,足りない辺の長さ（mm）,余分な辺（本）,"
      "余分な辺の長さ（mm）,ずらした量（mm）,読めない理由\r\n" +
      Path("right.nbo") + ",正解,0,0,0,0,,\r\n" + Path("wrong.nbo") + ",違う,1,20,1,22.361,,\r\n" +
      Path("moved.nbo") + ",違う,1,20,0,0,\"(20, 40, 0)\",\r\n\"" + quoted + "\",読めない,,,,,," + reason +
      "\r\n";
  EXPECT_EQ(QString::fromUtf8(FileBytes(Path("class.csv"))), csv);
  EXPECT_TRUE(FileBytes(Path("class.csv")).startsWith("\xEF\xBB\xBF"));

  const std::vector<QImage> pages = RenderPages(Path("class.pdf"), dir_.path());
  ASSERT_EQ(pages.size(), 4u);
  const Colours right = CountColours(pages[0]), wrongPage = CountColours(pages[1]),
                moved = CountColours(pages[2]), unreadable = CountColours(pages[3]);
  EXPECT_TRUE(right.red.empty() && right.blue == 0);
  EXPECT_TRUE(!wrongPage.red.empty() && wrongPage.blue > 0);
  // The moved figure lacks the same edge: laid onto the answer, it is red in the very same places.
  EXPECT_EQ(moved.red, wrongPage.red);
  EXPECT_EQ(moved.blue, 0);
  EXPECT_TRUE(unreadable.red.empty() && unreadable.blue == 0);
}

TEST_F(ClassCheck, WithoutAReportEveryEdgeIsListedAndUnreadableFilesTooOnTheConsole) {
  std::vector<Edge> lacking = Box();
  lacking.pop_back();
  WriteFigure(Path("answer.nbo"), Box());
  WriteFigure(Path("lacking.nbo"), lacking);
  ASSERT_TRUE(PutFile(Path("bad.nbo"), "1 2 3"));
  const Result r = Check({Path("answer.nbo"), Path("lacking.nbo"), Path("bad.nbo")});
  EXPECT_EQ(r.code, kExitBadInput);
  EXPECT_EQ(r.out, Path("lacking.nbo") +
                       ": 足りない辺 1 本、余分な辺 0 本\n  足りない辺: (40, 20, 0) - (40, 20, 20)\n" +
                       Path("bad.nbo") + ": 読めない: ファイルが途中で終わっています。\n");
}

// Outputs of the wrong kind or over an input are refused before anything is read or written.
TEST_F(ClassCheck, BadOutputsAreRefusedAndAFailedWriteStopsTheRun) {
  WriteFigure(Path("answer.nbo"), Box());
  WriteFigure(Path("learner.csv"), Box());
  ASSERT_TRUE(PutFile(Path("old.pdf"), "old"));
  ASSERT_TRUE(PutFile(Path("old.csv"), "old"));
  const QString answer = Path("answer.nbo"), learner = Path("learner.csv");
  const struct {
    QStringList options;
    const char* inErr;
  } cases[] = {
      {{"--report", Path("old.pdf")}, ".csv"},
      {{"--feedback", Path("old.csv")}, ".pdf"},
      {{"--report", ""}, ".csv"},
      {{"--report", learner}, "読む図形ファイル"},
      {{"--report", Path("old.csv"), "--feedback", Path("old.pdf"), "--unit", "-1"}, "--unit"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options.join(u' ').toStdString());
    const Result r = Check(QStringList{answer, learner} + c.options);
    EXPECT_EQ(r.code, kExitBadInput);
    EXPECT_TRUE(r.err.contains(c.inErr)) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(FileBytes(Path("old.pdf")), "old");
    EXPECT_EQ(FileBytes(Path("old.csv")), "old");
    EXPECT_EQ(FileBytes(learner), FileBytes(answer));
  }
  // A report that cannot be written fails the run, and the feedback after it is not written either.
  const Result r = Check({answer, learner, "--report", Path("none/x.csv"), "--feedback", Path("old.pdf")});
  EXPECT_EQ(r.code, kExitBadInput);
  EXPECT_TRUE(r.err.contains("none/x.csv")) << r.err.toStdString();
  EXPECT_EQ(FileBytes(Path("old.pdf")), "old");
}

// Names a spreadsheet would run as a formula are kept as text; commas, quotes and line breaks are quoted.
TEST(ClassReport, FieldsStayTextInASpreadsheet) {
  const struct {
    const char* path;
    const char* field;
  } cases[] = {
      {"plain.nbo", "plain.nbo"},
      {"=HYPERLINK(\"x\").nbo", "\"'=HYPERLINK(\"\"x\"\").nbo\""},
      {"+1.nbo", "'+1.nbo"},
      {"-1.nbo", "'-1.nbo"},
      {"@a.nbo", "'@a.nbo"},
      {"a,b.nbo", "\"a,b.nbo\""},
      {"a\r\nb.nbo", "\"a\r\nb.nbo\""},
  };
  for (const auto& c : cases) {
    const QByteArray csv = ClassReportCsv({UnreadableLearner(QString::fromUtf8(c.path), "x")});
    const QByteArray row = csv.mid(csv.indexOf("\r\n") + 2);
    EXPECT_EQ(row, QByteArray(c.field) + ",読めない,,,,,,x\r\n") << c.path;
  }
}

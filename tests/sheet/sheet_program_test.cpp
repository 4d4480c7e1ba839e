// The nuboro-sheet command line end to end: the pages it writes, its messages and its exit statuses.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statvfs.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "edge_set.h"
#include "figure/app_state.h"
#include "figure/figure_file.h"
#include "file_bytes.h"
#include "sheet_command.h"
#include "qt_files.h"
#include "sheet_figures.h"
#include "sheet_page.h"

namespace {
struct Result {
  int code;
  QString out, err;
};

Result Sheet(QStringList args) {
  Result r{};
  QTextStream out(&r.out), err(&r.err);
  args.prepend(QStringLiteral("nuboro-sheet"));
  r.code = RunSheetProgram(args, out, err);
  return r;
}

void WriteFigure(const QString& path, const std::vector<Edge>& edges) {
  QtFiles disk;
  std::u16string error;
  ASSERT_TRUE(WriteFigureFile(disk, path.toStdU16String(), *FigureOf(edges), error))
      << QString::fromStdU16String(error).toStdString();
}

// The lines of one pen in a written SVG page, in page millimetres.
std::vector<QLineF> Strokes(const QString& path, const QString& width, const QString& colour) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&f);
  std::vector<QString> pens;
  std::vector<QLineF> lines;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == u"g")
      pens.push_back(xml.attributes().value("stroke-width").toString() + u' ' +
                     xml.attributes().value("stroke").toString());
    if (xml.isEndElement() && xml.name() == u"g") pens.pop_back();
    if (xml.isStartElement() && xml.name() == u"polyline" && !pens.empty() &&
        pens.back() == width + u' ' + colour) {
      const QStringList p = xml.attributes().value("points").toString().split(u' ', Qt::SkipEmptyParts);
      EXPECT_EQ(p.size(), 2);
      const auto point = [](const QString& xy) {
        return QPointF(xy.section(u',', 0, 0).toDouble(), xy.section(u',', 1, 1).toDouble());
      };
      lines.emplace_back(point(p[0]), point(p[1]));
    }
  }
  return lines;
}

// The figure's lines: the strokes 0.7 mm wide.
std::vector<QLineF> FigureStrokes(const QString& path) {
  return Strokes(path, QStringLiteral("0.7"), QStringLiteral("#000000"));
}

// All text on a written SVG page; the generator splits runs of different scripts into separate elements.
QString PageText(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&f);
  QString text;
  while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
    if (xml.isStartElement() && xml.name() == u"text") text += xml.readElementText();
  }
  return text;
}

// Strokes joined through shared end points, as the bounding box of each connected drawing.
std::vector<QRectF> Drawings(const std::vector<QLineF>& lines) {
  std::vector<int> group(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) group[i] = int(i);
  const std::function<int(int)> find = [&](int i) { return group[i] == i ? i : group[i] = find(group[i]); };
  const auto near = [](QPointF p, QPointF q) { return QLineF(p, q).length() < 0.01; };
  for (size_t i = 0; i < lines.size(); ++i)
    for (size_t j = 0; j < i; ++j)
      for (QPointF p : {lines[i].p1(), lines[i].p2()})
        if (near(p, lines[j].p1()) || near(p, lines[j].p2())) group[find(int(i))] = find(int(j));
  std::map<int, QRectF> boxes;
  for (size_t i = 0; i < lines.size(); ++i) {
    const QRectF r = QRectF(lines[i].p1(), lines[i].p2()).normalized();
    QRectF& box = boxes[find(int(i))];
    box = box.isNull() ? r : box.united(r);
  }
  std::vector<QRectF> out;
  for (const auto& [g, box] : boxes) out.push_back(box);
  return out;
}

// End points met by one stroke only, among the strokes inside `box`.
std::vector<QPointF> FreeEnds(const std::vector<QLineF>& lines, const QRectF& box) {
  std::vector<QPointF> ends, free;
  for (const QLineF& l : lines)
    if (box.adjusted(-0.01, -0.01, 0.01, 0.01).contains(l.p1())) ends.insert(ends.end(), {l.p1(), l.p2()});
  for (QPointF p : ends)
    if (std::count_if(ends.begin(), ends.end(), [&](QPointF q) { return QLineF(p, q).length() < 0.01; }) == 1)
      free.push_back(p);
  return free;
}

// Room for only `bytes` more bytes in a folder, made the real way where this process may (root: a 100 KiB
// tmpfs in a mount namespace of its own, filled up), else as a limit on the size of any file written.
class LittleRoom {
 public:
  explicit LittleRoom(const QString& dir) : dir_(QFile::encodeName(dir).toStdString()) {
    tmpfs_ = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
             mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=100k") == 0;
  }
  ~LittleRoom() {
    Release();
    if (tmpfs_) umount2(dir_.c_str(), MNT_DETACH);
  }
  const char* Kind() const { return tmpfs_ ? "a full tmpfs" : "a file-size limit"; }
  void Leave(qint64 bytes) {
    if (tmpfs_) {
      struct statvfs fs {};
      ASSERT_EQ(statvfs(dir_.c_str(), &fs), 0);
      const qint64 block = qint64(fs.f_bsize), free = qint64(fs.f_bavail) * block;
      QFile filler(QFile::decodeName(dir_.c_str()) + "/filler");
      ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
      ASSERT_EQ(filler.write(QByteArray(free - bytes / block * block, 'x')), free - bytes / block * block);
    } else {
      signal(SIGXFSZ, SIG_IGN);
      ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved_), 0);
      rlimit limit = saved_;
      limit.rlim_cur = rlim_t(bytes);
      ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
      limited_ = true;
    }
  }
  void Release() {
    if (limited_) setrlimit(RLIMIT_FSIZE, &saved_);
    limited_ = false;
  }

 private:
  std::string dir_;
  bool tmpfs_ = false, limited_ = false;
  rlimit saved_{};
};

bool Close(double a, double b) { return std::abs(a - b) < 0.01; }

class SheetProgram : public testing::Test {
 protected:
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};
}  // namespace

TEST_F(SheetProgram, DrawsTheThreeViewsAlignedByThirdAngleProjection) {
  WriteFigure(Path("box.nbo"), Box());
  const Result r = Sheet({"sheet", Path("box.nbo"), "--task", "build", "-o", Path("box.svg")});
  ASSERT_EQ(r.code, kExitOk) << r.err.toStdString();
  const std::vector<QRectF> d = Drawings(FigureStrokes(Path("box.svg")));
  ASSERT_EQ(d.size(), 3u);
  // Front 40 x 20, top 40 x 20, side 20 x 20, all on one scale.
  const auto find = [&](double wOverH) {
    for (const QRectF& r : d)
      if (Close(r.width() / r.height(), wOverH)) return r;
    return QRectF();
  };
  const QRectF side = find(1.0);
  ASSERT_FALSE(side.isNull());
  std::vector<QRectF> wide;
  for (const QRectF& r : d)
    if (r != side) wide.push_back(r);
  ASSERT_EQ(wide.size(), 2u);
  const QRectF top = wide[0].top() < wide[1].top() ? wide[0] : wide[1];
  const QRectF front = wide[0].top() < wide[1].top() ? wide[1] : wide[0];
  EXPECT_TRUE(Close(front.width() / 2, side.width()) && Close(front.height(), side.height()));
  EXPECT_TRUE(Close(top.width(), front.width()) && Close(top.height(), side.width()));
  // Third angle: the top view straight above the front view, the side view level with it on the right.
  EXPECT_TRUE(Close(top.left(), front.left()) && top.bottom() < front.top());
  EXPECT_TRUE(Close(side.top(), front.top()) && side.left() > front.right());
}

TEST_F(SheetProgram, TurnsTheFrontOfTheFigureTowardsTheFrontView) {
  // A stub sticking out of the front face at its top-left corner.
  std::vector<Edge> marked = Box();
  marked.push_back({{0, 20, 20}, {0, 20, 30}});
  WriteFigure(Path("marked.nbo"), marked);
  ASSERT_EQ(Sheet({"sheet", Path("marked.nbo"), "--task", "build", "-o", Path("marked.svg")}).code, kExitOk);
  const std::vector<QLineF> lines = FigureStrokes(Path("marked.svg"));
  std::vector<QRectF> d = Drawings(lines);
  ASSERT_EQ(d.size(), 3u);
  std::sort(d.begin(), d.end(),
            [](const QRectF& a, const QRectF& b) { return a.top() + a.left() < b.top() + b.left(); });
  const QRectF top = d[0], side = d[2];
  // In the top view the front is at the bottom; in the right side view it is on the left.
  const std::vector<QPointF> topEnd = FreeEnds(lines, top), sideEnd = FreeEnds(lines, side);
  ASSERT_EQ(topEnd.size(), 1u);
  ASSERT_EQ(sideEnd.size(), 1u);
  EXPECT_TRUE(Close(topEnd[0].x(), top.left()) && Close(topEnd[0].y(), top.bottom()));
  EXPECT_TRUE(Close(sideEnd[0].x(), side.left()) && Close(sideEnd[0].y(), side.top()));
}

TEST_F(SheetProgram, EachTaskDrawsItsOwnPictures) {
  WriteFigure(Path("box.nbo"), Box());

  const struct {
    const char* task;
    const char* answers;
    size_t drawings;
  } tasks[] = {{"views", "", 1},
               {"views", "--answers", 4},
               {"iso", "", 3},
               {"cabinet", "", 3},
               {"cabinet", "--answers", 4}};  // "build": three, as above
  for (const auto& t : tasks) {
    QStringList args{"sheet", Path("box.nbo"), "--task", t.task, "-o", Path("t.svg")};
    if (*t.answers) args << t.answers;
    ASSERT_EQ(Sheet(args).code, kExitOk);
    EXPECT_EQ(Drawings(FigureStrokes(Path("t.svg"))).size(), t.drawings) << t.task << t.answers;
  }
}

TEST_F(SheetProgram, AnEmptyFigureGivesAPageSayingSo) {
  WriteFigure(Path("empty.nbo"), {});
  ASSERT_EQ(Sheet({"sheet", Path("empty.nbo"), "--answers", "-o", Path("empty.svg")}).code, kExitOk);
  EXPECT_TRUE(PageText(Path("empty.svg")).contains(QString::fromUtf16(kEmptyFigureText)));
  EXPECT_TRUE(FigureStrokes(Path("empty.svg")).empty());
}

TEST_F(SheetProgram, ExitStatusesMessagesAndNoPartialOutput) {
  WriteFigure(Path("box.nbo"), Box());
  const std::vector<Edge> whole = Box();
  std::vector<Edge> reworked(whole.rbegin(), whole.rend());
  reworked[0] = {reworked[0].b, reworked[0].a};
  reworked.push_back({{0, 0, 0}, {20, 0, 0}});  // a piece of an edge drawn again
  WriteFigure(Path("reworked.nbo"), reworked);
  std::vector<Edge> missing = Box();
  missing.pop_back();
  WriteFigure(Path("missing.nbo"), missing);
  WriteFigure(Path("moved.nbo"), Shifted(Box(), {20, 40, 0}));
  std::vector<Edge> half = Box();
  half[0] = {{20, 0, 0}, {40, 0, 0}};  // the answer's (0,0,0)-(40,0,0) drawn half way
  WriteFigure(Path("half.nbo"), half);
  std::vector<Edge> wrong = Box();
  wrong[0] = {{0, 0, 0}, {40, 20, 0}};
  WriteFigure(Path("movedwrong.nbo"), Shifted(wrong, {20, 40, 0}));
  WriteFigure(Path("far.nbo"), Shifted(Box(), {2e17, 2e17, 0}));  // the reader takes any float
  WriteFigure(Path("fig.pdf"), Box());
  ASSERT_TRUE(QFile::link(Path("fig.pdf"), Path("link.svg")));
  std::filesystem::create_hard_link(Path("fig.pdf").toStdString(), Path("hard.pdf").toStdString());
  const QByteArray badBytes = "50 40 40 2\r\n0 0 0 x 0 0\r\n";
  QFile bad(Path("bad.nbo"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly) && bad.write(badBytes) == badBytes.size());
  bad.close();
  FigureData unused;
  std::u16string parsed;
  ASSERT_FALSE(ParseFigureFile(badBytes.toStdString(), unused, parsed));
  const QString reason = QString::fromStdU16String(parsed);

  const QString pdf = Path("out.pdf");
  const struct {
    QStringList args;
    int code;
    QString inOut, inErr;
  } cases[] = {
      {{"sheet", Path("box.nbo"), "-o", pdf}, kExitOk, "1 ページ", ""},
      {{"sheet", Path("box.nbo"), Path("bad.nbo"), "-o", pdf},
       kExitBadInput,
       "",
       "bad.nbo」を読めません: " + reason},
      {{"sheet", Path("none.nbo"), "-o", pdf}, kExitBadInput, "", "none.nbo"},
      {{"sheet", Path("box.nbo"), Path("box.nbo"), "-o", Path("out.svg")}, kExitBadInput, "", "SVG"},
      {{"sheet", Path("box.nbo")}, kExitBadInput, "", "-o"},
      {{"sheet", Path("box.nbo"), "-o", Path("out.png")}, kExitBadInput, "", ".pdf か .svg"},
      {{"sheet", Path("box.nbo"), "--unit", "0", "-o", pdf}, kExitBadInput, "", "--unit"},
      {{"sheet", Path("box.nbo"), "--task", "draw", "-o", pdf}, kExitBadInput, "", "--task"},
      {{"print", Path("box.nbo")}, kExitBadInput, "", "print"},
      {{"check", Path("box.nbo"), Path("reworked.nbo")}, kExitOk, "reworked.nbo: 正解", ""},
      {{"check", Path("box.nbo"), Path("box.nbo"), Path("missing.nbo")},
       kExitDiffers,
       "足りない辺: (40, 20, 0) - (40, 20, 20)",
       ""},
      {{"check", Path("box.nbo"), Path("bad.nbo"), Path("missing.nbo")},
       kExitBadInput,
       "足りない辺 1 本",
       reason},
      {{"check", Path("box.nbo"), Path("moved.nbo")}, kExitDiffers, "余分な辺 12 本", ""},
      {{"check", "--shift", Path("box.nbo"), Path("moved.nbo")}, kExitOk, "(20, 40, 0) mm ずらした", ""},
      {{"check", Path("box.nbo"), Path("half.nbo")},
       kExitDiffers,
       "足りない辺 1 本、余分な辺 0 本\n  足りない辺: (0, 0, 0) - (20, 0, 0)\n",
       ""},
      {{"check", "--shift", Path("box.nbo"), Path("movedwrong.nbo")},
       kExitDiffers,
       "足りない辺 1 本、余分な辺 1 本（全体を (20, 40, 0) mm ずらした形として）\n"
       "  足りない辺: (20, 40, 0) - (60, 40, 0)\n  余分な辺: (20, 40, 0) - (60, 60, 0)\n",
       ""},
      {{"sheet", Path("far.nbo"), "-o", pdf}, kExitOk, "1 ページ", ""},
      {{"sheet", Path("fig.pdf"), "-o", Path("fig.pdf")}, kExitBadInput, "", "読む図形ファイル"},
      {{"sheet", Path("box.nbo"), Path("fig.pdf"), "-o", dir_.path() + "/./fig.pdf"},
       kExitBadInput,
       "",
       "読む"},
      {{"sheet", Path("fig.pdf"), "-o", Path("link.svg")}, kExitBadInput, "", "読む図形ファイル"},
      {{"sheet", Path("hard.pdf"), "-o", Path("fig.pdf")}, kExitBadInput, "", "読む図形ファイル"},
      {{"check", Path("bad.nbo"), Path("box.nbo")}, kExitBadInput, "", reason},
      {{"check", Path("box.nbo")}, kExitBadInput, "", "学習者"},
      {{"--help"}, kExitOk, "nuboro-sheet check", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(u' ').toStdString());
    QFile::remove(pdf);
    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    const QStringList before = QDir(dir_.path()).entryList(QDir::Files);
    const Result r = Sheet(c.args);
    EXPECT_EQ(r.code, c.code) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(c.inOut)) << r.out.toStdString();
    EXPECT_TRUE(r.err.contains(c.inErr)) << r.err.toStdString();
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), before);  // no stray or partial file
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QByteArray now = old.readAll();
    old.close();
    const bool wrotePdf = c.code == kExitOk && c.args.contains(pdf);
    EXPECT_EQ(now.startsWith("%PDF"), wrotePdf);
    if (!wrotePdf) {
      EXPECT_EQ(now, "old");
    }
  }
  auto figure = std::make_unique<AppState>();
  QtFiles disk;
  std::u16string error;
  EXPECT_TRUE(ReadFigureFile(disk, Path("fig.pdf").toStdU16String(), *figure, error))
      << "an input was written over";
}

TEST_F(SheetProgram, AWriteThatDoesNotFitLeavesTheOldFileAsItWas) {
  WriteFigure(Path("box.nbo"), Box());
  for (const QString ext : {"pdf", "svg"}) {
    // The new page (the answers) where there is room, for its size.
    ASSERT_EQ(Sheet({"sheet", Path("box.nbo"), "--answers", "-o", Path("sized.") + ext}).code, kExitOk);
    const qint64 size = QFileInfo(Path("sized.") + ext).size();
    for (const qint64 room : {qint64(0), size / 2, size - 1, size + 8192}) {
      const QString dir = Path("full-") + ext + QString::number(room), old = dir + "/old." + ext;
      ASSERT_TRUE(QDir().mkpath(dir));
      LittleRoom little(dir);
      SCOPED_TRACE(ext.toStdString() + ", room for " + std::to_string(room) + " bytes, on " + little.Kind());
      RecordProperty("room", little.Kind());
      ASSERT_EQ(Sheet({"sheet", Path("box.nbo"), "-o", old}).code, kExitOk);
      const QByteArray before = FileBytes(old);
      little.Leave(room);
      const Result r = Sheet({"sheet", Path("box.nbo"), "--answers", "-o", old});
      little.Release();
      const QByteArray after = FileBytes(old);
      if (room < size) {
        EXPECT_EQ(r.code, kExitBadInput);
        EXPECT_TRUE(r.err.contains("元のファイルはそのまま") && r.out.isEmpty()) << r.err.toStdString();
        EXPECT_TRUE(after == before);
      } else {
        EXPECT_EQ(r.code, kExitOk) << r.err.toStdString();
        EXPECT_TRUE(after.size() == size && after != before);
      }
      const QStringList left = QDir(dir).entryList(QDir::Files);
      EXPECT_TRUE(left == QStringList{"old." + ext} || left == (QStringList{"filler", "old." + ext}))
          << left.join(' ').toStdString();
    }
  }
}

namespace {
// The paper mm per figure mm the page says it is drawn at, from its "尺度 a:b".
double PrintedScale(const QString& page) {
  const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("尺度 (\\d+):(\\d+)")).match(page);
  return m.hasMatch() ? m.captured(1).toDouble() / m.captured(2).toDouble() : 0;
}

// The direction of a stroke on paper in whole degrees, 0..179, y down.
int Direction(const QLineF& l) { return int(std::lround(std::fmod(360 - l.angle(), 180))) % 180; }
}  // namespace

// The picture measured in the page: each axis at its angle and its length at the printed scale, and the
// corners on crossings of the paper's lines, so the learner can count lengths: every corner of an isometric
// drawing, the front face of a cabinet one.
TEST_F(SheetProgram, ThePictureHasTrueLengthsAtTheSheetScaleOnItsPaper) {
  const struct {
    const char* task;
    double w, h, d;
    std::map<int, double> axes;  // direction in degrees → length in figure mm, times the scale
  } cases[] = {
      {"views", 40, 20, 60, {{30, 40}, {90, 20}, {150, 60}}},
      {"views", 100, 60, 80, {{30, 100}, {90, 60}, {150, 80}}},
      {"cabinet", 40, 20, 60, {{0, 40}, {90, 20}, {135, 30}}},
      {"cabinet", 120, 80, 60, {{0, 120}, {90, 80}, {135, 30}}},
  };
  const QRectF pictureBox = WorksheetLayout(1).problems.front().pictureBox;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.task) + " " + std::to_string(c.w));
    WriteFigure(Path("box.nbo"), Shifted(Box(c.w, c.h, c.d), {20, 40, 60}));
    const Result r = Sheet({"sheet", Path("box.nbo"), "--task", c.task, "--answers", "-o", Path("p.svg")});
    ASSERT_EQ(r.code, kExitOk) << r.err.toStdString();
    const double scale = PrintedScale(PageText(Path("p.svg")));
    ASSERT_GT(scale, 0);
    std::map<int, int> count;
    std::vector<QPointF> corners;
    for (const QLineF& l : FigureStrokes(Path("p.svg"))) {
      if (!pictureBox.contains(l.p1())) continue;
      ++count[Direction(l)];
      ASSERT_TRUE(c.axes.count(Direction(l))) << Direction(l);
      EXPECT_NEAR(l.length(), c.axes.at(Direction(l)) * scale, 0.01);
      corners.insert(corners.end(), {l.p1(), l.p2()});
    }
    EXPECT_EQ(count, (std::map<int, int>{{c.axes.begin()->first, 4},
                                         {std::next(c.axes.begin())->first, 4},
                                         {c.axes.rbegin()->first, 4}}));
    // The paper: lines along two of the picture's directions through every corner.
    std::vector<QLineF> paper;
    for (const QLineF& l : Strokes(Path("p.svg"), QStringLiteral("0.35"), QStringLiteral("#c8d7e6")))
      if (pictureBox.contains(l.center())) paper.push_back(l);
    ASSERT_FALSE(paper.empty());
    std::set<std::pair<double, double>> onCrossings;
    for (const QPointF corner : corners) {
      std::set<int> through;
      for (const QLineF& l : paper) {
        const QPointF u = (l.p2() - l.p1()) / l.length(), v = corner - l.p1();
        if (std::abs(u.x() * v.y() - u.y() * v.x()) < 0.01) through.insert(Direction(l));
      }
      if (through.size() >= (c.task == std::string("views") ? 3u : 2u))
        onCrossings.insert({std::round(corner.x() * 100), std::round(corner.y() * 100)});
    }
    EXPECT_EQ(onCrossings.size(), c.task == std::string("views") ? 8u : 4u);
  }
}

TEST_F(SheetProgram, ScalesForcedOrSharedAndProblemsPerPage) {
  WriteFigure(Path("small.nbo"), Box());
  WriteFigure(Path("big.nbo"), Box(200, 200, 200));
  const struct {
    QStringList args;
    int code;
    QString inOut, inErr;
  } cases[] = {
      {{"sheet", Path("big.nbo"), "--scale", "1:1", "-o", Path("f.svg")},
       kExitBadInput,
       "",
       "big.nbo」は尺度 1:1 では枠に収まりません（収まる最大の尺度は 1:5）"},
      {{"sheet", Path("small.nbo"), "--scale", "1/2", "-o", Path("f.svg")}, kExitBadInput, "", "--scale"},
      {{"sheet", Path("small.nbo"), "--per-page", "3", "-o", Path("f.pdf")}, kExitBadInput, "", "--per-page"},
      {{"sheet", Path("small.nbo"), "--task", "iso", "--scale", "1:2", "-o", Path("f.svg")},
       kExitOk,
       "1 ページ",
       ""},
      {{"sheet", Path("small.nbo"), Path("small.nbo"), Path("small.nbo"), Path("small.nbo"), Path("big.nbo"),
        "--per-page", "4", "-o", Path("f.pdf")},
       kExitOk,
       "2 ページ",
       ""},
      {{"sheet", Path("small.nbo"), Path("big.nbo"), "--per-page", "2", "-o", Path("f.pdf")},
       kExitOk,
       "1 ページ",
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(u' ').toStdString());
    const Result r = Sheet(c.args);
    EXPECT_EQ(r.code, c.code) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(c.inOut)) << r.out.toStdString();
    EXPECT_TRUE(r.err.contains(c.inErr)) << r.err.toStdString();
  }
  EXPECT_NEAR(PrintedScale(PageText(Path("f.svg"))), 0.5, 1e-12);

  // A set on one scale: the small figure drawn as small as the big one needs.
  for (const bool same : {false, true}) {
    QStringList args{"sheet", Path("small.nbo"), Path("big.nbo"), "-o", Path("set.pdf")};
    if (same) args << "--same-scale";
    ASSERT_EQ(Sheet(args).code, kExitOk);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {Path("set.pdf"), QStringLiteral("-")});
    if (!text.waitForFinished() || text.exitCode() != 0) GTEST_SKIP() << "no pdftotext to read the pages";
    const QString pages = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_EQ(pages.count(QStringLiteral("尺度 1:5")), same ? 2 : 1) << pages.toStdString();
    EXPECT_EQ(pages.count(QStringLiteral("尺度 1:1")), same ? 0 : 1);
  }
}

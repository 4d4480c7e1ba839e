// Figure files: exact bytes written, what loads and what fails, and that failures keep old data.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>

#include "figure/figure_file.h"
#include "figure/text.h"
#include "file_bytes.h"
#include "qt_files.h"

namespace {
// Real files, through the desktop's file access.
QtFiles disk;
std::u16string U(const QString& path) { return path.toStdU16String(); }

// The trailer in Shift-JIS, spelled out byte by byte so the encoder is checked, not trusted.
const std::string kSjisTrailer =
    std::string("\x97\xa7\x91\xcc\x83\x6b\x83\x7b\x83\x8d") + " for Windows Ver3.1";
const std::string kTrailerLine = kSjisTrailer + "\r\n";

QString TestDataFolder() { return QStringLiteral(NUBORO_TEST_DATA); }

void SetPoint(AppState& s, int i, float x, float y, float z) {
  s.msngLineX[i] = x;
  s.msngLineY[i] = y;
  s.msngLineZ[i] = z;
}

// The example figure: centre (10, 0, 0), one line from (0, 0, 0) to (20, 0, 0).
AppState ExampleFigure() {
  AppState s;
  SetPoint(s, 0, 10, 0, 0);
  SetPoint(s, 1, 0, 0, 0);
  SetPoint(s, 2, 20, 0, 0);
  s.mintLineCount = 1;
  return s;
}

// Every entry differs, the stale ones above 2N too, so any stray write shows.
AppState PatternedFigure(int lines) {
  AppState s;
  for (int i = 0; i <= kLastEntry; ++i) SetPoint(s, i, i + 0.25f, -i * 0.5f, 1000.0f - i);
  s.mintLineCount = static_cast<int16_t>(lines);
  s.msngZoom = 2.5f;
  return s;
}

void ExpectSameFigure(const AppState& a, const AppState& b) {
  EXPECT_EQ(a.mintLineCount, b.mintLineCount);
  EXPECT_EQ(a.msngLineX, b.msngLineX);
  EXPECT_EQ(a.msngLineY, b.msngLineY);
  EXPECT_EQ(a.msngLineZ, b.msngLineZ);
  EXPECT_EQ(a.msngZoom, b.msngZoom);
}

// Header, `n` records of a line along x, and the trailer.
std::string FileOfLines(int n, const std::string& countText) {
  std::string b = " 1  1  1  " + countText + " \r\n";
  for (int k = 1; k <= n; ++k) b += " 0  0  0  " + std::to_string(k) + "  0  0 \r\n";
  return b + kTrailerLine;
}

TEST(FigureFileBytes, EmptyFigureIsHeaderAndTrailer) {
  AppState s;
  InitialiseApplicationState(s);
  EXPECT_EQ(FigureFileBytes(s), " 0  0  0  0 \r\n" + kTrailerLine);
}

TEST(FigureFileBytes, ExampleFigure) {
  EXPECT_EQ(FigureFileBytes(ExampleFigure()), " 10  0  0  1 \r\n 0  0  0  20  0  0 \r\n" + kTrailerLine);
}

TEST(FigureFileBytes, SignsFractionsAndStaleEntries) {
  AppState s;
  SetPoint(s, 0, 2.5f, 0.5f, 0);
  SetPoint(s, 1, -10, 0.25f, 199.6f);
  SetPoint(s, 2, 0, -0.5f, 3);
  SetPoint(s, 3, 99, 99, 99);  // stale: beyond the one line
  s.mintLineCount = 1;
  EXPECT_EQ(FigureFileBytes(s), " 2.5  .5  0  1 \r\n-10  .25  199.6  0 -.5  3 \r\n" + kTrailerLine);
}

struct ParseCase {
  const char* name;
  std::string bytes;
  int lineCount;  // -1: the file must fail to load
  friend void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }
};

class ParseFigure : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseFigure, LoadsOrFails) {
  const ParseCase& c = GetParam();
  FigureData f;
  std::u16string error;
  const bool ok = ParseFigureFile(c.bytes, f, error);
  if (c.lineCount < 0) {
    EXPECT_FALSE(ok);
    EXPECT_FALSE(error.empty());
  } else {
    ASSERT_TRUE(ok) << Utf8FromUtf16(error);
    EXPECT_EQ(f.lineCount, c.lineCount);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Loads, ParseFigure,
    ::testing::Values(
        ParseCase{"Empty", " 0  0  0  0 \r\n" + kTrailerLine, 0},
        ParseCase{"Example", " 10  0  0  1 \r\n 0  0  0  20  0  0 \r\n" + kTrailerLine, 1},
        ParseCase{"CommaSeparated", "10,0,0,1\r\n0,0,0,20,0,0\r\n" + kTrailerLine, 1},
        ParseCase{"CommaAndSpaces", "10, 0 ,0, 1\r\n0 , 0,0 ,20,0,0\r\n" + kTrailerLine, 1},
        ParseCase{"OneLine", " 10  0  0  1  0  0  0  20  0  0 \r\n" + kTrailerLine, 1},
        ParseCase{"LineFeedsOnly", " 10  0  0  1 \n 0  0  0  20  0  0 \n" + kSjisTrailer + "\n", 1},
        ParseCase{"NumbersSpreadOverLines", "10\r\n0\r\n0\r\n1\r\n0 0\r\n0 20\r\n0 0\r\n" + kTrailerLine, 1},
        ParseCase{"LeadingBlankLines", "\r\n\r\n  10 0 0 1\r\n0 0 0 20 0 0\r\n" + kTrailerLine, 1},
        ParseCase{"TrailerWithoutLineEnd", " 0  0  0  0 \r\n" + kSjisTrailer, 0},
        ParseCase{"AnyTrailerText", " 0  0  0  0 \r\nsomething else\r\n", 0},
        ParseCase{"FractionsAndExponents",
                  "-.5 1E+07 2.5E-05 1\r\n.5 -.5 1 1.234568E+07 0 0\r\n" + kTrailerLine, 1},
        ParseCase{"FullFigure", FileOfLines(650, "650"), 650},
        // With a count of 0 the next line is the trailer, whatever it holds.
        ParseCase{"CountBelowRecords", FileOfLines(1, "0"), 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Fails, ParseFigure,
    ::testing::Values(
        ParseCase{"NoBytes", "", -1}, ParseCase{"OnlySpaces", "   \r\n \r\n", -1},
        ParseCase{"EndsInHeader", " 10  0  0 ", -1},
        ParseCase{"EndsInRecord", " 10  0  0  1 \r\n 0  0  0  20 ", -1},
        ParseCase{"MissingTrailer", " 10  0  0  1 \r\n 0  0  0  20  0  0 \r\n", -1},
        ParseCase{"MissingTrailerBlankLinesAfter", " 0  0  0  0 \r\n\r\n   \r\n", -1},
        ParseCase{"FewerRecordsThanCount", " 10  0  0  2 \r\n 0  0  0  20  0  0 \r\n" + kTrailerLine, -1},
        ParseCase{"TooManyLines", FileOfLines(651, "651"), -1},
        ParseCase{"NegativeCount", FileOfLines(0, "-1"), -1},
        ParseCase{"CountBeyond16Bits", FileOfLines(0, "40000"), -1},
        ParseCase{"CountJustBeyond16Bits", FileOfLines(0, "32768"), -1},
        ParseCase{"CountFarBelow16Bits", FileOfLines(0, "-40000"), -1},
        ParseCase{"CountInExponentForm", FileOfLines(0, "1e39"), -1},
        ParseCase{"CoordinateBeyondFloat", " 10  0  0  1 \r\n 0  0  0  1e39  0  0 \r\n" + kTrailerLine, -1},
        ParseCase{"CentreBeyondFloat", "-1e39  0  0  0 \r\n" + kTrailerLine, -1},
        ParseCase{"CoordinateBeyondDouble", " 10  0  0  1 \r\n 0  0  0  1e400  0  0 \r\n" + kTrailerLine, -1},
        ParseCase{"NanCoordinate", " 10  0  0  1 \r\n 0  nan  0  20  0  0 \r\n" + kTrailerLine, -1},
        ParseCase{"InfCoordinate", " 10  0  0  1 \r\n 0  0  0  inf  0  0 \r\n" + kTrailerLine, -1},
        ParseCase{"MinusInfCentre", "-inf  0  0  0 \r\n" + kTrailerLine, -1},
        ParseCase{"InfinityCount", FileOfLines(0, "Infinity"), -1},
        ParseCase{"LetterInNumber", " 1O  0  0  0 \r\n" + kTrailerLine, -1},
        ParseCase{"TrailerWhereNumberBelongs", " 10  0  0  1 \r\n" + kTrailerLine, -1}),
    [](const auto& info) { return std::string(info.param.name); });

// The box names the item a learner would look for: its place, and its text as an editor showed it.
TEST(ParseFigure, NamesTheItemItCannotRead) {
  const struct {
    std::string bytes;
    std::u16string shown;
  } cases[] = {
      {" 1O  0  0  0 \r\n", u"1 番目の項目「1O」"},
      {"\x82\x50\x82\x4f 0 0 0", u"1 番目の項目「１０」"},  // digits typed with the input method on
      {"1,\x81\x40\x82\x60\x82\x81 0 0", u"2 番目の項目「\u3000Ａａ」"},
      {"1 2 \xb1\xb2 0", u"3 番目の項目「ｱｲ」"},  // half-width katakana
      {"1 2 3 \x97\xa7\x80", u"4 番目の項目「\ufffd\ufffd」"},  // other characters, a stray byte
      {"12345678901234567890123x 0 0 0", u"1 番目の項目「12345678901234567890」"},
  };
  for (const auto& k : cases) {
    FigureData f;
    std::u16string error;
    ASSERT_FALSE(ParseFigureFile(k.bytes, f, error)) << k.bytes;
    EXPECT_EQ(error, u"数値として読めない項目があります（" + k.shown + u"）。") << k.bytes;
  }
}

TEST(ParseFigure, KeepsStoredCentreAndOrder) {
  FigureData f;
  std::u16string error;
  const std::string bytes = " 7  -3  .5  2 \r\n 1  2  3  4  5  6 \r\n-1 -2 -3 200 199.6 0\r\n" + kTrailerLine;
  ASSERT_TRUE(ParseFigureFile(bytes, f, error)) << Utf8FromUtf16(error);
  const float x[] = {7, 1, 4, -1, 200}, y[] = {-3, 2, 5, -2, 199.6f}, z[] = {.5f, 3, 6, -3, 0};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(f.x[i], x[i]);
    EXPECT_EQ(f.y[i], y[i]);
    EXPECT_EQ(f.z[i], z[i]);
  }
}

class FigureFiles : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QStringList Entries() const {
    return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  }

  QTemporaryDir dir_;
};

TEST_F(FigureFiles, FullFigureRoundTrip) {
  const AppState written = PatternedFigure(kMaxLines);
  std::u16string error;
  ASSERT_TRUE(WriteFigureFile(disk, U(Path("full.nbo")), written, error)) << Utf8FromUtf16(error);

  AppState read = PatternedFigure(3);
  for (int i = 0; i <= kLastEntry; ++i) SetPoint(read, i, -7, -7, -7);
  ASSERT_TRUE(ReadFigureFile(disk, U(Path("full.nbo")), read, error)) << Utf8FromUtf16(error);
  EXPECT_EQ(read.mintLineCount, kMaxLines);
  EXPECT_EQ(read.msngLineX, written.msngLineX);
  EXPECT_EQ(read.msngLineY, written.msngLineY);
  EXPECT_EQ(read.msngLineZ, written.msngLineZ);
}

TEST_F(FigureFiles, LoadReplacesFigureButNotCentreRuleOrZoom) {
  // The stored centre is taken as it stands, even when it does not fit the lines.
  ASSERT_TRUE(PutFile(Path("a.nbo"), " 500  1  2  1 \r\n 0  0  0  20  0  0 \r\n" + kTrailerLine));
  AppState s = PatternedFigure(5);
  s.mblnModified = true;
  std::u16string error;
  ASSERT_TRUE(ReadFigureFile(disk, U(Path("a.nbo")), s, error)) << Utf8FromUtf16(error);
  EXPECT_EQ(s.mintLineCount, 1);
  EXPECT_EQ(s.msngLineX[0], 500.0f);
  EXPECT_EQ(s.msngLineY[0], 1.0f);
  EXPECT_EQ(s.msngLineZ[0], 2.0f);
  EXPECT_EQ(s.msngLineX[2], 20.0f);
  EXPECT_EQ(s.msngZoom, 2.5f);
  EXPECT_TRUE(s.mblnModified);
}

TEST_F(FigureFiles, FixtureFilesLoad) {
  // Files as other editors leave them: commas, or every number on one line.
  const QString data = TestDataFolder();
  for (const char* name : {"comma_separated.nbo", "one_line.nbo"}) {
    SCOPED_TRACE(name);
    AppState s;
    std::u16string error;
    ASSERT_TRUE(ReadFigureFile(disk, U(data + "/figure/" + name), s, error)) << Utf8FromUtf16(error);
    EXPECT_EQ(s.mintLineCount, 3);
    EXPECT_EQ(s.msngLineX[0], 50.0f);
    EXPECT_EQ(s.msngLineY[5], 100.0f);
    EXPECT_EQ(s.msngLineZ[6], 40.0f);
  }
}

class FailedLoad : public FigureFiles, public ::testing::WithParamInterface<ParseCase> {};

TEST_P(FailedLoad, LeavesPreviousFigureUntouched) {
  ASSERT_TRUE(PutFile(Path("bad.nbo"), GetParam().bytes));
  const AppState before = PatternedFigure(4);
  AppState s = before;
  std::u16string error;
  EXPECT_FALSE(ReadFigureFile(disk, U(Path("bad.nbo")), s, error));
  EXPECT_FALSE(error.empty());
  ExpectSameFigure(s, before);
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, FailedLoad,
    ::testing::Values(
        ParseCase{"Empty", "", -1},
        ParseCase{"MissingTrailer", " 10  0  0  2 \r\n 1  2  3  4  5  6 \r\n 7  8  9  1  2  3 \r\n", -1},
        ParseCase{"BadNumberLate",
                  " 10  0  0  2 \r\n 1  2  3  4  5  6 \r\n 7  8  x  1  2  3 \r\n" + kTrailerLine, -1},
        ParseCase{"TooManyLines", FileOfLines(651, "651"), -1},
        ParseCase{"NegativeCount", FileOfLines(0, "-3"), -1},
        ParseCase{"CountBeyond16Bits", FileOfLines(0, "40000"), -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FigureFiles, FilesPastTheSizeBoundAreRefusedUnread) {
  // Whatever follows the trailer is ignored, up to a size no figure file reaches.
  struct Case {
    qint64 size;
    bool loads;
  };
  for (const Case c : {Case{1 << 20, true}, Case{(16 << 20) + 1, false}}) {
    SCOPED_TRACE(c.size);
    ASSERT_TRUE(PutFile(Path("padded.nbo"), " 500  1  2  1 \r\n 0  0  0  20  0  0 \r\n" + kTrailerLine));
    QFile file(Path("padded.nbo"));
    ASSERT_TRUE(file.resize(c.size));
    AppState s = PatternedFigure(2);
    std::u16string error;
    EXPECT_EQ(ReadFigureFile(disk, U(Path("padded.nbo")), s, error), c.loads) << Utf8FromUtf16(error);
    EXPECT_EQ(s.mintLineCount, c.loads ? 1 : 2);
  }
}

TEST_F(FigureFiles, UnopenablePathsFailWithoutTouchingFigure) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.nbo"));
  for (const QString& path : {Path("missing.nbo"), Path("folder.nbo"), Path("no/such/dir/a.nbo")}) {
    SCOPED_TRACE(path.toStdString());
    const AppState before = PatternedFigure(2);
    AppState s = before;
    std::u16string error;
    EXPECT_FALSE(ReadFigureFile(disk, U(path), s, error));
    EXPECT_FALSE(error.empty());
    ExpectSameFigure(s, before);
  }
}

TEST_F(FigureFiles, SaveReplacesAnExistingFileWhole) {
  ASSERT_TRUE(PutFile(Path("a.nbo"), std::string(5000, 'x')));
  const AppState s = ExampleFigure();
  std::u16string error;
  ASSERT_TRUE(WriteFigureFile(disk, U(Path("a.nbo")), s, error)) << Utf8FromUtf16(error);
  EXPECT_EQ(FileBytes(Path("a.nbo")).toStdString(), FigureFileBytes(s));
  EXPECT_EQ(Entries(), QStringList{"a.nbo"});
}

TEST_F(FigureFiles, SaveWhereNoFileCanBeFailsAndLeavesNoFileBehind) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir("taken.nbo"));
  ASSERT_TRUE(PutFile(Path("taken.nbo/inside.txt"), "keep me"));
  for (const char* place : {"no/such/dir/a.nbo", "taken.nbo"}) {
    SCOPED_TRACE(place);
    std::u16string error;
    EXPECT_FALSE(WriteFigureFile(disk, U(Path(place)), ExampleFigure(), error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Entries(), QStringList{"taken.nbo"});  // no half-written file beside it
  }
  EXPECT_TRUE(QFileInfo(Path("taken.nbo")).isDir());
  EXPECT_EQ(FileBytes(Path("taken.nbo/inside.txt")).toStdString(), "keep me");
}

// Saves under a file-size limit in a child process, so the limit never reaches the other tests.
[[noreturn]] void SaveUnderSizeLimit(const QString& path, const AppState& s, rlim_t limit) {
  std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG instead of killing
  rlimit r{};
  getrlimit(RLIMIT_FSIZE, &r);
  r.rlim_cur = limit;
  if (setrlimit(RLIMIT_FSIZE, &r) != 0) std::_Exit(2);
  std::u16string error;
  const bool saved = WriteFigureFile(disk, U(path), s, error);
  std::_Exit(saved ? 1 : (error.empty() ? 3 : 0));
}

TEST_F(FigureFiles, SaveThatRunsOutOfSpaceKeepsOldFile) {
  GTEST_FLAG_SET(death_test_style, "fast");  // the child must see this test's folder
  const std::string old = FigureFileBytes(ExampleFigure());
  ASSERT_TRUE(PutFile(Path("a.nbo"), old));
  const AppState big = PatternedFigure(kMaxLines);
  ASSERT_GT(FigureFileBytes(big).size(), 4096);

  // Exit code 0: the save reported failure with a reason.
  EXPECT_EXIT(SaveUnderSizeLimit(Path("a.nbo"), big, 1024), ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(FileBytes(Path("a.nbo")).toStdString(), old);
  EXPECT_EQ(Entries(), QStringList{"a.nbo"});
}

struct ZoomCase {
  float cx, cy, cz;
  bool set;
  float zoom;
};

class ZoomFromCentre : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(ZoomFromCentre, SetsUsableZoomOrLeavesIt) {
  const ZoomCase& c = GetParam();
  AppState s;
  s.msngZoom = 0.75f;
  SetPoint(s, 0, c.cx, c.cy, c.cz);
  EXPECT_EQ(SetZoomFromCentre(s), c.set);
  EXPECT_FLOAT_EQ(s.msngZoom, c.set ? c.zoom : 0.75f);
}

INSTANTIATE_TEST_SUITE_P(Centres, ZoomFromCentre,
                         ::testing::Values(ZoomCase{100, 100, 100, true, 1.125f},
                                           ZoomCase{50, 50, 50, true, 2.25f}, ZoomCase{1, 0, 0, true, 337.5f},
                                           ZoomCase{150, 0, 75, true, 1.5f},
                                           ZoomCase{3e38f, 3e38f, 3e38f, true, 3.75e-37f},
                                           ZoomCase{0, 0, 0, false, 0}, ZoomCase{10, -10, 0, false, 0},
                                           ZoomCase{-30, -20, -10, false, 0},
                                           ZoomCase{1e-45f, 0, 0, false, 0}));

struct NameCase {
  std::u16string given, normalised;
};

class NormaliseName : public ::testing::TestWithParam<NameCase> {};

TEST_P(NormaliseName, TrimsAndAddsExtension) {
  EXPECT_EQ(NormaliseFigureFileName(GetParam().given), GetParam().normalised);
}

INSTANTIATE_TEST_SUITE_P(Names, NormaliseName,
                         ::testing::Values(NameCase{u" a ", u"a.nbo"}, NameCase{u"a.NbO", u"a.NbO"},
                                           NameCase{u"a.nbo", u"a.nbo"}, NameCase{u"a.txt", u"a.txt.nbo"},
                                           NameCase{u"a.nbo.txt", u"a.nbo.txt.nbo"},
                                           NameCase{u"  x.NBO  ", u"x.NBO"}, NameCase{u"", u""},
                                           NameCase{u"    ", u""}, NameCase{u"a", u"a.nbo"},
                                           NameCase{u"nbo", u"nbo.nbo"}, NameCase{u".nbo", u".nbo"},
                                           NameCase{u"NBO", u"NBO.nbo"}, NameCase{u"a b", u"a b.nbo"},
                                           NameCase{u"図形.nbo", u"図形.nbo"},
                                           NameCase{u"C:\\データ\\図形", u"C:\\データ\\図形.nbo"}));

struct PathCase {
  std::u16string path, file;
};

class FilePart : public ::testing::TestWithParam<PathCase> {};

TEST_P(FilePart, IsTextAfterLastSeparator) { EXPECT_EQ(FilePartOfPath(GetParam().path), GetParam().file); }

INSTANTIATE_TEST_SUITE_P(Paths, FilePart,
                         ::testing::Values(PathCase{u"C:\\data\\fig.nbo", u"fig.nbo"},
                                           PathCase{u"/home/user/data/fig.nbo", u"fig.nbo"},
                                           PathCase{u"fig.nbo", u"fig.nbo"}, PathCase{u"C:\\data\\", u""},
                                           PathCase{u"/tmp/", u""}, PathCase{u"a/b\\c.nbo", u"c.nbo"},
                                           PathCase{u"a\\b/c.nbo", u"c.nbo"}, PathCase{u"", u""},
                                           PathCase{u"./データ/図形.nbo", u"図形.nbo"}));

}  // namespace

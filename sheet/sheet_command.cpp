// Argument parsing and the two subcommands. Every input file is read before any output is written, and the
// whole output is built in memory, written at once and committed through QSaveFile, so neither bad input
// nor a full disk leaves a partial file behind.
#include "sheet_command.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTextStream>
#include <QTranslator>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>

#include "class_report.h"
#include "drawing_scale.h"
#include "edge_set.h"
#include "feedback_page.h"
#include "figure/app_state.h"
#include "figure/figure_file.h"
#include "sheet_page.h"
#include "qt_files.h"

namespace {
const QString kProgram = QStringLiteral("nuboro-sheet");

struct Options {
  QCommandLineOption output{{QStringLiteral("o"), QStringLiteral("output")},
                            QStringLiteral("書き出すファイル（.pdf、図形が一つなら .svg も可）。"),
                            QStringLiteral("ファイル")};
  QCommandLineOption task{
      QStringLiteral("task"),
      QStringLiteral("views: 等角図から三面図をかく（既定）、build: 三面図から立体を作る、"
                     "iso: 三面図から等角図を等角方眼紙にかく、cabinet: 三面図からキャビネット図を"
                     "方眼紙にかく。"),
      QStringLiteral("views|build|iso|cabinet"), QStringLiteral("views")};
  QCommandLineOption answers{QStringLiteral("answers"),
                             QStringLiteral("三面図も立体の絵もかいた答えのページにする。")};
  QCommandLineOption unit{QStringLiteral("unit"), QStringLiteral("方眼の間隔（mm、既定 20）。"),
                          QStringLiteral("mm"), QStringLiteral("20")};
  QCommandLineOption scale{QStringLiteral("scale"),
                           QStringLiteral("尺度を決める（例 1:2）。既定は図が枠に収まる最大の尺度"
                                          "（5:1, 2:1, 1:1, 1:2, 1:5, 1:10, 1:20 …）。"),
                           QStringLiteral("尺度")};
  QCommandLineOption sameScale{QStringLiteral("same-scale"),
                               QStringLiteral("すべての図形を同じ尺度にする（どれもが収まる最大の尺度）。")};
  QCommandLineOption dimensions{QStringLiteral("dimensions"),
                                QStringLiteral("三面図に幅・奥行き・高さの寸法を入れる。")};
  QCommandLineOption title{QStringLiteral("title"), QStringLiteral("ページの見出し（既定は課題の名前）。"),
                           QStringLiteral("文")};
  QCommandLineOption note{QStringLiteral("note"), QStringLiteral("見出しの下に書く指示。"),
                          QStringLiteral("文")};
  QCommandLineOption perPage{QStringLiteral("per-page"), QStringLiteral("1 ページに載せる問題の数。"),
                             QStringLiteral("1|2|4"), QStringLiteral("1")};
  QCommandLineOption shift{
      QStringLiteral("shift"),
      QStringLiteral("check で、全体を方眼の整数倍だけ動かした図形も正解にし、違いも動かした位置で比べる。")};
  QCommandLineOption report{QStringLiteral("report"),
                            QStringLiteral("check で、学習者ごとに一行の結果の表を書き出す（.csv）。"),
                            QStringLiteral("ファイル")};
  QCommandLineOption feedback{
      QStringLiteral("feedback"),
      QStringLiteral("check で、学習者ごとに足りない辺を赤、余分な辺を青でかいたページを書き出す（.pdf）。"),
      QStringLiteral("ファイル")};
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                          QStringLiteral("この説明を表示する。")};
};

void SetUp(QCommandLineParser& parser, const Options& o) {
  parser.setApplicationDescription(QStringLiteral(
      "立体ヌボロの図形ファイルから三面図のワークシートを作り、学習者の図形を答えと照らし合わせます。\n\n"
      "  nuboro-sheet sheet 図形.nbo... -o 出力.pdf\n"
      "      図形ごとに A4 横 1 ページ（--per-page で 2 問か 4 問ずつ、図形が一つなら -o 出力.svg も可）\n"
      "  nuboro-sheet check 答え.nbo 学習者.nbo...\n"
      "      辺の集まりとして比べ、正解か、足りない辺と余分な辺（違う部分だけ）を表示します\n"
      "  nuboro-sheet check 答え.nbo 学習者.nbo... --report 結果.csv --feedback 結果.pdf\n"
      "      クラスの結果を表とページに書き出し、画面には一人一行だけ表示します\n\n"
      "終了状態: 0 すべて正解・書き出し成功、1 正解でない図形がある、2 入力の誤りか書き出しの失敗\n"
      "（書き出しに失敗したとき、前からあるファイルはそのまま残ります）"));
  parser.addPositionalArgument(QStringLiteral("コマンド"), QStringLiteral("sheet または check"));
  parser.addPositionalArgument(QStringLiteral("ファイル"), QStringLiteral("図形ファイル（.nbo）"),
                               QStringLiteral("ファイル..."));
  for (const QCommandLineOption* opt :
       {&o.output, &o.task, &o.answers, &o.unit, &o.scale, &o.sameScale, &o.dimensions, &o.title, &o.note,
        &o.perPage, &o.shift, &o.report, &o.feedback, &o.help})
    parser.addOption(*opt);
}

// A figure file read whole, or a message naming the file and the reader's reason.
bool ReadFigure(const QString& path, AppState& s, QTextStream& err, QString* reason = nullptr) {
  InitialiseApplicationState(s);
  QtFiles files;
  std::u16string text;
  if (ReadFigureFile(files, path.toStdU16String(), s, text)) return true;
  const QString error = QString::fromStdU16String(text);
  if (reason) *reason = error;
  err << kProgram << ": 「" << path << "」を読めません: " << error << Qt::endl;
  return false;
}

int Fail(QTextStream& err, const QString& message) {
  err << kProgram << ": " << message << Qt::endl;
  return kExitBadInput;
}

// The --unit value, or 0 when it is not a finite number above 0.
double GridUnit(const QCommandLineParser& parser, const Options& o) {
  bool ok = false;
  const double unit = parser.value(o.unit).toDouble(&ok);
  return ok && unit > 0 && std::isfinite(unit) ? unit : 0;
}

// Paints every page onto the device; `newPage` is called between pages.
template <typename NewPage>
bool PaintPages(QPaintDevice& device, double mmScale, const std::vector<SheetFigure>& figures,
                const SheetOptions& options, NewPage newPage) {
  QPainter p;
  if (!p.begin(&device)) return false;
  p.scale(mmScale, mmScale);
  const size_t per = size_t(options.perPage);
  for (size_t i = 0; i < figures.size(); i += per) {
    if (i > 0 && !newPage()) return false;
    const size_t n = std::min(per, figures.size() - i);
    PaintSheetPage(p, std::span(figures).subspan(i, n), int(i) + 1, options);
  }
  return p.end();
}

// The whole document in memory, so that writing it is one write whose count can be checked: the
// generators' own streams hide short writes. Empty when painting failed.
QByteArray RenderSheets(bool svg, const std::vector<SheetFigure>& figures, const SheetOptions& options) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  bool painted = false;
  if (svg) {
    // 10 pixels a millimetre keeps the page size exact; the view box makes one user unit a millimetre.
    QSvgGenerator gen;
    gen.setOutputDevice(&buffer);
    gen.setResolution(254);
    gen.setSize(QSize(2970, 2100));
    gen.setViewBox(QRectF(0, 0, 297, 210));
    gen.setTitle(figures.front().fileName);
    painted = PaintPages(gen, 1.0, figures, options, [] { return false; });
  } else {
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(600);
    pdf.setCreator(kProgram);
    painted = PaintPages(pdf, 600 / 25.4, figures, options, [&] { return pdf.newPage(); });
  }
  return painted ? buffer.data() : QByteArray();
}

// The old file stays as it was unless every byte reached the disk. Unbuffered, so that the write's count is
// what the file took: QSaveFile::commit() does not notice when its own final flush fails (a full disk).
bool WriteWhole(const QString& path, const QByteArray& bytes, QTextStream& err) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    Fail(err, QStringLiteral("「%1」を作れません: %2").arg(path, file.errorString()));
    return false;
  }
  const qint64 written = file.write(bytes);
  if (written != bytes.size()) {
    // A write cut short after some bytes has no system error to tell.
    const QString reason =
        written >= 0 && written < bytes.size()
            ? QStringLiteral("%1 バイトのうち %2 バイトしか書けません").arg(bytes.size()).arg(written)
            : file.errorString();
    file.cancelWriting();
    const QString kept =
        QFileInfo::exists(path) ? QStringLiteral("（元のファイルはそのままです）") : QString();
    Fail(err, QStringLiteral("「%1」を書き込めません%2: %3").arg(path, kept, reason));
    return false;
  }
  if (!file.commit()) {
    Fail(err, QStringLiteral("「%1」を保存できません: %2").arg(path, file.errorString()));
    return false;
  }
  return true;
}

bool WriteSheets(const QString& path, const std::vector<SheetFigure>& figures, const SheetOptions& options,
                 QTextStream& err) {
  const QByteArray bytes =
      RenderSheets(path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive), figures, options);
  if (bytes.isEmpty()) {
    Fail(err, QStringLiteral("「%1」のページを描けません。").arg(path));
    return false;
  }
  return WriteWhole(path, bytes, err);
}

// True when writing `output` would replace one of the inputs, by whatever path or link it is named.
bool IsAnInput(const QString& output, const QStringList& inputs) {
  std::error_code error;
  const std::filesystem::path out(output.toStdU16String());
  return std::any_of(inputs.begin(), inputs.end(), [&](const QString& in) {
    return std::filesystem::equivalent(out, std::filesystem::path(in.toStdU16String()), error);
  });
}

std::optional<SheetTask> TaskNamed(const QString& name) {
  static const std::pair<const char*, SheetTask> kTasks[] = {{"views", SheetTask::Views},
                                                             {"build", SheetTask::Build},
                                                             {"iso", SheetTask::Iso},
                                                             {"cabinet", SheetTask::Cabinet}};
  for (const auto& [text, task] : kTasks)
    if (name == QLatin1String(text)) return task;
  return std::nullopt;
}

// Each figure's scale: the forced one, or the largest of the series that fits its boxes, with --same-scale
// the smallest of those for all. False, with the message given, when a forced scale leaves one out.
bool ChooseScales(std::vector<SheetFigure>& figures, const std::optional<DrawingScale>& forced, bool same,
                  const SheetOptions& options, QTextStream& err) {
  const ProblemLayout cell = WorksheetLayout(options.perPage).problems.front();
  std::vector<double> fits;
  for (const SheetFigure& f : figures)
    fits.push_back(LargestFittingFactor(f.views, f.picture, cell, options.dimensions));
  const double smallest = *std::min_element(fits.begin(), fits.end());
  for (size_t i = 0; i < figures.size(); ++i) {
    if (forced && fits[i] < forced->Factor()) {
      Fail(err, QStringLiteral("「%1」は尺度 %2 では枠に収まりません（収まる最大の尺度は %3）。")
                    .arg(figures[i].fileName, forced->Text(), LargestScaleWithin(fits[i]).Text()));
      return false;
    }
    figures[i].scale = forced ? *forced : LargestScaleWithin(same ? smallest : fits[i]);
  }
  return true;
}

int RunSheet(const QCommandLineParser& parser, const Options& o, const QStringList& files, QTextStream& out,
             QTextStream& err) {
  const QString output = parser.value(o.output);
  const std::optional<SheetTask> task = TaskNamed(parser.value(o.task));
  if (files.isEmpty()) return Fail(err, QStringLiteral("図形ファイルを指定してください。"));
  if (output.isEmpty()) return Fail(err, QStringLiteral("書き出すファイルを -o で指定してください。"));
  const bool svg = output.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
  if (!svg && !output.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
    return Fail(err, QStringLiteral("「%1」: 書き出せるのは .pdf か .svg です。").arg(output));
  if (svg && files.size() != 1)
    return Fail(err, QStringLiteral("SVG に書き出せるのは図形一つだけです（%1 個指定）。").arg(files.size()));
  if (!task)
    return Fail(
        err,
        QStringLiteral("--task は views、build、iso か cabinet です（「%1」）。").arg(parser.value(o.task)));
  if (IsAnInput(output, files))
    return Fail(
        err,
        QStringLiteral("「%1」は読む図形ファイルの一つです。別の名前を -o で指定してください。").arg(output));
  const double unit = GridUnit(parser, o);
  if (!(unit > 0))
    return Fail(err, QStringLiteral("--unit は正の数です（「%1」）。").arg(parser.value(o.unit)));
  const QString perPage = parser.value(o.perPage);
  if (perPage != u"1" && perPage != u"2" && perPage != u"4")
    return Fail(err, QStringLiteral("--per-page は 1、2 か 4 です（「%1」）。").arg(perPage));
  std::optional<DrawingScale> forced;
  if (parser.isSet(o.scale) && !(forced = ParseScale(parser.value(o.scale))))
    return Fail(
        err, QStringLiteral("--scale は 1:2 や 2:1 のように書きます（「%1」）。").arg(parser.value(o.scale)));

  const SheetOptions options{*task,
                             parser.isSet(o.answers),
                             unit,
                             parser.isSet(o.dimensions),
                             parser.value(o.title),
                             parser.value(o.note),
                             perPage.toInt()};
  std::vector<SheetFigure> figures;
  auto s = std::make_unique<AppState>();
  for (const QString& path : files) {
    if (!ReadFigure(path, *s, err)) return kExitBadInput;
    const std::vector<Edge> edges = EdgesOfFigure(*s);
    figures.push_back({QFileInfo(path).fileName(),
                       ProjectThreeViews(*s),
                       ProjectPicture(edges, options.Picture()),
                       SizeOf(edges),
                       {}});
  }
  if (!ChooseScales(figures, forced, parser.isSet(o.sameScale), options, err)) return kExitBadInput;
  if (!WriteSheets(output, figures, options, err)) return kExitBadInput;
  const size_t pages = (figures.size() + options.perPage - 1) / options.perPage;
  out << "「" << output << "」に " << pages << " ページ書きました。" << Qt::endl;
  return kExitOk;
}

using Output = std::optional<QString>;  // a file to write, when asked for

// Why the class's outputs may not be written: not named as their kind, or one would replace an input or
// the other. Empty when they may.
QString RefusedOutputs(const Output& report, const Output& feedback, const QStringList& files) {
  if (report && !report->endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
    return QStringLiteral("--report に書き出せるのは .csv です（「%1」）。").arg(*report);
  if (feedback && !feedback->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
    return QStringLiteral("--feedback に書き出せるのは .pdf です（「%1」）。").arg(*feedback);
  for (const Output& output : {report, feedback}) {
    if (output && IsAnInput(*output, files))
      return QStringLiteral("「%1」は読む図形ファイルの一つです。別の名前を指定してください。").arg(*output);
  }
  if (report && feedback && IsAnInput(*feedback, {*report}))
    return QStringLiteral("--report と --feedback に同じファイル「%1」は指定できません。").arg(*feedback);
  return {};
}

QString Tally(const std::vector<LearnerResult>& results) {
  const auto count = [&](LearnerVerdict v) {
    return std::count_if(results.begin(), results.end(),
                         [&](const LearnerResult& r) { return r.verdict == v; });
  };
  return QStringLiteral("正解 %1 人、違う %2 人、読めない %3 人")
      .arg(count(LearnerVerdict::Right))
      .arg(count(LearnerVerdict::Wrong))
      .arg(count(LearnerVerdict::Unreadable));
}

bool WriteClassOutputs(const Output& report, const Output& feedback, const FeedbackAnswer& answer,
                       const std::vector<LearnerResult>& results, QTextStream& out, QTextStream& err) {
  if (report) {
    if (!WriteWhole(*report, ClassReportCsv(results), err)) return false;
    out << "「" << *report << "」に " << results.size() << " 人分の結果を書きました。" << Qt::endl;
  }
  if (feedback) {
    const QByteArray pdf = FeedbackPdf(answer, results);
    if (pdf.isEmpty()) {
      Fail(err, QStringLiteral("「%1」のページを描けません。").arg(*feedback));
      return false;
    }
    if (!WriteWhole(*feedback, pdf, err)) return false;
    out << "「" << *feedback << "」に " << results.size() << " ページ書きました。" << Qt::endl;
  }
  return true;
}

int RunCheck(const QCommandLineParser& parser, const Options& o, const QStringList& files, QTextStream& out,
             QTextStream& err) {
  if (files.size() < 2)
    return Fail(err, QStringLiteral("答えの図形ファイルと学習者の図形ファイルを指定してください。"));
  const double unit = GridUnit(parser, o);
  if (!(unit > 0))
    return Fail(err, QStringLiteral("--unit は正の数です（「%1」）。").arg(parser.value(o.unit)));
  const auto asked = [&](const QCommandLineOption& option) {
    return parser.isSet(option) ? Output(parser.value(option)) : std::nullopt;
  };
  const Output report = asked(o.report), feedback = asked(o.feedback);
  if (const QString refused = RefusedOutputs(report, feedback, files); !refused.isEmpty())
    return Fail(err, refused);
  auto s = std::make_unique<AppState>();
  if (!ReadFigure(files.front(), *s, err)) return kExitBadInput;
  const FeedbackAnswer answer{QFileInfo(files.front()).fileName(), MergeEdges(EdgesOfFigure(*s)), unit};
  // With a report the details are in the files; the console keeps to a line a learner.
  const bool summary = report || feedback;
  std::vector<LearnerResult> results;
  int status = kExitOk;
  for (const QString& path : files.mid(1)) {
    QString reason;
    if (ReadFigure(path, *s, err, &reason)) {
      results.push_back(
          JudgeLearner(path, answer.edges, MergeEdges(EdgesOfFigure(*s)), unit, parser.isSet(o.shift)));
    } else {
      results.push_back(UnreadableLearner(path, reason));
    }
    const LearnerResult& r = results.back();
    out << SummaryLine(r) << Qt::endl;
    if (!summary)
      for (const QString& line : DifferenceLines(r)) out << line << Qt::endl;
    if (r.verdict == LearnerVerdict::Unreadable) status = kExitBadInput;
    if (r.verdict == LearnerVerdict::Wrong && status == kExitOk) status = kExitDiffers;
  }
  if (summary) out << Tally(results) << Qt::endl;
  if (!WriteClassOutputs(report, feedback, answer, results, out, err)) return kExitBadInput;
  return status;
}

// The toolkit's own words in the generated help, in Japanese whatever translations are installed.
class CommandLineJapanese : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (qstrcmp(context, "QCommandLineParser") != 0) return {};
    static const std::pair<const char*, const char16_t*> kTexts[] = {
        {"Usage: %1", u"使い方: %1"},
        {"Options:", u"オプション:"},
        {"Arguments:", u"引数:"},
        {"[options]", u"[オプション]"},
        {"Unknown option '%1'.", u"知らないオプション「%1」です。"},
        {"Unknown options: %1.", u"知らないオプションです: %1。"},
        {"Missing value after '%1'.", u"「%1」の後に値がありません。"},
        {"Unexpected value after '%1'.", u"「%1」には値をつけません。"},
    };
    for (const auto& [from, to] : kTexts)
      if (qstrcmp(source, from) == 0) return QString::fromUtf16(to);
    return {};
  }
  bool isEmpty() const override { return false; }
};
}  // namespace

void InstallCommandLineJapanese() {
  static CommandLineJapanese translator;
  QCoreApplication::installTranslator(&translator);
}

int RunSheetProgram(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  QCommandLineParser parser;
  const Options o;
  SetUp(parser, o);
  if (!parser.parse(arguments)) return Fail(err, parser.errorText());
  if (parser.isSet(o.help)) {
    out << parser.helpText();
    return kExitOk;
  }
  const QStringList args = parser.positionalArguments();
  const QString command = args.value(0);
  if (command == QStringLiteral("sheet")) return RunSheet(parser, o, args.mid(1), out, err);
  if (command == QStringLiteral("check")) return RunCheck(parser, o, args.mid(1), out, err);
  return Fail(err, command.isEmpty()
                       ? QStringLiteral("コマンド sheet か check を指定してください（--help で説明）。")
                       : QStringLiteral("知らないコマンド「%1」です（sheet か check）。").arg(command));
}

// Judging learners and writing what was found: the console's lines and the spreadsheet's rows.
#include "class_report.h"

#include <QStringList>
#include <cmath>

#include "drawing_scale.h"

namespace {
Point3 Negated(const Point3& p) { return {-p.x, -p.y, -p.z}; }

QString PointText(const Point3& p) {
  return QStringLiteral("(%1, %2, %3)").arg(MmText(p.x), MmText(p.y), MmText(p.z));
}

// How far the learner's figure lies from the answer, as the teacher would move it back.
QString ShiftText(const LearnerResult& r) { return r.shift ? PointText(Negated(*r.shift)) : QString(); }

QString VerdictText(LearnerVerdict v) {
  switch (v) {
    case LearnerVerdict::Right: return QStringLiteral("正解");
    case LearnerVerdict::Wrong: return QStringLiteral("違う");
    case LearnerVerdict::Unreadable: return QStringLiteral("読めない");
  }
  return {};
}

// Quoted when a comma, quote or line break would split the field. A field that a spreadsheet would take
// for a formula gets a leading apostrophe: file names come from learners.
QString CsvField(QString text) {
  if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front())) text.prepend(u'\'');
  if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
    return text;
  text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
  return u'"' + text + u'"';
}
}  // namespace

LearnerResult JudgeLearner(const QString& path, const std::vector<Edge>& answer,
                           const std::vector<Edge>& learner, double unit, bool tryShift) {
  LearnerResult r{path, LearnerVerdict::Wrong, CompareEdges(answer, learner), std::nullopt, {}};
  const std::optional<Point3> by =
      r.difference.Matches() || !tryShift ? std::nullopt : FindGridShift(answer, learner, unit);
  if (by) {
    const EdgeDifference moved = CompareEdges(answer, Shifted(learner, *by));
    if (moved.missing.size() + moved.extra.size() < r.difference.missing.size() + r.difference.extra.size()) {
      r.difference = {Shifted(moved.missing, Negated(*by)), Shifted(moved.extra, Negated(*by))};
      r.shift = by;
    }
  }
  if (r.difference.Matches()) r.verdict = LearnerVerdict::Right;
  return r;
}

LearnerResult UnreadableLearner(const QString& path, const QString& reason) {
  return {path, LearnerVerdict::Unreadable, {}, std::nullopt, reason};
}

QString EdgeText(const Edge& e) { return PointText(e.a) + QStringLiteral(" - ") + PointText(e.b); }

double TotalLength(const std::vector<Edge>& edges) {
  double total = 0;
  for (const Edge& e : edges) total += std::hypot(e.b.x - e.a.x, e.b.y - e.a.y, e.b.z - e.a.z);
  return total;
}

QString SummaryLine(const LearnerResult& r) {
  const QString moved = QStringLiteral("全体を %1 mm ずらした形").arg(ShiftText(r));
  switch (r.verdict) {
    case LearnerVerdict::Right:
      return r.path + QStringLiteral(": 正解") + (r.shift ? u'（' + moved + u'）' : QString());
    case LearnerVerdict::Wrong:
      return r.path +
             QStringLiteral(": 足りない辺 %1 本、余分な辺 %2 本")
                 .arg(r.difference.missing.size())
                 .arg(r.difference.extra.size()) +
             (r.shift ? u'（' + moved + QStringLiteral("として）") : QString());
    case LearnerVerdict::Unreadable: return r.path + QStringLiteral(": 読めない: ") + r.reason;
  }
  return {};
}

QStringList DifferenceLines(const LearnerResult& r) {
  QStringList lines;
  for (const Edge& e : r.difference.missing) lines << QStringLiteral("  足りない辺: ") + EdgeText(e);
  for (const Edge& e : r.difference.extra) lines << QStringLiteral("  余分な辺: ") + EdgeText(e);
  return lines;
}

QByteArray ClassReportCsv(const std::vector<LearnerResult>& results) {
  QStringList rows{
      QStringLiteral("ファイル,判定,足りない辺（本）,足りない辺の長さ（mm）,余分な辺（本）,"
                     "余分な辺の長さ（mm）,ずらした量（mm）,読めない理由")};
  for (const LearnerResult& r : results) {
    QStringList fields{CsvField(r.path), VerdictText(r.verdict)};
    if (r.verdict == LearnerVerdict::Unreadable) {
      fields << QString() << QString() << QString() << QString() << QString() << CsvField(r.reason);
    } else {
      const EdgeDifference& d = r.difference;
      fields << QString::number(d.missing.size()) << MmText(TotalLength(d.missing))
             << QString::number(d.extra.size()) << MmText(TotalLength(d.extra)) << CsvField(ShiftText(r))
             << QString();
    }
    rows << fields.join(u',');
  }
  return "\xEF\xBB\xBF" + (rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

// A class's figures judged against the answer: one result per learner, its summary line and the CSV report.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "edge_set.h"

enum class LearnerVerdict { Right, Wrong, Unreadable };

struct LearnerResult {
  QString path;  // as the teacher named it
  LearnerVerdict verdict = LearnerVerdict::Unreadable;
  // Told in the learner's own coordinates; with `shift`, compared after that move.
  EdgeDifference difference;
  std::optional<Point3> shift;  // lays the learner's figure onto the answer
  QString reason;               // why the file could not be read
};

// Both edge lists as MergeEdges returns them. With `tryShift`, a move by whole `unit` steps is taken when
// it leaves fewer differing edges.
LearnerResult JudgeLearner(const QString& path, const std::vector<Edge>& answer,
                           const std::vector<Edge>& learner, double unit, bool tryShift);
LearnerResult UnreadableLearner(const QString& path, const QString& reason);

QString EdgeText(const Edge& e);
double TotalLength(const std::vector<Edge>& edges);

// "path: 正解", the counts of missing and extra edges, or why the file could not be read.
QString SummaryLine(const LearnerResult& r);
// The edges behind a wrong verdict, one line each, indented under the summary.
QStringList DifferenceLines(const LearnerResult& r);

// UTF-8 with a byte-order mark and CR LF line ends, so a spreadsheet opens it as Japanese text.
QByteArray ClassReportCsv(const std::vector<LearnerResult>& results);

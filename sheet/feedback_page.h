// A page per learner showing where the figure differs from the answer: missing pieces red, extra ones blue.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <vector>

#include "class_report.h"

class QPainter;

inline const QColor kMissingColour(220, 0, 0);
inline const QColor kExtraColour(0, 80, 230);

struct FeedbackAnswer {
  QString fileName;
  std::vector<Edge> edges;
  double unit = 20;  // grid step, figure mm
};

// On an A4 landscape page; the painter's unit must be one millimetre.
void PaintFeedbackPage(QPainter& p, const FeedbackAnswer& answer, const LearnerResult& learner);

// The whole PDF, one page per learner in the given order; empty when painting failed.
QByteArray FeedbackPdf(const FeedbackAnswer& answer, const std::vector<LearnerResult>& learners);

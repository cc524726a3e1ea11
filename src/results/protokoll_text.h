#pragma once
// The protocol text of a quiz run, made from its record: the summary (participant,
// options, figures) and the detailed course, "<tit>" headings, label TAB value, CR LF lines.
#include "quiz/quizlauf.h"

#include <QString>

// The whole protocol: summary, then the course.
QString ProtokollText(const QuizLauf& lauf);
// The detailed course alone: one line per start, question presented, answer and time-out.
QString AblaufText(const QuizLauf& lauf);

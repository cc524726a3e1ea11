#pragma once
// The answer record of a finished quiz run, from the run record the quiz hands over.
#include "analysis/antwortsatz.h"

struct QuizLauf;

// `hash` is the document file's hash (DateiHash), computed by the caller once per document.
KqaLauf KqaLaufAus(const QuizLauf& lauf, const QString& hash);

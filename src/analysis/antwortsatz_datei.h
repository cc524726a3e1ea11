#pragma once
// Appending a run's line to the answer records beside a best list, under the same lock
// and with the same retries as the best list; the shared folder's files are not trusted.
#include "analysis/antwortsatz.h"

#include <QString>

class AnhangSchicht;
class Warten;

// "europa.hsc" -> "europa.kqa", in the same folder.
QString KqaPfadZuBestenliste(const QString& bestListPfad);

// Appends the line of `lauf` with its line end, as the best list appends its entry: locked,
// retried, a failed try cut back, and never through a link or into anything but a regular
// file. A line that a crash left unfinished gets its end first. `fehler` gets the reason
// of the last attempt. `schicht` is for tests that make the system fail.
bool KqaAnhaengen(const QString& pfad, const KqaLauf& lauf, Warten& warten, QString& fehler,
                  AnhangSchicht* schicht = nullptr);

#pragma once
// Appending a run's line to the answer records beside a best list, under the same lock
// and with the same retries as the best list; the shared folder's files are not trusted.
#include "analysis/antwortsatz.h"

#include <QString>

class Warten;

// "europa.hsc" -> "europa.kqa", in the same folder.
QString KqaPfadZuBestenliste(const QString& bestListPfad);

// Appends the line of `lauf` with its line end. A link, or anything but a regular file
// under the name, is never written through. `fehler` gets the reason of the last attempt.
bool KqaAnhaengen(const QString& pfad, const KqaLauf& lauf, Warten& warten, QString& fehler);

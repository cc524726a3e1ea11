#pragma once
// The caption encoding of object records: lines joined by commas, a line with
// blanks, control bytes, quotes or commas written between double quotes.
#include <QByteArray>
#include <QString>

// Caption -> the bytes stored in the file (Windows-1252).
QByteArray BeschriftungKodieren(const QString& beschriftung);
// Stored bytes -> caption with CR LF between lines, outer blanks and control bytes removed.
QString BeschriftungDekodieren(const char* daten, qsizetype laenge);
inline QString BeschriftungDekodieren(const QByteArray& daten) {
    return BeschriftungDekodieren(daten.constData(), daten.size());
}

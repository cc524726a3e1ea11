#pragma once
// Windows-1252, the code page of every text in the program's files.
#include <QByteArray>
#include <QString>
#include <QStringView>

// Bytes 0x80 to 0x9F map to their 1252 characters; the five bytes that 1252
// leaves undefined map to the control characters of the same number, so that
// any byte sequence survives a decode and encode unchanged.
QString AusCp1252(const char* daten, qsizetype laenge);
inline QString AusCp1252(const QByteArray& daten) {
    return AusCp1252(daten.constData(), daten.size());
}

// A character that 1252 lacks loses its accents when its base letter exists
// ("ő" becomes "o"), otherwise it becomes "?"; nothing is ever dropped silently.
QByteArray NachCp1252(QStringView text);

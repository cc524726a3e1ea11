#pragma once
// Finding the document that a .kqa's runs were played on: by its file name and the hash
// of its file, in the folders the caller names (the .kqa's own, the topic folder, the
// communication folder). A document whose hash differs is another version and not taken.
#include <QString>
#include <QStringList>

// SHA-256 of a regular file as lower-case hex; empty for a link, a non-regular or unreadable file.
QString DateiHash(const QString& pfad);

// The path of the document, or empty. `kqaPfad` gives its own base name as a candidate
// ("europa.kqa" -> "europa.tvl"); `datei` and `hash` come from the runs.
QString KqaDokumentSuchen(const QString& kqaPfad, const QString& datei, const QString& hash,
                          const QStringList& ordner);

#pragma once
// Samples of the build and the bytes a document writes, for the editor's tests.
#include "documents/tvl_datei.h"
#include "editor/editordokument.h"

#include <QBuffer>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

inline QString Beispiel(const char* name) {
    return QStringLiteral(KARTELLO_BIN_ORDNER "/") + QString::fromLatin1(name) + QStringLiteral(".tvl");
}

inline QByteArray DateiBytes(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The file the document would be: equal bytes mean an equal document.
inline QByteArray Bytes(const Dokument& dok) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    TvlSchreiber().schreiben(puffer, dok);
    return puffer.data();
}

inline QByteArray Bytes(const EditorDokument& dok) {
    return Bytes(dok.dokument());
}

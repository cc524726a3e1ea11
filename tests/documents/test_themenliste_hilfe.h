#pragma once
// Hand-made topic document files for the topic list tests: a real header, no
// objects and a tiny PNG, written byte by byte so the tests do not depend on the
// document writer.
#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringEncoder>
#include <QtEndian>

namespace thementest {

inline void Zahl(QByteArray& b, qint32 wert) {
    char roh[4];
    qToLittleEndian(wert, roh);
    b.append(roh, 4);
}

inline void Text(QByteArray& b, const QString& text) {
    QStringEncoder kodierer("windows-1252");
    const QByteArray bytes = kodierer.encode(text);
    Zahl(b, static_cast<qint32>(bytes.size()));
    b.append(bytes);
}

inline QByteArray KleinesPng() {
    QImage bild(3, 2, QImage::Format_RGB32);
    bild.fill(qRgb(10, 200, 30));
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return png;
}

// A complete document with the four mandatory header fields, no objects and a PNG.
inline QByteArray Dokumentbytes(const QString& titel, const QString& magie = QStringLiteral("KRF-1.01")) {
    QByteArray b;
    Text(b, magie);
    Text(b, QStringLiteral("|HD-vers|HD-titel|HD-autor|HD-bemerkung|OB-Sx|OB-Sy|OB-Kx|OB-Ky|OB-Cap|OB-KAusr|"
                           "OB-TAusr|OB-Ebene|OB-Typ|OB-Sline|OB-Fsize|OB-KAusrAkt|"));
    Text(b, QStringLiteral("1.00"));
    Text(b, titel);
    Text(b, QStringLiteral("Autor"));
    Text(b, QString());
    Zahl(b, 0);
    b.append(KleinesPng());
    return b;
}

inline bool Schreiben(const QString& pfad, const QByteArray& bytes) {
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size();
}

inline bool DokumentAnlegen(const QDir& ordner, const QString& name, const QString& titel) {
    return Schreiben(ordner.filePath(name), Dokumentbytes(titel));
}

} // namespace thementest

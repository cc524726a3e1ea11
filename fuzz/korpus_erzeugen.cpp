// Writes the seed corpus of fuzz_tvl_leser: a few tiny valid documents with
// different image kinds and key lists, and some damaged ones.
#include "documents/tvl_datei.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>

namespace {

QByteArray Datei(const Dokument& d) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    TvlSchreiber().schreiben(b, d);
    return b.data();
}

// Replaces the PNG of a written file with another encoding of an image.
QByteArray MitPng(const QByteArray& datei, const QImage& bild) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    bild.save(&b, "PNG");
    return datei.left(datei.indexOf("\x89PNG")) + b.data();
}

ObjDataTyp Objekt(int32_t typ, const char* cap, int32_t frage) {
    ObjDataTyp o;
    o.OB_Sx = 0.25;
    o.OB_Sy = 0.5;
    o.OB_Kx = 0.75;
    o.OB_Ky = 0.125;
    o.OB_Cap = QString::fromUtf8(cap);
    o.OB_Typ = typ;
    o.OB_FrageNummer = frage;
    return o;
}

void Ablegen(const QString& ordner, const char* name, const QByteArray& bytes) {
    QFile f(ordner + u'/' + QString::fromLatin1(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", name);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(ordner);

    Dokument leer;
    leer.Basisbild = QImage(1, 1, QImage::Format_RGB32);
    leer.Basisbild.fill(Qt::white);
    Ablegen(ordner, "leer.tvl", Datei(leer));

    Dokument d;
    d.Header.HD_titel = QStringLiteral("Flüsse");
    d.Header.HD_fragentext = QStringLiteral("Frage // Antwort");
    d.Header.HD_DokTyp = 2;
    d.Header.HD_RandErw = {0.1, 0, 0.1, 0};
    d.Objekte = {Objekt(0, "Rhein", -1), Objekt(10, "Zeile 1\r\nZeile, \"2\"", 1),
                 Objekt(11, "Frage Nr. 1", 1)};
    d.Basisbild = QImage(4, 3, QImage::Format_ARGB32);
    d.Basisbild.fill(qRgba(10, 200, 30, 128));
    const QByteArray beispiel = Datei(d);
    Ablegen(ordner, "beispiel.tvl", beispiel);

    QImage palette(5, 2, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(0, 0, 0), qRgba(255, 0, 0, 100), qRgb(0, 0, 255)});
    palette.fill(1);
    Ablegen(ordner, "palette.tvl", MitPng(beispiel, palette));
    QImage grau(3, 3, QImage::Format_Grayscale16);
    grau.fill(Qt::gray);
    Ablegen(ordner, "grau16.tvl", MitPng(beispiel, grau));
    QImage mono(9, 2, QImage::Format_Mono);
    mono.fill(1);
    Ablegen(ordner, "mono.tvl", MitPng(beispiel, mono));

    // Only the mandatory keys: no optional header fields, no question numbers.
    QByteArray pflicht = Datei(leer);
    QByteArray liste(TvlSchluesselliste);
    pflicht.remove(0, 16 + liste.size());
    liste = "|HD-vers|HD-titel|HD-autor|HD-bemerkung|OB-Cap|";
    QByteArray vorn = QByteArray::fromHex("08000000") + "KRF-1.01";
    const int32_t n = static_cast<int32_t>(liste.size());
    vorn.append(reinterpret_cast<const char*>(&n), 4).append(liste);
    // The four mandatory strings are "1.00" and three empty ones; then the optional fields follow in
    // `pflicht`.
    const qsizetype nachKopf = 8 + 3 * 4;
    Ablegen(ordner, "pflicht.tvl", vorn + pflicht.left(nachKopf) + pflicht.mid(nachKopf + 8 + 8 + 32 + 8));

    Ablegen(ordner, "abgeschnitten.tvl", beispiel.left(beispiel.size() - 40));
    QByteArray magic = beispiel;
    magic.replace(4, 4, "KRX-");
    Ablegen(ordner, "magic.tvl", magic);
    // An object count far beyond the file: the count 3 stands right before the first OB-Sx (0.25).
    QByteArray anzahl = beispiel;
    const qsizetype zaehler = anzahl.indexOf(QByteArray::fromHex("03000000000000000000d03f"));
    if (zaehler >= 0) anzahl.replace(zaehler, 4, QByteArray::fromHex("ffffff7f"));
    Ablegen(ordner, "anzahl.tvl", anzahl);
    return 0;
}

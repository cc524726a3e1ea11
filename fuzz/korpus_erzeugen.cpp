// Writes the seed corpora of the fuzz targets into <folder>/tvl, /hsc and /rtf:
// tiny valid files of each format with their variants, some damaged ones, and for
// the document reader the two costly kinds of image (a compressed text chunk, a
// large 1-bit raster) that its limits must stop.
#include "documents/tvl_datei.h"
#include "documents/tvl_puffer.h"
#include "results/bestenliste_format.h"

#include "png_bauen.h"

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

QByteArray Hsc(std::initializer_list<QByteArray> teile) {
    QByteArray b;
    for (const QByteArray& t : teile)
        b += t;
    return b;
}

QByteArray HscText(const QByteArray& t) {
    QByteArray b;
    TvlPacker(b).text(t);
    return b;
}

QByteArray HscZahl(int32_t z) {
    QByteArray b;
    TvlPacker(b).ganzzahl(z);
    return b;
}

void BestenlistenAblegen(const QString& ordner) {
    QDir().mkpath(ordner);
    const BestListDataTyp anna{QStringLiteral("Anna"), QStringLiteral("PC-01"), 46364.43, 59999, 0.875};
    const BestListDataTyp joerg{QStringLiteral("Jörg"), QStringLiteral("PC-02"), 46364.5, 6000000, 0.5};
    const QByteArray kopf = BestListKopf();
    const QByteArray zwei = kopf + BestListEintragBytes(anna) + BestListEintragBytes(joerg);
    Ablegen(ordner, "leer.hsc", kopf);
    Ablegen(ordner, "zwei.hsc", zwei);
    Ablegen(ordner, "abgeschnitten.hsc", zwei.left(zwei.size() - 5));
    Ablegen(ordner, "teilschluessel.hsc",
            Hsc({HscText(BestListKennung), HscText("|HSC-Name|HSC-Leistung|"), HscText("Bo"),
                 QByteArray::fromHex("000000000000f03f")}));
    Ablegen(ordner, "mitte_negativ.hsc",
            Hsc({kopf, BestListEintragBytes(anna), HscZahl(-3), BestListEintragBytes(joerg)}));
    Ablegen(ordner, "fremde_schluessel.hsc",
            Hsc({HscText(BestListKennung), HscText("|HSC-Fremd|"), HscText("x")}));
    Ablegen(ordner, "ausserhalb.hsc",
            Hsc({kopf, HscText("A"), HscText("R"), QByteArray::fromHex("000000000000f07f"), HscZahl(-5),
                 QByteArray::fromHex("0000000000001c40")}));
    Ablegen(ordner, "kennung_falsch.hsc", Hsc({HscText("TVL-HSC-2.00"), HscText(BestListSchluesselliste)}));
    // What a file grown by a hole reads as: runs of zeros after the header and after entries.
    Ablegen(ordner, "duenn_nullen.hsc", kopf + QByteArray(64 * 1024, '\0'));
    Ablegen(ordner, "nullen_nach_eintraegen.hsc", zwei + QByteArray(4096, '\0'));
    Ablegen(ordner, "nullen_ohne_beginn.hsc",
            Hsc({HscText(BestListKennung), HscText("|HSC-Name|HSC-Dauer|"), QByteArray(4096, '\0')}));
}

void RtfAblegen(const QString& ordner) {
    QDir().mkpath(ordner);
    Ablegen(ordner, "einfach.rtf",
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
            "\\pard\\f0\\fs24 Hallo \\b fett\\b0  und \\i kursiv\\i0\\par\r\n}");
    Ablegen(ordner, "tabs.rtf",
            "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Helvetica;}{\\f1\\froman Times;}}"
            "\\pard\\tx720\\tx2880\\f1\\fs20 Frage\\tab Antwort\\par\\pard\\plain Ende\\par}");
    Ablegen(ordner, "zeichen.rtf",
            "{\\rtf1\\ansi{\\*\\generator Test;}{\\fonttbl{\\f0 Arial;}}"
            "Gr\\'fc\\'dfe \\u8364?  \\{Klammer\\}\\par}");
    Ablegen(ordner, "offen.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}} Text\\'e");
    Ablegen(ordner, "kein_kopf.rtf", "{\\rtx1 Text}");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const QString wurzel = QString::fromLocal8Bit(argv[1]);
    BestenlistenAblegen(wurzel + QStringLiteral("/hsc"));
    RtfAblegen(wurzel + QStringLiteral("/rtf"));
    const QString ordner = wurzel + QStringLiteral("/tvl");
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

    // Text chunks that inflate to 10 MB each, and 400 megapixels in a few kilobytes.
    QByteArray bomben = pngbau::Signatur() + pngbau::Ihdr(2, 2, 8, 0);
    const QByteArray bombe = pngbau::TextBombe(10'000'000);
    for (int i = 0; i < 3; ++i)
        bomben += bombe;
    bomben += pngbau::Chunk("IDAT", pngbau::NullenKomprimiert(2 * 3)) + pngbau::Chunk("IEND", {});
    Ablegen(ordner, "textbombe.tvl", beispiel.left(beispiel.indexOf("\x89PNG")) + bomben);
    Ablegen(ordner, "mono_gross.tvl",
            beispiel.left(beispiel.indexOf("\x89PNG")) + pngbau::Nullbild(20000, 20000, 1));
    return 0;
}

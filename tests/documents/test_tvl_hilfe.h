#pragma once
// Shared builders for the document file tests: sample documents, hand-made
// files and PNG datastreams of every kind libpng can produce.
#include "documents/dokument.h"
#include "documents/tvl_datei.h"
#include "documents/tvl_puffer.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QTemporaryDir>

#include <png.h>
#include <string>
#include <vector>

namespace tvltest {

// An image with smooth areas, edges and varying alpha, so that every channel matters.
inline QImage Musterbild(int breite = 37, int hoehe = 23) {
    QImage bild(breite, hoehe, QImage::Format_ARGB32);
    for (int y = 0; y < hoehe; ++y) {
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y,
                          qRgba((x * 7 + y) & 0xFF, (y * 11) & 0xFF, (x * y) & 0xFF, (x * 13 + 40) & 0xFF));
    }
    return bild;
}

inline ObjDataTyp Objekt(int32_t typ, const QString& cap, int32_t frage = -1) {
    ObjDataTyp o;
    o.OB_Sx = 0.125 + typ * 0.01;
    o.OB_Sy = 0.75;
    o.OB_Kx = 1.0 / 3.0;
    o.OB_Ky = 0.5;
    o.OB_Cap = cap;
    o.OB_KAusr = 2;
    o.OB_TAusr = 1;
    o.OB_Ebene = 1;
    o.OB_Typ = typ;
    o.OB_Sline = 1;
    o.OB_Fsize = -3;
    o.OB_FrageNummer = frage;
    o.OB_KAusrAkt = 4;
    return o;
}

inline Dokument Beispiel() {
    Dokument d;
    HeaderDataTyp& h = d.Header;
    h.HD_vers = QStringLiteral("1.00");
    h.HD_titel = QStringLiteral("Flüsse Europas – Übersicht");
    h.HD_autor = QStringLiteral("Jörg Maß");
    h.HD_bemerkung = QStringLiteral("Bemerkung\r\nzweite Zeile");
    h.HD_lueckentext = QStringLiteral("Die <b>Donau</b> fließt ins Schwarze Meer.");
    h.HD_fragentext = QStringLiteral("Wie lang ist der Rhein? // 1233 km\r\nHauptstadt?");
    h.HD_AnzFrageNummern = 2;
    h.HD_DokTyp = Einzelfragen;
    h.HD_RandErw = {0.1, 0.25, 0.05, 0.0};
    h.HD_NumArt = 1;
    h.HD_GeordnetArt = 3;
    d.Objekte = {Objekt(0, QStringLiteral("Rhein")), Objekt(3, QStringLiteral("Neue Donau")),
                 Objekt(10, QStringLiteral("Zeile 1\r\nZeile, \"zwei\""), 1),
                 Objekt(11, QStringLiteral("Kopf"), 2), Objekt(17, QString())};
    d.Basisbild = Musterbild();
    return d;
}

inline QByteArray AlsBytes(const Dokument& d) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    TvlSchreiber().schreiben(puffer, d);
    return puffer.data();
}

// ---- PNG datastreams ---------------------------------------------------------

inline void PngInPuffer(png_structp png, png_bytep daten, size_t n) {
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(daten), qsizetype(n));
}
inline void PngNichts(png_structp) {}

// Encodes raw rows (already in the PNG's own sample layout) with any header.
inline QByteArray PngRoh(int breite, int hoehe, int farbtyp, int tiefe, bool interlaced,
                         const std::vector<std::vector<png_byte>>& zeilen,
                         const std::vector<png_color>& palette = {}, const std::vector<png_byte>& trns = {}) {
    QByteArray aus;
    std::vector<png_bytep> zeiger;
    for (const auto& z : zeilen)
        zeiger.push_back(const_cast<png_bytep>(z.data()));
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &aus, PngInPuffer, PngNichts);
    png_set_IHDR(png, info, breite, hoehe, tiefe, farbtyp,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), int(palette.size()));
    if (!trns.empty()) png_set_tRNS(png, info, trns.data(), int(trns.size()), nullptr);
    png_write_info(png, info);
    png_write_image(png, zeiger.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return aus;
}

// ---- hand-made files -----------------------------------------------------------

struct Datei {
    QByteArray bytes;
    TvlPacker p{bytes};
    Datei() = default;
    Datei(const Datei&) = delete;
    Datei& text(const char* t) {
        p.text(QByteArray(t));
        return *this;
    }
    Datei& zahl(int32_t z) {
        p.ganzzahl(z);
        return *this;
    }
    Datei& reell(double r) {
        p.reell(r);
        return *this;
    }
    Datei& roh(const QByteArray& b) {
        bytes.append(b);
        return *this;
    }
    // Magic, key list and the four mandatory header strings.
    Datei& kopf(const char* schluessel, const char* magic = "KRF-1.01") {
        return text(magic).text(schluessel).text("1.00").text("Titel").text("Autor").text("Bem");
    }
    // An object without the question number; the caller adds it when its key is listed.
    Datei& objekt(int32_t typ, const char* cap) {
        reell(0.1).reell(0.2).reell(0.3).reell(0.4).text(cap);
        for (int32_t wert : {1, 2, 1, typ, 0, 2, 3})
            zahl(wert);
        return *this;
    }
};

// A tiny valid base image as PNG bytes (RGB, 3x2).
inline QByteArray KleinesPng() {
    std::vector<std::vector<png_byte>> zeilen{{255, 0, 0, 0, 255, 0, 0, 0, 255}, {1, 2, 3, 4, 5, 6, 7, 8, 9}};
    return PngRoh(3, 2, PNG_COLOR_TYPE_RGB, 8, false, zeilen);
}

inline const char* NurPflichtSchluessel() {
    return "|HD-vers|HD-titel|HD-autor|HD-bemerkung|OB-Sx|OB-Sy|OB-Kx|OB-Ky|OB-Cap|OB-KAusr|OB-TAusr|OB-"
           "Ebene|OB-Typ"
           "|OB-Sline|OB-Fsize|OB-KAusrAkt|";
}

} // namespace tvltest

#pragma once
// Documents built in code for the map tests: a plain base image and labels.
#include "documents/dokument.h"
#include "mapview/karte.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

inline const QColor Landfarbe(120, 180, 120);

inline Dokument TestDokument(QSize basis = QSize(870, 600), int typ = Bildbeschriftung) {
    Dokument dok;
    dok.Header.Dateiname = QStringLiteral("/tmp/test.tvl");
    dok.Header.HD_titel = QStringLiteral("Test");
    dok.Header.HD_DokTyp = typ;
    dok.Basisbild = QImage(basis, QImage::Format_ARGB32);
    dok.Basisbild.fill(Landfarbe);
    return dok;
}

inline ObjDataTyp Beschriftung(const QString& text, double sx, double sy, double kx, double ky, int typ = 0) {
    ObjDataTyp o;
    o.OB_Cap = text;
    o.OB_Sx = sx;
    o.OB_Sy = sy;
    o.OB_Kx = kx;
    o.OB_Ky = ky;
    o.OB_Typ = typ;
    o.OB_Ebene = 1;
    o.OB_Sline = 1;
    return o;
}

// The box of an object in Kartenbild pixels (right and bottom exclusive).
inline QRect BoxPixel(const Karte& karte, const ObjDataTyp& o) {
    const int w = karte.Kartenbild().width();
    const int h = karte.Kartenbild().height();
    const int l = qRound(o.Box[0] * w);
    const int t = qRound(o.Box[1] * h);
    return {l, t, qRound(o.Box[2] * w) - l, qRound(o.Box[3] * h) - t};
}

inline int ZaehleFarbe(const QImage& bild, const QRect& r, QColor farbe, int toleranz = 0) {
    int n = 0;
    const QRect c = r.intersected(bild.rect());
    for (int y = c.top(); y <= c.bottom(); ++y)
        for (int x = c.left(); x <= c.right(); ++x) {
            const QColor p = bild.pixelColor(x, y);
            if (std::abs(p.red() - farbe.red()) <= toleranz &&
                std::abs(p.green() - farbe.green()) <= toleranz &&
                std::abs(p.blue() - farbe.blue()) <= toleranz)
                ++n;
        }
    return n;
}

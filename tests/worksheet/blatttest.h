#pragma once
// Small documents and a recorded page for the worksheet tests.
#include "documents/dokument.h"
#include "mapview/kartenhilfen.h"
#include "worksheet/arbeitsblatt.h"
#include "worksheet/seitenaufzeichnung.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << s.toStdString();
}

inline ObjDataTyp BlattObjekt(const QString& text, double x, double y, int typ = 0, int frage = -1) {
    ObjDataTyp o;
    o.OB_Cap = text;
    o.OB_Sx = x;
    o.OB_Sy = y;
    o.OB_Kx = x + 0.05;
    o.OB_Ky = y;
    o.OB_Typ = typ;
    o.OB_Ebene = 1;
    o.OB_Sline = 1;
    o.OB_FrageNummer = frage;
    return o;
}

inline Dokument BlattDokument(int typ = Bildbeschriftung) {
    Dokument dok;
    dok.Header.Dateiname = QStringLiteral("/tmp/blatt.tvl");
    dok.Header.HD_titel = QStringLiteral("Flüsse");
    dok.Header.HD_DokTyp = typ;
    dok.Basisbild = QImage(QSize(600, 400), QImage::Format_ARGB32);
    dok.Basisbild.fill(QColor(120, 180, 120));
    if (typ == Bildbeschriftung) {
        dok.Objekte = {BlattObjekt(QStringLiteral("Rhein"), 0.2, 0.2),
                       BlattObjekt(QStringLiteral("Elbe"), 0.5, 0.4),
                       BlattObjekt(QStringLiteral("Rhein"), 0.3, 0.7),
                       BlattObjekt(QStringLiteral("Do-\r\nnau"), 0.6, 0.8)};
    } else if (typ == Lueckentext) {
        dok.Header.HD_lueckentext = QStringLiteral("Der <<Rhein>> fließt in die <<Nordsee>>.\r\nEnde.");
        dok.Objekte = {BlattObjekt(QStringLiteral("Rhein"), 0, 0, 3),
                       BlattObjekt(QStringLiteral("Nordsee"), 0, 0, 3)};
    }
    return dok;
}

// Single questions; `zeilen` is the question text, answers of kind 10 get numbers 1..n.
inline Dokument FragenBlatt(const QString& zeilen, int antworten = 0) {
    Dokument dok = BlattDokument(Einzelfragen);
    dok.Header.HD_fragentext = zeilen;
    for (int j = 1; j <= antworten; ++j)
        dok.Objekte.push_back(BlattObjekt(QStringLiteral("Antwort %1").arg(j), 0.1, 0.5, 10, j));
    return dok;
}

inline ArbeitsblattOptionen OhneKopf(int art = ArbeitsblattArt) {
    ArbeitsblattOptionen o;
    o.art = art;
    o.name = o.klasse = o.datum = false;
    o.aufgabe.clear();
    o.textvorgabe = false;
    return o;
}

struct Aufnahme {
    std::unique_ptr<Seitenaufzeichnung> seite;
    SeitenInfo info;
    const std::vector<Zeichenbefehl>& befehle() const { return seite->Befehle(); }
    std::vector<Zeichenbefehl> von(Zeichenbefehl::Art art) const {
        std::vector<Zeichenbefehl> r;
        for (const auto& b : befehle())
            if (b.art == art) r.push_back(b);
        return r;
    }
    QStringList texte() const {
        QStringList t;
        for (const auto& b : von(Zeichenbefehl::Art::Text))
            t << b.text;
        return t;
    }
    const Zeichenbefehl* text(const QString& t) const {
        for (const auto& b : befehle())
            if (b.art == Zeichenbefehl::Art::Text && b.text == t) return &b;
        return nullptr;
    }
};

inline Aufnahme Aufnehmen(const Dokument& dok, const ArbeitsblattOptionen& opt) {
    Aufnahme a{std::make_unique<Seitenaufzeichnung>(Arbeitsblatt::Bildgroesse), {}};
    const Arbeitsblatt blatt(dok, opt, QSize(870, 650));
    QPainter maler(a.seite.get());
    a.info = blatt.Zeichnen(maler);
    return a;
}

// The "s" of a font height: the line height of "Arial" at that character height.
inline int SVon(int hoehe) {
    QImage bild(1, 1, QImage::Format_RGB32);
    return QFontMetrics(ArialSchrift(hoehe), &bild).height();
}

#include "editor/lueckentext.h"

#include "mapview/karte.h"
#include "mapview/markup.h"

#include <QPainter>
#include <algorithm>

QStringList LueckenWoerter(const QString& text) {
    QStringList woerter;
    QImage flaeche(8, 8, QImage::Format_RGB32);
    QPainter maler(&flaeche);
    MarkupParameter p;
    p.rechterRand = 1 << 20; // no line breaks: only the keywords matter here
    p.pixelhoehe = 22;
    p.modus = MarkupKarte;
    p.zeichnen = false;
    p.beiStueck = [&woerter](const MarkupStueck& s) {
        if (s.luecke) woerter.append(s.text);
    };
    int y = 0;
    for (const QString& absatz : MarkupAbsaetze(text)) {
        p.startY = y;
        y = MarkupAbsatz(maler, absatz, p);
    }
    return woerter;
}

namespace {

ObjDataTyp NeueLuecke(const QString& wort) {
    ObjDataTyp o;
    o.OB_Cap = wort;
    o.OB_Typ = ObArt::Luecke;
    o.OB_KAusr = 2;
    o.OB_TAusr = 1;
    o.OB_Ebene = 1;
    return o;
}

} // namespace

void LueckenAbgleichen(Dokumentstand& stand) {
    const QStringList woerter = LueckenWoerter(stand.Kopf.HD_lueckentext);
    auto& objekte = stand.Objekte;
    int k = 0;
    for (auto it = objekte.begin(); it != objekte.end();) {
        if (it->OB_Typ != ObArt::Luecke) {
            ++it;
        } else if (k < woerter.size()) {
            it->OB_Cap = woerter[k++];
            ++it;
        } else {
            it = objekte.erase(it);
        }
    }
    for (; k < woerter.size(); ++k)
        objekte.push_back(NeueLuecke(woerter[k]));
    LueckenLegen(stand);
}

void LueckenLegen(Dokumentstand& stand) {
    if (stand.Kopf.HD_lueckentext.isEmpty()) return;
    Dokument probe;
    probe.Header = stand.Kopf;
    probe.Objekte = stand.Objekte;
    probe.Basisbild = stand.Basisbild;
    Karte karte(probe);
    karte.HintergrundAufbauen();
    for (size_t i = 0; i < stand.Objekte.size(); ++i) {
        if (stand.Objekte[i].OB_Typ != ObArt::Luecke) continue;
        const ObjDataTyp& gelegt = probe.Objekte[i];
        ObjDataTyp& o = stand.Objekte[i];
        o.OB_Sx = gelegt.OB_Sx;
        o.OB_Sy = gelegt.OB_Sy;
        o.OB_Kx = gelegt.OB_Kx;
        o.OB_Ky = gelegt.OB_Ky;
    }
}

QString WortZurLuecke(const QString& text, int anfang, int ende) {
    auto istWortzeichen = [&text](int i) {
        return i >= 0 && i < text.size() && text.at(i).isLetterOrNumber();
    };
    if (anfang > ende) std::swap(anfang, ende);
    anfang = std::clamp(anfang, 0, static_cast<int>(text.size()));
    ende = std::clamp(ende, 0, static_cast<int>(text.size()));
    if (anfang == ende) {
        while (istWortzeichen(anfang - 1))
            --anfang;
        while (istWortzeichen(ende))
            ++ende;
    }
    while (anfang < ende && text.at(anfang).isSpace())
        ++anfang;
    while (ende > anfang && text.at(ende - 1).isSpace())
        --ende;
    if (anfang == ende) return text;
    if (text.mid(std::max(0, anfang - 2), 2) == QStringLiteral("<<")) return text;
    return text.left(anfang) + QStringLiteral("<<") + text.mid(anfang, ende - anfang) + QStringLiteral(">>") +
           text.mid(ende);
}

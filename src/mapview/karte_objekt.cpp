// Drawing one object of the map: erase, leader line, box, text, symbol or cover.
#include "mapview/karte.h"

#include "mapview/kartenfarben.h"
#include "mapview/kartenhilfen.h"
#include "mapview/nummerierung.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

bool IstScheibenart(int typ) {
    return typ == ObArt::Infopunkt || typ == ObArt::Link || typ == ObArt::DokVerweis ||
           (typ >= ObArt::KnopfVorige && typ <= ObArt::KnopfZufall);
}

bool IstAntwortart(int typ) {
    return typ == ObArt::Beschriftung || typ == ObArt::Luecke || typ == ObArt::Antwort;
}

int Ausrichtung(int tAusr) {
    switch (tAusr) {
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

QPoint Karte::InKarte(double x, double y) const {
    return {RundeGerade(x * m_kartenbild.width()), RundeGerade(y * m_kartenbild.height())};
}

QRect Karte::BoxInPixeln(const ObjDataTyp& o) const {
    const int w = m_kartenbild.width();
    const int h = m_kartenbild.height();
    const int l = RundeGerade(o.Box[0] * w);
    const int t = RundeGerade(o.Box[1] * h);
    return {l, t, RundeGerade(o.Box[2] * w) - l, RundeGerade(o.Box[3] * h) - t};
}

bool Karte::ObjektSichtbar(const ObjDataTyp& o, int variante) const {
    if ((variante != Bildschirm || QuizLaeuft()) && o.OB_Ebene == 2) return false;
    return QuizLaeuft() || variante != Bildschirm || EbeneSichtbar(o.OB_Ebene);
}

void Karte::AlteBoxLoeschen(const ObjDataTyp& o, QImage& ziel) {
    if (o.Box[0] == -1) return;
    if (o.OB_Typ >= ObArt::Antwort && o.OB_Typ <= ObArt::AntwortTitel && !IstAktuelleFrage(o)) return;
    if (m_dok.Header.HD_DokTyp == Einzelfragen && QuizLaeuft()) return;
    const QRect r = BoxInPixeln(o);
    KopiereRechteck(m_hintergrundbild, r, ziel, r.topLeft());
    if (QuizLaeuft()) InAnsichtKopieren(r, m_hintergrundbild);
}

void Karte::SeiteFestlegen(ObjDataTyp& o) const {
    if (o.OB_KAusrAkt >= 1) return;
    if (o.OB_KAusr >= 1) {
        o.OB_KAusrAkt = o.OB_KAusr;
        return;
    }
    const double dx = o.OB_Kx - o.OB_Sx;
    const double dy = (o.OB_Ky - o.OB_Sy) / m_seitenverhaeltnis;
    if (std::abs(dy) > std::abs(dx))
        o.OB_KAusrAkt = dy < 0 ? 2 : 4;
    else
        o.OB_KAusrAkt = dx >= 0 ? 1 : 3;
}

Karte::Messung Karte::TextMessen(const ObjDataTyp& o) const {
    Messung m;
    m.schrift = ArialSchrift(RundeGerade((o.OB_Fsize * 2 + 22) * m_massstab));
    m.text = MitZeilenumbruechen(o.OB_Cap);
    if (IstScheibenart(o.OB_Typ)) return m;
    int flaggen = 0;
    int breite = 1 << 20;
    if (o.OB_Typ == ObArt::Frage) {
        m.umbruchBreite = std::max(1, m_kartenbild.width() - 2 * InKarte(o.OB_Kx, 0).x());
        breite = m.umbruchBreite;
        flaggen = Qt::TextWordWrap;
    }
    if (m.text.isEmpty()) return m;
    const QRect r =
        QFontMetrics(m.schrift, &m_kartenbild).boundingRect(QRect(0, 0, breite, 1 << 20), flaggen, m.text);
    m.tw = r.width();
    m.th = r.height();
    return m;
}

KastenTyp Karte::KastenPlatzieren(const ObjDataTyp& o, int w, int h) const {
    const QPoint kp = InKarte(o.OB_Kx, o.OB_Ky);
    const int abstandX = RundeGerade(7 * m_massstab);
    const int abstandY = RundeGerade(2 * m_massstab);
    KastenTyp k;
    switch (o.OB_KAusrAkt) {
    case 2:
        k.links = kp.x() - RundeGerade(w / 2.0);
        k.oben = kp.y() - h - abstandY;
        break;
    case 3:
        k.links = kp.x() - w - abstandX;
        k.oben = kp.y() - RundeGerade(h / 2.0);
        break;
    case 4:
        k.links = kp.x() - RundeGerade(w / 2.0);
        k.oben = kp.y() + abstandY;
        break;
    default:
        k.links = kp.x() + abstandX;
        k.oben = kp.y() - RundeGerade(h / 2.0);
        break;
    }
    k.rechts = k.links + w;
    k.unten = k.oben + h;
    return k;
}

KastenTyp Karte::BoxBerechnen(ObjDataTyp& o, const Messung& m, int& versatz) const {
    const int dreissig = RundeGerade(30 * m_massstab);
    int w = dreissig;
    int h = dreissig;
    bool ausText = false;
    if (IstScheibenart(o.OB_Typ) || o.Zustand == ObZustand::Offen) {
        // a disc of the nominal size
    } else if (o.Zustand == ObZustand::Haken || o.Zustand == ObZustand::Kreuz) {
        w = 34; // quiz marks keep their size at every zoom level
        h = 38;
    } else {
        w = std::max(m.tw, dreissig);
        h = m.th + 4;
        ausText = true;
    }
    versatz = 0;
    if (ausText && o.OB_Typ != ObArt::Luecke && !o.OB_Cap.isEmpty()) {
        if (o.OB_KAusrAkt == 3)
            versatz = w - m.tw;
        else if (o.OB_KAusrAkt == 2 || o.OB_KAusrAkt == 4)
            versatz = (w - m.tw) / 2;
    }
    KastenTyp k = KastenPlatzieren(o, w, h);
    if ((o.OB_Typ == ObArt::Beschriftung || o.OB_Typ == ObArt::FesterText) && o.OB_Cap.isEmpty()) {
        k.rechts = k.links;
        k.unten = k.oben;
    }
    const double W = m_kartenbild.width();
    const double H = m_kartenbild.height();
    o.Box = {k.links / W, k.oben / H, k.rechts / W, k.unten / H};
    o.BoxLinks = k.links;
    o.BoxOben = k.oben;
    o.BoxHalbBreite = (RundeGerade(w / 2.0) + RundeGerade(7 * m_massstab)) / W;
    o.BoxHalbHoehe = (RundeGerade(h / 2.0) + RundeGerade(2 * m_massstab)) / H;
    return k;
}

void Karte::ZeichneAntwortkasten(QPainter& maler, const ObjDataTyp& o, KastenTyp k,
                                 const QImage& ziel) const {
    const int e = RundeGerade(0.18 * k.Breite());
    if (o.OB_KAusrAkt == 1)
        k.rechts += 2 * e;
    else if (o.OB_KAusrAkt == 3)
        k.links -= 2 * e;
    else {
        k.links -= e;
        k.rechts += e;
    }
    const int zuX = RundeGerade(0.01 * ziel.width());
    const int zuY = RundeGerade(0.1 * k.Hoehe());
    k.links = std::max(k.links - zuX, RundeGerade(0.005 * ziel.width()));
    k.rechts = std::min(k.rechts + zuX, RundeGerade(0.995 * ziel.width()));
    k.oben = std::max(k.oben - zuY, RundeGerade(0.005 * ziel.height()));
    k.unten = std::min(k.unten + zuY, RundeGerade(0.995 * ziel.height()));
    if (k.Breite() <= 0 || k.Hoehe() <= 0) return;
    maler.save();
    maler.fillRect(QRect(k.links, k.oben, k.Breite(), k.Hoehe()), Kartenfarbe::AntwortkastenFuellung);
    maler.setPen(QPen(Kartenfarbe::AntwortkastenRand, 1));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(QRect(k.links, k.oben, k.Breite() - 1, k.Hoehe() - 1));
    if (k.Breite() > 2 && k.Hoehe() > 2)
        maler.drawRect(QRect(k.links + 1, k.oben + 1, k.Breite() - 3, k.Hoehe() - 3));
    maler.restore();
}

void Karte::ZeichneText(QPainter& maler, const ObjDataTyp& o, const KastenTyp& k, const Messung& m,
                        int versatz, QColor farbe) const {
    if (m.text.isEmpty()) return;
    int flaggen = Ausrichtung(o.OB_TAusr) | Qt::AlignTop | Qt::TextDontClip;
    int breite = std::max(1, m.tw);
    if (m.umbruchBreite > 0) {
        flaggen |= Qt::TextWordWrap;
        breite = m.umbruchBreite;
    }
    maler.save();
    maler.setFont(m.schrift);
    maler.setPen(farbe);
    maler.drawText(QRect(k.links + versatz, k.oben + 2, breite, std::max(1, m.th)), flaggen, m.text);
    maler.restore();
}

bool Karte::TextSichtbar(const ObjDataTyp& o, int variante) const {
    if (o.OB_Typ == ObArt::FesterText) return true;
    if (variante != Bildschirm) return false;
    switch (o.OB_Typ) {
    case 0:
    case 3:
        return o.Zustand == ObZustand::Gezeigt;
    case 10:
        return IstAktuelleFrage(o) && o.Zustand == ObZustand::Gezeigt;
    case 11:
        return IstAktuelleFrage(o);
    case 17:
        return IstAktuelleFrage(o) && !QuizLaeuft();
    default:
        return false;
    }
}

void Karte::ZeichneObjekt(int index, QImage& ziel, int variante, bool mitLinie, bool inAnsicht,
                          bool auffrischen) {
    if (index < 0 || index >= static_cast<int>(m_dok.Objekte.size()) || ziel.isNull()) return;
    ObjDataTyp& o = m_dok.Objekte[index];
    if (!ObjektSichtbar(o, variante)) return;
    const QRect alteBox = o.Box[0] == -1 ? QRect() : BoxInPixeln(o);
    if (variante == Bildschirm) AlteBoxLoeschen(o, ziel);

    const QColor farbe = o.OB_Typ == ObArt::Luecke ? Kartenfarbe::Lueckentext : Kartenfarbe::Text;
    QPainter maler(&ziel);
    maler.setRenderHint(QPainter::TextAntialiasing);
    if (o.OB_Sline == 1 && mitLinie && variante != NurLoesung) {
        maler.setPen(QPen(farbe, 1));
        maler.drawLine(InKarte(o.OB_Sx, o.OB_Sy), InKarte(o.OB_Kx, o.OB_Ky));
    }
    SeiteFestlegen(o);
    const Messung m = TextMessen(o);
    int versatz = 0;
    const KastenTyp k = BoxBerechnen(o, m, versatz);
    if ((variante == LeereAntwortkaesten || variante == KaestenMitLoesung) && IstAntwortart(o.OB_Typ))
        ZeichneAntwortkasten(maler, o, k, ziel);
    if ((variante == NurLoesung || variante == KaestenMitLoesung) && IstAntwortart(o.OB_Typ))
        ZeichneText(maler, o, k, m, versatz, Kartenfarbe::Loesungstext);
    if (TextSichtbar(o, variante)) ZeichneText(maler, o, k, m, versatz, farbe);
    if (variante == Bildschirm) ZeichneSymbole(maler, index, k, m);
    maler.end();

    if (inAnsicht) InAnsichtKopieren(QRect(k.links, k.oben, k.Breite(), k.Hoehe()), m_kartenbild);
    if (auffrischen) {
        const QRect bereich = alteBox.united(QRect(k.links, k.oben, k.Breite(), k.Hoehe()));
        emit bereichNeuZeichnenNoetig(bereich.translated(Ansichtsversatz() - Ansichtsursprung()));
    }
    if (QuizLaeuft() && (inAnsicht || auffrischen)) emit nachObjekt();
}

void Karte::ZeichneSymbole(QPainter& maler, int index, const KastenTyp& k, const Messung& m) const {
    const ObjDataTyp& o = m_dok.Objekte[index];
    const double s = m_massstab;
    const bool quiz = QuizLaeuft();
    if (o.OB_Typ == ObArt::Infopunkt || o.OB_Typ == ObArt::Link || o.OB_Typ == ObArt::DokVerweis) {
        static const QString texte[] = {QStringLiteral("Info"), QString(), QStringLiteral("Link"),
                                        QStringLiteral("Dok.")};
        const QColor normal = o.OB_Typ == ObArt::Infopunkt ? Kartenfarbe::Infopunkt
                              : o.OB_Typ == ObArt::Link    ? Kartenfarbe::Link
                                                           : Kartenfarbe::Dokumentlink;
        const QColor fuellung = quiz ? Kartenfarbe::ScheibeImQuiz : normal;
        ZeichneScheibe(maler, k, fuellung, Abgedunkelt(fuellung));
        ZeichneMittigenText(maler, k, texte[o.OB_Typ - ObArt::Infopunkt], RundeGerade(12 * s), true,
                            Kartenfarbe::ScheibenText);
    }
    if (o.OB_Typ == ObArt::Luecke && o.Zustand != ObZustand::Verdeckt) {
        // The gap is underlined below its text.
        ObjDataTyp kopie = o;
        const KastenTyp g = KastenPlatzieren(kopie, std::max(m.tw, RundeGerade(30 * s)), m.th + 4);
        const int y = g.unten + 2 - 4;
        maler.save();
        maler.setPen(QPen(Kartenfarbe::LueckenLinie, 1));
        maler.drawLine(g.links, y, g.rechts - 1, y);
        maler.restore();
    }
    const bool frageAktuell = IstAktuelleFrage(o);
    if (o.OB_Typ >= ObArt::KnopfVorige && o.OB_Typ <= ObArt::KnopfZufall && !quiz) {
        static const QString knoepfe[] = {QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("|<"),
                                          QStringLiteral(">|"), QStringLiteral("?")};
        ZeichneScheibe(maler, k, Kartenfarbe::Fragenknopf, Abgedunkelt(Kartenfarbe::Fragenknopf));
        ZeichneMittigenText(maler, k, knoepfe[o.OB_Typ - ObArt::KnopfVorige], RundeGerade(16 * s), true,
                            Kartenfarbe::ScheibenText);
    } else if (o.Zustand == ObZustand::Verdeckt &&
               (o.OB_Typ == ObArt::Beschriftung || o.OB_Typ == ObArt::Luecke ||
                (o.OB_Typ == ObArt::Antwort && frageAktuell && !quiz))) {
        ZeichneAbdeckung(maler, k, o.Nummer >= 1 ? NummerText(m_dok, index) : QString(), s);
    } else if (o.Zustand == ObZustand::Haken) {
        ZeichneHaken(maler, k.links, k.oben);
    } else if (o.Zustand == ObZustand::Kreuz) {
        ZeichneKreuz(maler, k.links, k.oben);
    } else if (o.Zustand == ObZustand::Offen) {
        ZeichneOffenePosition(maler, index, k);
    }
}

void Karte::ZeichneOffenePosition(QPainter& maler, int index, const KastenTyp& k) const {
    const bool quiz = QuizLaeuft();
    if (m_dok.Header.HD_DokTyp == Einzelfragen && quiz) return;
    if (quiz && m_einzelposition && m_dok.Header.HD_DokTyp != Einzelfragen && index != m_einzelpositionZiel) {
        ZeichneScheibe(maler, k, Kartenfarbe::AnderePositionFuellung, Kartenfarbe::AnderePositionRand);
        return;
    }
    ZeichneScheibe(maler, k, Kartenfarbe::OffenFuellung, Kartenfarbe::OffenRand);
    ZeichneMittigenText(maler, k, NummerText(m_dok, index), RundeGerade(20 * m_massstab), true,
                        Kartenfarbe::OffenNummer);
}

// Presenting the current question in the single modes and for single questions.
#include "quiz/quiz.h"

#include "data/av_data.h"
#include "mapview/karte.h"
#include "mapview/kartenhilfen.h"
#include "quiz/quiztexte.h"

#include <algorithm>

void Quiz::FragePraesentieren() {
    if (m_folge.empty()) return;
    if (IstEinzelfragen())
        EinzelfrageZeigen();
    else if (m_daten.AbfrageModus == AbfrageModusArt::Einzeltexte)
        EinzeltextZeigen();
    else if (m_daten.AbfrageModus == AbfrageModusArt::Einzelpositionen)
        EinzelpositionZeigen();
}

void Quiz::ElementSichtbar(int k, bool an) {
    AntwortElement& e = m_elemente[k];
    if (!e.Vorhanden || e.Sichtbar == an) return;
    e.Sichtbar = an;
    Schritt(QuizSchritt::Art::ElementSichtbar, k, {}, {}, {}, 0, an);
}

void Quiz::ElementFarbe(int k, QColor farbe) {
    m_elemente[k].Farbe = farbe;
    Schritt(QuizSchritt::Art::ElementFarbe, k, {}, farbe);
}

void Quiz::AlleVerbergen() {
    for (size_t k = 0; k < m_elemente.size(); ++k)
        ElementSichtbar(static_cast<int>(k), false);
}

void Quiz::EinzeltextZeigen() {
    const int32_t text = m_folge[m_daten.FrageIndex].TextObjekt;
    for (size_t k = 0; k < m_elemente.size(); ++k)
        ElementSichtbar(static_cast<int>(k), m_elemente[k].Tag == text);
    Ereignis(LaufEreignis::Art::TextGefragt, text, m_dok.Objekte[text].OB_Cap);
    ElementeNeuLegen();
}

void Quiz::EinzelpositionZeigen() {
    const int32_t ziel = m_folge[m_daten.FrageIndex].ZielObjekt;
    m_karte.SetzeEinzelposition(true, ziel);
    Ereignis(LaufEreignis::Art::PositionGefragt, ziel, m_dok.Objekte[ziel].OB_Cap);
}

void Quiz::EinzelfrageZeigen() {
    const int32_t q = m_folge[m_daten.FrageIndex].ZielObjekt;
    const ObjDataTyp& frage = m_dok.Objekte[q];
    m_loesung = -1;
    for (size_t k = 0; k < m_elemente.size(); ++k) {
        const bool loesung = m_elemente[k].Tag == q;
        if (loesung) m_loesung = static_cast<int>(k);
        ElementSichtbar(static_cast<int>(k), loesung);
    }
    m_frageZaehler = QString::number(m_daten.FrageZaehler) + QStringLiteral(". Frage");
    if (frage.FehlversucheZiel > 0) m_frageZaehler += QStringLiteral(" (wiederholte Frage)");

    // Up to five wrong answers, each a caption not yet shown (ignoring case).
    const auto n = static_cast<uint32_t>(m_elemente.size());
    for (int runde = 0; runde < 5; ++runde) {
        for (int versuch = 0; versuch < 100; ++versuch) {
            const uint32_t r = Zufallsgenerator().Random(n);
            const AntwortElement& e = m_elemente[r];
            if (e.Sichtbar) continue;
            bool gleich = false;
            for (const AntwortElement& s : m_elemente)
                if (s.Sichtbar && s.Beschriftung.compare(e.Beschriftung, Qt::CaseInsensitive) == 0)
                    gleich = true;
            if (gleich) continue;
            ElementSichtbar(static_cast<int>(r), true);
            break;
        }
    }

    QString fragetext;
    for (const ObjDataTyp& o : m_dok.Objekte)
        if (o.OB_Typ == ObArt::Frage && o.OB_FrageNummer == frage.OB_FrageNummer)
            fragetext = TextNormalisieren(o.OB_Cap);
    Ereignis(LaufEreignis::Art::FrageGestellt, q, fragetext);
    LaufEreignis& gestellt = m_lauf.Ereignisse.back();
    gestellt.Zaehler = m_daten.FrageZaehler;
    for (const AntwortElement& e : m_elemente) {
        if (!e.Sichtbar) continue;
        if (e.Nummer == m_loesung) gestellt.Loesung = static_cast<int32_t>(gestellt.Angebote.size());
        gestellt.Angebote.push_back(e.Beschriftung);
    }
    AntwortenLegen();
}

void Quiz::AntwortenLegen() {
    int k = 0;
    for (const AntwortElement& e : m_elemente)
        if (e.Sichtbar) ++k;
    std::array<bool, 7> belegt{};
    int naechster = 1;
    for (AntwortElement& e : m_elemente) {
        e.Slot = 0;
        if (!e.Sichtbar) continue;
        int slot = naechster++;
        if (m_daten.Zuordnungstexte != 0) {
            do {
                slot = static_cast<int>(Zufallsgenerator().Random(static_cast<uint32_t>(k))) + 1;
            } while (belegt[slot]);
        }
        belegt[slot] = true;
        e.Slot = slot;
    }
    AntwortenPlatzieren();
}

// The slots stand where the learning view shows a question's answer: three per row from
// 10 % of the map's width and 58 % of its height.
void Quiz::AntwortenPlatzieren() {
    QPoint p0 = m_karte.AnteilZuPunkt(QPointF(0.1, 0.58));
    p0.rx() += 4;
    int zellB = ElementGroesse.width() + 20;
    const int zellH = ElementGroesse.height() + 20;
    int spalten = 3;
    // The cells keep their size while a small window shows the picture smaller: the grid
    // then moves left, and where three columns still do not fit, two are used, so that no
    // answer crosses the separator into the instruction column.
    if (m_daten.AntwortSpalteX > 0) {
        const int rechts = m_daten.AntwortSpalteX - 4;
        const int b = ElementGroesse.width();
        const auto breite = [b](int n, int abstand) { return (n - 1) * abstand + b; };
        if (p0.x() + breite(spalten, zellB) > rechts) p0.rx() = std::max(4, rechts - breite(spalten, zellB));
        while (spalten > 1 && p0.x() + breite(spalten, b + 4) > rechts)
            --spalten;
        if (spalten > 1) zellB = std::min(zellB, (rechts - p0.x() - b) / (spalten - 1));
    }
    for (AntwortElement& e : m_elemente) {
        if (!e.Sichtbar || e.Slot < 1) continue;
        e.Rechteck.moveTo(p0.x() + ((e.Slot - 1) % spalten) * zellB,
                          p0.y() + ((e.Slot - 1) / spalten) * zellH);
        Schritt(QuizSchritt::Art::ElementBewegt, e.Nummer, {}, {}, e.Rechteck.topLeft());
    }
    // The counter stands three tenths of the way from the picture's top down to the answers;
    // measured from the panel's top it fell into the picture's title where the map is centred
    // lower in a small window.
    const int oben = m_karte.AnteilZuPunkt(QPointF(0, 0)).y();
    Schritt(QuizSchritt::Art::FrageZaehler, -1, m_frageZaehler, {},
            QPoint(p0.x(), oben + RundeGerade((p0.y() - oben) * 0.3)), 0, true);
}

void Quiz::ElementeNeuLegen() {
    std::vector<ElementPlatz> plaetze;
    for (const AntwortElement& e : m_elemente)
        plaetze.push_back({e.Vorhanden && e.Sichtbar, e.Rechteck});
    ::ElementeNeuLegen(m_panel, plaetze, !IstEinzelfragen(),
                       m_daten.AbfrageModus == AbfrageModusArt::Einzeltexte, m_daten.AntwortSpalteX);
    for (size_t k = 0; k < m_elemente.size(); ++k) {
        if (!plaetze[k].sichtbar || plaetze[k].rechteck == m_elemente[k].Rechteck) continue;
        m_elemente[k].Rechteck = plaetze[k].rechteck;
        Schritt(QuizSchritt::Art::ElementBewegt, static_cast<int>(k), {}, {}, plaetze[k].rechteck.topLeft());
    }
}

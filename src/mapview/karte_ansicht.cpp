// Zoom, the visible window, and the conversions between pointer, view and map.
#include "mapview/karte.h"

#include "mapview/kartenhilfen.h"

#include <algorithm>

bool Karte::ZoomSetzen(int index) {
    if (index == m_zoomindex || index < 0 || index >= static_cast<int>(Zoomtabelle.size())) return false;
    m_zoomindex = index;
    if (m_ansichtsmodus == Lernansicht) AnsichtAufbauen();
    return true;
}

bool Karte::ZoomRein() {
    return m_zoomindex < 4 && ZoomSetzen(m_zoomindex + 2);
}

bool Karte::ZoomRaus() {
    return m_zoomindex > 0 && ZoomSetzen(m_zoomindex - 2);
}

void Karte::AusschnittVerschieben(double dx, double dy) {
    // Shifting back by the overshoot at an edge and then limiting the edges is the same as
    // limiting the left and top edge to 0 .. 1 - size; done this way the size is kept exactly
    // and a window that covers a whole axis stays at 0 .. 1 without rounding residue.
    AusschnittTyp& a = m_ausschnitt;
    const double breite = std::clamp(a.rechts - a.links, 0.0, 1.0);
    const double hoehe = std::clamp(a.unten - a.oben, 0.0, 1.0);
    a.links = std::clamp(a.links + dx, 0.0, 1.0 - breite);
    a.oben = std::clamp(a.oben + dy, 0.0, 1.0 - hoehe);
    a.rechts = std::min(1.0, a.links + breite);
    a.unten = std::min(1.0, a.oben + hoehe);
}

void Karte::Rollen(Richtung richtung) {
    // The view is rebuilt from the composed images by AusschnittZeigen alone, so the
    // copy before the move that a scroll step asks for needs no separate pass.
    const double breite = m_ausschnitt.rechts - m_ausschnitt.links;
    const double hoehe = m_ausschnitt.unten - m_ausschnitt.oben;
    switch (richtung) {
    case Richtung::Links:
        AusschnittVerschieben(-0.1 * breite, 0);
        break;
    case Richtung::Rechts:
        AusschnittVerschieben(0.1 * breite, 0);
        break;
    case Richtung::Hoch:
        AusschnittVerschieben(0, -0.1 * hoehe);
        break;
    case Richtung::Runter:
        AusschnittVerschieben(0, 0.1 * hoehe);
        break;
    }
    AusschnittZeigen();
}

void Karte::ZiehenBeginnen() {
    KopiereRechteck(m_kartenbild, QRect(Ansichtsursprung(), m_ansichtsbild.size()), m_ansichtsbild,
                    QPoint(0, 0));
}

void Karte::AusschnittZiehen(QPoint von, QPoint nach) {
    if (m_kartenbild.isNull()) return;
    AusschnittVerschieben(double(von.x() - nach.x()) / m_kartenbild.width(),
                          double(von.y() - nach.y()) / m_kartenbild.height());
    AusschnittZeigen();
}

QPoint Karte::Ansichtsursprung() const {
    return {RundeGerade(m_kartenbild.width() * m_ausschnitt.links),
            RundeGerade(m_kartenbild.height() * m_ausschnitt.oben)};
}

QPoint Karte::Ansichtsversatz() const {
    return {(m_steuerelement.width() - m_ansichtsbild.width()) / 2,
            (m_steuerelement.height() - m_ansichtsbild.height()) / 2};
}

void Karte::AusschnittZeigen() {
    const QPoint ursprung = Ansichtsursprung();
    const QRect quelle(ursprung, m_ansichtsbild.size());
    const bool deckend = m_kartenbild.rect().contains(quelle);
    if (QuizLaeuft()) {
        if (!deckend) m_ansichtsbild.fill(Qt::white);
        KopiereRechteck(m_kartenbild, quelle, m_ansichtsbild, QPoint(0, 0));
    } else {
        // The learning view shows a blank map area; objects redrawn in place appear on it.
        m_ansichtsbild.fill(Qt::white);
    }
    if (m_ansichtskopie.size() != m_ansichtsbild.size() || m_ansichtskopie.isNull())
        m_ansichtskopie = NeuesBild(m_ansichtsbild.size());
    else if (!deckend)
        m_ansichtskopie.fill(Qt::white);
    KopiereRechteck(m_beschriftungsbild, quelle, m_ansichtskopie, QPoint(0, 0));
    emit neuZeichnenNoetig();
    MarkeZeigen(m_markenobjekt);
}

QImage Karte::Ansichtsaufnahme() const {
    if (m_ansichtsbild.isNull()) return {};
    QImage bild = NeuesBild(m_ansichtsbild.size());
    KopiereRechteck(m_kartenbild, QRect(Ansichtsursprung(), bild.size()), bild, QPoint(0, 0));
    return bild;
}

void Karte::InAnsichtKopieren(const QRect& rechteck, const QImage& quelle) {
    if (rechteck.isEmpty()) return;
    if (&quelle != &m_beschriftungsbild)
        KopiereRechteck(quelle, rechteck, m_beschriftungsbild, rechteck.topLeft());
    const QPoint ziel = rechteck.topLeft() - Ansichtsursprung();
    KopiereRechteck(quelle, rechteck, m_ansichtskopie, ziel);
    KopiereRechteck(quelle, rechteck, m_ansichtsbild, ziel);
}

QPointF Karte::AnsichtspunktZuAnteil(QPointF p) const {
    const double vw = std::max(1, m_ansichtsbild.width());
    const double vh = std::max(1, m_ansichtsbild.height());
    const AusschnittTyp& a = m_ausschnitt;
    return {a.links + (a.rechts - a.links) * (p.x() / vw), a.oben + (a.unten - a.oben) * (p.y() / vh)};
}

QPointF Karte::PunktZuAnteil(QPoint steuerpunkt) const {
    const QPointF f = AnsichtspunktZuAnteil(QPointF(steuerpunkt - Ansichtsversatz()));
    return {std::clamp(f.x(), 0.0, 1.0), std::clamp(f.y(), 0.0, 1.0)};
}

QPoint Karte::AnteilZuPunkt(QPointF anteil) const {
    const AusschnittTyp& a = m_ausschnitt;
    const double bw = a.rechts - a.links;
    const double bh = a.unten - a.oben;
    const QPoint versatz = Ansichtsversatz();
    if (bw <= 0 || bh <= 0) return versatz;
    return {RundeGerade(m_ansichtsbild.width() * (anteil.x() - a.links) / bw) + versatz.x(),
            RundeGerade(m_ansichtsbild.height() * (anteil.y() - a.oben) / bh) + versatz.y()};
}

int Karte::ObjektAnPunkt(QPoint steuerpunkt) const {
    const QPointF f = PunktZuAnteil(steuerpunkt);
    for (int i = 0; i < static_cast<int>(m_dok.Objekte.size()); ++i) {
        const ObjDataTyp& o = m_dok.Objekte[i];
        if (!QuizLaeuft() && !EbeneSichtbar(o.OB_Ebene)) continue;
        const int typ = o.OB_Typ;
        const bool art = typ == 0 || typ == 2 || typ == 3 || typ == 4 || typ == 5 ||
                         (typ >= 12 && typ <= 16) || (typ == 10 && IstAktuelleFrage(o));
        if (!art || o.Box[0] == -1) continue;
        if (f.x() >= o.Box[0] && f.y() >= o.Box[1] && f.x() < o.Box[2] && f.y() < o.Box[3]) return i;
    }
    return -1;
}

void Karte::MarkeZeigen(int index) {
    if (index < 0 || !QuizLaeuft() || index >= static_cast<int>(m_dok.Objekte.size())) {
        m_markenobjekt = -1;
        m_markenrechteck = QRect();
        emit markeGeaendert(m_markenrechteck, false);
        return;
    }
    m_markenobjekt = index;
    const ObjDataTyp& o = m_dok.Objekte[index];
    const QPoint lo = AnteilZuPunkt(QPointF(o.Box[0], o.Box[1]));
    const QPoint ru = AnteilZuPunkt(QPointF(o.Box[2], o.Box[3]));
    m_markenrechteck = QRect(lo.x() - 4, lo.y() - 4, ru.x() - lo.x() + 8, ru.y() - lo.y() + 8);
    emit markeGeaendert(m_markenrechteck, true);
}

#include "editor/editoransicht.h"

#include "editor/objekte.h"
#include "mapview/nummerierung.h"

#include <cmath>

Editoransicht::Editoransicht(EditorDokument& dok) : m_dok(dok), m_karte(m_anzeige) {
    m_aufraeumen.setSingleShot(true);
    m_aufraeumen.setInterval(150);
    connect(&m_aufraeumen, &QTimer::timeout, this, &Editoransicht::beschriftungenErneuern);
    connect(&m_dok, &EditorDokument::geaendert, this, &Editoransicht::dokumentGeaendert);
    connect(&m_dok, &EditorDokument::neuGeladen, this, [this] {
        m_frage = 1;
        m_karte.ZoomZuruecksetzen();
        aufbauen();
    });
}

void Editoransicht::setzeGroesse(QSize groesse) {
    if (groesse == m_karte.Steuerelementgroesse()) return;
    m_karte.SetzeSteuerelementgroesse(groesse);
    aufbauen();
}

void Editoransicht::setzeQuizansicht(bool quiz) {
    if (quiz == m_quiz) return;
    m_quiz = quiz;
    m_karte.SetzeEbeneSichtbar(2, !quiz);
    aufbauen();
}

void Editoransicht::setzeFrage(int nummer) {
    if (nummer == m_frage) return;
    m_frage = nummer;
    m_anzeige.AktuelleFrage = nummer;
    beschriftungenErneuern();
}

void Editoransicht::zustaendeSetzen() {
    for (ObjDataTyp& o : m_anzeige.Objekte)
        o.Zustand = m_quiz ? ObZustand::Verdeckt : ObZustand::Gezeigt;
    if (m_quiz) NummerierungSetzen(m_anzeige);
}

void Editoransicht::aufbauen() {
    m_aufraeumen.stop();
    const Dokument& d = m_dok.dokument();
    m_anzeige.Header = d.Header;
    m_anzeige.Objekte = d.Objekte;
    m_anzeige.Basisbild = d.Basisbild;
    m_anzeige.AktuelleFrage = m_frage;
    zustaendeSetzen();
    m_karte.HintergrundAufbauen();
    beschriftungenErneuern();
}

void Editoransicht::beschriftungenErneuern() {
    m_aufraeumen.stop();
    // The map view covers the answers of single questions before drawing; the editor shows them.
    if (!m_quiz)
        for (ObjDataTyp& o : m_anzeige.Objekte)
            o.Zustand = ObZustand::Gezeigt;
    m_karte.BeschriftungenErneuern();
    emit neuZeichnen(QRect());
}

void Editoransicht::dokumentGeaendert(int objekt) {
    const Dokument& d = m_dok.dokument();
    const bool gleicheObjekte = m_anzeige.Objekte.size() == d.Objekte.size();
    const bool luecke =
        gleicheObjekte && objekt >= 0 && d.Objekte[static_cast<size_t>(objekt)].OB_Typ == ObArt::Luecke;
    if (objekt >= 0 && gleicheObjekte && !luecke) {
        objektAuffrischen(objekt);
        return;
    }
    // Texts and settings of a labelling document need no new scaling of the picture; the
    // cloze text and the question pages are laid out by the full composition.
    const bool gleichesBild = d.Basisbild.cacheKey() == m_anzeige.Basisbild.cacheKey() &&
                              d.Header.HD_RandErw == m_anzeige.Header.HD_RandErw &&
                              d.Header.HD_DokTyp == Bildbeschriftung &&
                              m_anzeige.Header.HD_DokTyp == Bildbeschriftung;
    if (!gleichesBild) {
        aufbauen();
        return;
    }
    m_anzeige.Header = d.Header;
    m_anzeige.Objekte = d.Objekte;
    zustaendeSetzen();
    beschriftungenErneuern();
}

void Editoransicht::objektAuffrischen(int index) {
    ObjDataTyp& a = m_anzeige.Objekte[static_cast<size_t>(index)];
    ObjDataTyp neu = m_dok.dokument().Objekte[static_cast<size_t>(index)];
    neu.Zustand = a.Zustand;
    neu.Nummer = a.Nummer;
    neu.Box = a.Box;
    neu.BoxHalbBreite = a.BoxHalbBreite;
    neu.BoxHalbHoehe = a.BoxHalbHoehe;
    neu.BoxLinks = a.BoxLinks;
    neu.BoxOben = a.BoxOben;
    const QRect vorher = kastenRechteck(index);
    a = neu;
    if (m_quiz) {
        // A new caption may change the order of the numbers.
        zustaendeSetzen();
        beschriftungenErneuern();
        return;
    }
    m_karte.ZeichneObjekt(index, m_karte.Kartenbild(), Bildschirm, false, false, false);
    emit neuZeichnen(vorher.united(kastenRechteck(index)).adjusted(-2, -2, 2, 2));
    if (!zieht()) m_aufraeumen.start();
}

QRect Editoransicht::sichtbarerBereich() const {
    return {m_karte.Ansichtsversatz(), m_karte.Ansichtsbild().size()};
}

QPointF Editoransicht::anteil(QPoint steuerpunkt) const {
    return m_karte.AnsichtspunktZuAnteil(QPointF(steuerpunkt - m_karte.Ansichtsversatz()));
}

bool Editoransicht::aufKarte(QPoint steuerpunkt) const {
    return sichtbarerBereich().contains(steuerpunkt);
}

QPoint Editoransicht::ankerPunkt(int index) const {
    if (index < 0 || index >= static_cast<int>(m_anzeige.Objekte.size())) return {};
    const ObjDataTyp& o = m_anzeige.Objekte[static_cast<size_t>(index)];
    return m_karte.AnteilZuPunkt(QPointF(o.OB_Sx, o.OB_Sy));
}

QRect Editoransicht::kastenRechteck(int index) const {
    if (index < 0 || index >= static_cast<int>(m_anzeige.Objekte.size())) return {};
    const ObjDataTyp& o = m_anzeige.Objekte[static_cast<size_t>(index)];
    if (o.Box[0] == -1) return {};
    const QPoint lo = m_karte.AnteilZuPunkt(QPointF(o.Box[0], o.Box[1]));
    const QPoint ru = m_karte.AnteilZuPunkt(QPointF(o.Box[2], o.Box[3]));
    return QRect(lo, ru).normalized();
}

bool Editoransicht::objektSichtbar(const ObjDataTyp& o) const {
    const int t = o.OB_Typ;
    if (t == ObArt::Antwort || t == ObArt::Frage || t == ObArt::AntwortTitel)
        return o.OB_FrageNummer == m_anzeige.AktuelleFrage;
    return m_karte.EbeneSichtbar(o.OB_Ebene);
}

int Editoransicht::ankerAn(QPoint steuerpunkt) const {
    for (int i = static_cast<int>(m_anzeige.Objekte.size()) - 1; i >= 0; --i) {
        const ObjDataTyp& o = m_anzeige.Objekte[static_cast<size_t>(i)];
        if (o.OB_Typ != ObArt::Beschriftung && o.OB_Typ != ObArt::FesterText) continue;
        if (!objektSichtbar(o)) continue;
        const QPoint d = ankerPunkt(i) - steuerpunkt;
        if (d.manhattanLength() <= 7) return i;
    }
    return -1;
}

int Editoransicht::kastenAn(QPoint steuerpunkt) const {
    for (int i = static_cast<int>(m_anzeige.Objekte.size()) - 1; i >= 0; --i) {
        if (!objektSichtbar(m_anzeige.Objekte[static_cast<size_t>(i)])) continue;
        if (kastenRechteck(i).contains(steuerpunkt)) return i;
    }
    return -1;
}

void Editoransicht::ziehenBeginnen(int index, Griff griff, QPoint steuerpunkt) {
    if (index < 0 || index >= static_cast<int>(m_dok.dokument().Objekte.size())) return;
    m_aufraeumen.stop();
    m_ziehObjekt = index;
    m_griff = griff;
    m_ziehStart = anteil(steuerpunkt);
    m_ziehOriginal = m_dok.dokument().Objekte[static_cast<size_t>(index)];
    m_ziehVorher = m_dok.stand();
}

void Editoransicht::ziehenBewegen(QPoint steuerpunkt) {
    if (!zieht()) return;
    const QPointF d = anteil(steuerpunkt) - m_ziehStart;
    ObjDataTyp o = m_ziehOriginal;
    switch (m_griff) {
    case Griff::Anker:
        AnkerVerschieben(o, d.x(), d.y());
        break;
    case Griff::Kasten:
        KastenVerschieben(o, d.x(), d.y());
        break;
    case Griff::Ganz:
        ObjektVerschieben(o, d.x(), d.y());
        break;
    }
    m_dok.objektLiveSetzen(m_ziehObjekt, o);
}

void Editoransicht::ziehenBeenden() {
    if (!zieht()) return;
    const int index = m_ziehObjekt;
    m_ziehObjekt = -1;
    m_dok.ziehenBeenden(m_griff == Griff::Anker ? QStringLiteral("Anker verschieben")
                                                : QStringLiteral("Kasten verschieben"),
                        m_ziehVorher, index);
    m_ziehVorher = {};
    beschriftungenErneuern();
}

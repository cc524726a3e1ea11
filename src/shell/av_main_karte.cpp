// The main window's side of the map: the control, its keys and what a click on an
// info point, a link or a document marker opens.
#include "shell/av_main.h"

#include "data/av_data.h"
#include "documents/themenliste.h"
#include "mapview/ac_infobox.h"
#include "mapview/ac_kartenbild.h"
#include "mapview/link.h"

void TForm1::KarteEinrichten() {
    m_lernKartPicImg->setzeZiehCursor(AnwendungsCursor(8)); // "HAND"
    m_lernKartPicImg->BeiKlick = [this](const KlickErgebnis& e) { KartenKlick(e); };
    KarteVerschieben = [this](int dx, int dy) {
        if (dx < 0) m_karte.Rollen(Karte::Richtung::Links);
        if (dx > 0) m_karte.Rollen(Karte::Richtung::Rechts);
        if (dy < 0) m_karte.Rollen(Karte::Richtung::Hoch);
        if (dy > 0) m_karte.Rollen(Karte::Richtung::Runter);
    };
    KarteZoomen = [this](int richtung) {
        if (richtung > 0)
            m_karte.ZoomRein();
        else
            m_karte.ZoomRaus();
    };
}

void TForm1::KarteAufbauen() {
    // Before the first activation the window has no settled size; the map waits for it.
    if (m_ersteAktivierung && !isVisible()) return;
    m_lernKartPicImg->Aufbauen();
}

void TForm1::KartenKlick(const KlickErgebnis& ergebnis) {
    if (ergebnis.objekt < 0 || ergebnis.objekt >= static_cast<int>(m_dokument.Objekte.size())) return;
    // A copy: opening another document replaces the object list.
    const QString beschriftung = m_dokument.Objekte[ergebnis.objekt].OB_Cap;
    switch (ergebnis.art) {
    case KlickErgebnis::Art::Info:
        m_infoboxForm->InfotextZeigen(beschriftung);
        break;
    case KlickErgebnis::Art::Link: {
        const QString ordner = m_dokument.IstOffen() ? OrdnerVonPfad(m_dokument.Header.Dateiname) : QString();
        LinkOeffnen(beschriftung, ordner, m_dienste.shell, m_dienste.meldungen);
        break;
    }
    case KlickErgebnis::Art::Dokument:
        DokumentLinkOeffnen(beschriftung, m_dokument, Ordner(), *m_themen, m_dienste.meldungen);
        break;
    default:
        break;
    }
}

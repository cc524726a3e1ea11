// Completing a quiz: grade, the run's record handed over, the result window and the repeat.
#include "quiz/quiz.h"

#include "platform/systeminfo.h"
#include "platform/uhr.h"
#include "quiz/quiztexte.h"

// The run is over: the figures go into the record and to the windows at once; the result
// window follows from the event loop.
void Quiz::Abschliessen() {
    PlanVerwerfen();
    ZustandSetzen(Zustand::Beendet);
    m_ui.ZeitTimerSetzen(false);
    UhrAnhalten();
    if (m_daten.Endzustand == Aktiv) m_daten.Endzustand = Fertig;
    StatusAktualisieren();
    m_daten.Note = NoteFuer(m_daten.Gesamtleistung);
    m_ergebnis = ErgebnisFuellen();
    LaufFuellen();
    m_ui.ProtokollUebergeben(m_lauf);
    if (m_einstellungen.AutoProtSpeichern) m_ui.ProtokollAutomatischSpeichern();
    m_ui.BestenlisteEintragen(m_lauf);
    m_warte = Warte::Ergebnis;
    m_dienste.warten.pauseStarten(0);
}

void Quiz::LaufFuellen() {
    QuizLauf& l = m_lauf;
    l.Rechnername = m_dienste.systemInfo.rechnername();
    l.Rechnerbenutzer = m_dienste.systemInfo.benutzername();
    l.BestenlisteOption = m_einstellungen.ErgebBestListEintragen;
    l.DauerMs = m_zeitMs;
    l.Richtig = m_daten.Richtig;
    l.Fehlversuche = m_daten.Fehlversuche;
    l.Offen = m_daten.Offen;
    l.Erfolgsquote = m_daten.Erfolgsquote;
    l.Gesamtleistung = m_daten.Gesamtleistung;
    l.Note = m_daten.Note;
    l.Endzustand = m_daten.Endzustand;
}

// Shown again as long as a repeat cannot start.
void Quiz::ErgebnisZeigen() {
    const ErgebnisAnzeige anzeige = m_ergebnis;
    const bool netz = NetzUebung();
    for (;;) {
        const ErgebnisWahl wahl = m_ui.ErgebnisZeigen(anzeige);
        // The window may outlive the run: the quiz was left meanwhile.
        if (m_zustand != Zustand::Beendet) return;
        if (!wahl.wiederholen) break;
        // Without failed attempts only the complete repeat is offered.
        const int modus = anzeige.WiederholenAktiv ? wahl.wiederholmodus : 0;
        // As before F7: the options window first when the user wants it before every quiz;
        // closed without starting, the result window comes back. An exercise keeps its options.
        if (!netz && m_ui.OptionenVorJederUebung(m_dok.Header.HD_DokTyp) &&
            !m_ui.OptionenZeigen(m_dok.Header.HD_DokTyp))
            continue;
        if (Starten(true, modus, netz)) return;
    }
    Beenden();
}

ErgebnisAnzeige Quiz::ErgebnisFuellen() const {
    ErgebnisAnzeige e;
    e.Richtig = m_status.Richtig + QStringLiteral("  ") + m_status.GesAnz;
    e.Falsch = m_status.Falsch;
    e.Quote = m_status.Quote;
    e.Gesamtleistung = m_status.Gesamtleistung;
    e.ZeitArt = m_daten.Zeitlimit == ZeitlimitArt::An ? QStringLiteral("Verbliebene Zeit:")
                                                      : QStringLiteral("Benötigte Zeit:");
    e.Zeit = m_status.Zeit;
    e.Offen = QString::number(m_daten.Offen);
    e.Bewertung = NotenWort(m_daten.Note);
    e.Note = QString::number(m_daten.Note);
    e.L = m_daten.Gesamtleistung;
    e.WiederholenAktiv = m_daten.Fehlversuche > 0;
    if (m_daten.FragenAnzahl < m_daten.FragenGesamt)
        e.Durchlauf = QStringLiteral("Wiederholung: ") + QString::number(m_daten.FragenAnzahl) +
                      (m_daten.FragenAnzahl == 1 ? QStringLiteral(" Frage") : QStringLiteral(" Fragen"));
    return e;
}

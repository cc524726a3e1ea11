#include "documents/themen_aktionen.h"

#include "data/av_data.h"
#include "platform/meldungen.h"

bool QuizVerlassenBestaetigen(Meldungen& meldungen, bool quizUnbeendet) {
    if (!quizUnbeendet) return true;
    return meldungen.frageJaNein(QStringLiteral("Das aktuelle Quiz ist noch nicht beendet.\r\n"
                                                "Quiz wirklich abbrechen?"));
}

DateiDialogAuftrag OeffnenDialogAuftrag(const Dokument& dok, const QString& themenordner) {
    DateiDialogAuftrag auftrag;
    auftrag.Titel = QStringLiteral("Dokument öffnen");
    auftrag.Filter = {{QStringLiteral("Tavolo - Dokument (*.tvl)"), QStringLiteral("*.tvl")},
                      {QStringLiteral("Alle Dateien (*.*)"), QStringLiteral("*.*")}};
    auftrag.Standardendung = QStringLiteral("tvl");
    auftrag.MussExistieren = true;
    if (dok.IstOffen()) {
        auftrag.Startordner = OrdnerVonPfad(dok.Header.Dateiname);
        auftrag.Dateiname = dok.Header.Dateiname;
    } else {
        auftrag.Startordner = themenordner;
    }
    return auftrag;
}

ThemenAktionen::ThemenAktionen(Dokument& dok, Themenliste& liste, ProgrammOrdnerTyp& ordner,
                               Meldungen& meldungen, Dialoge& dialoge, ThemenHaken haken)
    : m_dok(dok), m_liste(liste), m_ordner(ordner), m_meldungen(meldungen), m_dialoge(dialoge),
      m_haken(std::move(haken)) {}

bool ThemenAktionen::QuizVerlassenErlaubt() {
    const bool unbeendet = m_haken.QuizUnbeendet && m_haken.QuizUnbeendet();
    if (!QuizVerlassenBestaetigen(m_meldungen, unbeendet)) return false;
    // Whatever follows (another document, the start page) replaces the quiz.
    if (unbeendet && m_haken.QuizVerlassen) m_haken.QuizVerlassen();
    return true;
}

bool ThemenAktionen::InLernansicht() const {
    return !m_haken.Ansichtsmodus || m_haken.Ansichtsmodus() == Ansichtsart::Lernansicht;
}

bool ThemenAktionen::Lesen(const QString& pfad) {
    return m_haken.DokumentLesen && m_haken.DokumentLesen(pfad, true);
}

void ThemenAktionen::OrdnerLesen() {
    m_dok.Listenindex = -1;
    m_liste.OrdnerLesen(ZuLesenderOrdner(m_dok, m_ordner.Themenordner));
    m_dok.Listenindex = m_liste.IndexVon(m_dok.Header.Dateiname);
    if (m_haken.MenueAufbauen) m_haken.MenueAufbauen(m_liste, m_dok.Listenindex);
    TitelZeigen();
}

void ThemenAktionen::TitelZeigen() {
    if (m_haken.TitelZeigen) m_haken.TitelZeigen(FensterTitelText(m_dok), DokTitelText(m_dok));
}

void ThemenAktionen::ListeneintragOeffnen(int index) {
    if (index < 0 || index >= m_liste.Anzahl()) return;
    if (!QuizVerlassenErlaubt()) return;
    // A copy: a failed read closes the document and rebuilds the list.
    const QString pfad = m_liste.Eintrag(index).Pfad;
    Lesen(pfad);
    if (m_dok.Header.Dateiname != pfad) return;
    m_dok.Listenindex = index;
    if (m_haken.MenueHakenSetzen) m_haken.MenueHakenSetzen(index);
    TitelZeigen();
}

void ThemenAktionen::Naechstes() {
    if (!InLernansicht()) return;
    const int ziel = m_liste.NaechstesZiel(m_dok.Listenindex);
    if (ziel != m_dok.Listenindex) ListeneintragOeffnen(ziel);
}

void ThemenAktionen::Vorheriges() {
    if (!InLernansicht()) return;
    const int ziel = m_liste.VorherigesZiel(m_dok.Listenindex);
    if (ziel != m_dok.Listenindex) ListeneintragOeffnen(ziel);
}

void ThemenAktionen::Startseite() {
    if (!QuizVerlassenErlaubt()) return;
    if (!m_ordner.Startdokument.isEmpty()) {
        Lesen(m_ordner.Startdokument);
        OrdnerLesen();
        return;
    }
    m_ordner.Themenordner = m_ordner.Startordner;
    DokumentSchliessen();
}

void ThemenAktionen::ZuvorAngezeigtes() {
    if (!InLernansicht() || m_dok.VorherigesDokument.isEmpty()) return;
    // Reading resets the model, which overwrites VorherigesDokument.
    const QString pfad = m_dok.VorherigesDokument;
    Lesen(pfad);
    OrdnerLesen();
}

void ThemenAktionen::OrdnerWaehlen() {
    const std::optional<QString> gewaehlt =
        m_dialoge.OrdnerWaehlen(QStringLiteral("Aktuellen Ordner wählen"), m_ordner.Themenordner);
    if (!gewaehlt) return;
    m_ordner.Themenordner = MitTrenner(*gewaehlt);
    DokumentSchliessen();
    m_meldungen.information(QString::number(m_liste.Anzahl()) +
                            QStringLiteral(" Themendokument(e) eingelesen.\r\n"
                                           "Wählen Sie das gewünschte Dokument im Menü \"Themenauswahl\"."));
}

void ThemenAktionen::Oeffnen() {
    if (!QuizVerlassenErlaubt()) return;
    const std::optional<QString> datei =
        m_dialoge.DateiOeffnen(OeffnenDialogAuftrag(m_dok, m_ordner.Themenordner));
    if (!datei || datei->isEmpty()) return;
    Lesen(*datei);
    OrdnerLesen();
}

void ThemenAktionen::Schliessen() {
    if (!QuizVerlassenErlaubt()) return;
    DokumentSchliessen();
}

void ThemenAktionen::DokumentSchliessen() {
    m_dok.Basisbild = m_startbild;
    m_dok.Objekte.clear();
    if (m_haken.BestenlisteLeeren) m_haken.BestenlisteLeeren();
    m_dok.Zuruecksetzen();
    if (m_haken.KarteNeuAufbauen) m_haken.KarteNeuAufbauen();
    OrdnerLesen();
    if (m_haken.StartpanelZeigen) m_haken.StartpanelZeigen();
}

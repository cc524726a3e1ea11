// The quiz clock and the status panel.
#include "quiz/quiz.h"

#include "mapview/karte.h"
#include "platform/uhr.h"
#include "quiz/quiztexte.h"

void Quiz::Takt() {
    if (!m_quizmodus) {
        m_ui.ZeitTimerSetzen(false);
        return;
    }
    m_ui.ZeitTimerSetzen(false);
    ZeitAnzeigeAktualisieren();
    if (Laeuft() && m_daten.Zeitlimit == ZeitlimitArt::An && m_daten.RestSek <= 0) {
        // During an answer's feedback the answer is counted first; the end of the feedback
        // ends the run. The clock stays off until then.
        if (m_zustand == Zustand::Rueckmeldung) {
            m_zeitAbgelaufen = true;
            return;
        }
        Zeitablauf();
        return;
    }
    // A finished quiz keeps its clock stopped even if a tick was still queued.
    if (Laeuft()) m_ui.ZeitTimerSetzen(true);
}

void Quiz::Zeitablauf() {
    if (!Laeuft()) return;
    m_zeitAbgelaufen = false;
    m_karte.MarkeZeigen(-1);
    m_ziel = -1;
    UhrAnhalten();
    m_daten.Endzustand = Timeout;
    ZeitAnzeigeAktualisieren();
    Ereignis(LaufEreignis::Art::Zeitablauf);
    PlanVerwerfen();
    ZustandSetzen(Zustand::Beendet);
    m_ui.ZeitTimerSetzen(false);
    m_warte = Warte::Zeitablauf;
    m_dienste.warten.pauseStarten(0);
}

void Quiz::ZeitAnzeigeAktualisieren() {
    m_zeitMs = VerstricheneMs();
    QString text;
    if (m_daten.Zeitlimit == ZeitlimitArt::An) {
        m_daten.RestSek = std::max<int32_t>(0, m_daten.ZeitlimitSek - static_cast<int32_t>(m_zeitMs / 1000));
        text = UhrText(m_daten.RestSek);
    } else {
        text = UhrText(m_zeitMs / 1000);
    }
    if (text == m_status.Zeit) return;
    m_status.Zeit = text;
    Schritt(QuizSchritt::Art::Zeit, -1, text);
}

void Quiz::StatusAktualisieren() {
    UebDataTyp& d = m_daten;
    m_status.Status =
        d.Endzustand == Aktiv ? QStringLiteral("warte auf Antwort") : QStringLiteral("Quiz beendet");
    m_status.StatusFarbe = Quizfarbe::Status;
    m_status.GesAnz = QStringLiteral("von  ") + QString::number(d.FragenAnzahl);
    m_status.Name = d.TeilnehmerName.trimmed().isEmpty() ? QStringLiteral("-") : d.TeilnehmerName;
    m_status.Richtig = QString::number(d.Richtig);
    m_status.Falsch = QString::number(d.Fehlversuche);
    const int32_t gegeben = d.Richtig + d.Fehlversuche;
    d.Erfolgsquote = gegeben == 0 ? 0.0 : double(d.Richtig) / double(gegeben);
    const int32_t alle = gegeben + d.Offen;
    d.Gesamtleistung = alle == 0 ? 0.0 : double(d.Richtig) / double(alle);
    m_status.Quote = ProzentText(d.Erfolgsquote);
    m_status.Gesamtleistung = ProzentText(d.Gesamtleistung);
    m_status.Offen = QString::number(d.Offen);
    m_status.ZeitModus = d.Zeitlimit == ZeitlimitArt::An ? QStringLiteral("Verbleibende Zeit:")
                                                         : QStringLiteral("Benötigte Zeit:");
    ZeitAnzeigeAktualisieren();
    Schritt(QuizSchritt::Art::Status);
}

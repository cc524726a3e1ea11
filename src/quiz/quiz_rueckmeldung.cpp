// The feedback machine: an answer's feedback is a plan of steps that runs until a pause or
// a sound must be waited for; the port's timer or the sound's end moves it on. Input that
// arrives meanwhile waits in a queue and is handled in order once the feedback has ended.
#include "quiz/quiz.h"

#include "platform/uhr.h"
#include "platform/meldungen.h"
#include "quiz/quiztexte.h"
#include "quiz/rueckmeldeton.h"

void Quiz::Tun(std::function<void()> tun) {
    m_plan.push_back(Stufe(Stufe::Art::Tun, std::move(tun)));
}

void Quiz::Pause(int ms) {
    m_plan.push_back(Stufe(Stufe::Art::Pause, {}, ms));
}

void Quiz::TonStufe(const QString& name) {
    m_plan.push_back(Stufe(Stufe::Art::Ton, {}, 0, name));
}

void Quiz::PlanVerwerfen() {
    m_plan.clear();
    m_eingaben.clear();
    if (m_warte == Warte::Pause || m_warte == Warte::Zeitablauf || m_warte == Warte::Ergebnis)
        m_dienste.warten.pauseAbbrechen();
    m_warte = Warte::Nichts;
    m_zeitAbgelaufen = false;
}

// Runs the plan until it waits or ends. A port may answer a pause or a sound before the
// call that started it returns; then the loop that is already running goes on.
void Quiz::PlanWeiter() {
    if (m_imPlan) return;
    m_imPlan = true;
    while (m_zustand == Zustand::Rueckmeldung && m_warte == Warte::Nichts && !m_plan.empty()) {
        Stufe stufe = std::move(m_plan.front());
        m_plan.pop_front();
        StufeAusfuehren(stufe);
    }
    m_imPlan = false;
    if (m_zustand == Zustand::Rueckmeldung && m_warte == Warte::Nichts && m_plan.empty()) UrteilEnde();
}

void Quiz::StufeAusfuehren(Stufe& stufe) {
    switch (stufe.art) {
    case Stufe::Art::Tun:
        stufe.tun();
        break;
    case Stufe::Art::Pause:
        Schritt(QuizSchritt::Art::Pause, -1, {}, {}, {}, stufe.wert);
        m_warte = Warte::Pause;
        m_dienste.warten.pauseStarten(stufe.wert);
        break;
    case Stufe::Art::Ton: {
        // A missing file shows its box here; the run may be left while it is open.
        m_warte = Warte::Ton;
        const bool spielt = RueckmeldetonSpielen(stufe.ton, m_einstellungen.Sound, m_soundordner,
                                                 m_dienste.ton, m_dienste.meldungen) &&
                            m_einstellungen.Sound;
        if (!spielt && m_warte == Warte::Ton) m_warte = Warte::Nichts;
        break;
    }
    case Stufe::Art::Gleiten:
        GleitenPlanen(stufe.wert);
        break;
    }
}

// The time-out box and the result window come after the clock's or the answer's call
// has returned to the event loop.
void Quiz::PauseVorbei() {
    const Warte warte = m_warte;
    if (warte == Warte::Nichts || warte == Warte::Ton) return;
    m_warte = Warte::Nichts;
    if (warte == Warte::Pause) {
        PlanWeiter();
        return;
    }
    if (m_zustand != Zustand::Beendet) return;
    if (warte == Warte::Ergebnis) {
        ErgebnisZeigen();
        return;
    }
    m_dienste.meldungen.information(ZeitlimitErreichtText);
    // The box may have been open while the quiz was left.
    if (m_zustand == Zustand::Beendet) Abschliessen();
}

void Quiz::TonBeendet() {
    if (m_warte != Warte::Ton) return;
    m_warte = Warte::Nichts;
    PlanWeiter();
}

// The answer is counted: the next question, the completion, or the time-out that came
// during the feedback; then the input kept back meanwhile.
void Quiz::UrteilEnde() {
    ZustandSetzen(Zustand::WartetAufAntwort);
    if (m_daten.Offen == 0 || !NaechsteFrage()) {
        m_fokus = -1;
        Abschliessen();
        return;
    }
    if (m_zeitAbgelaufen) {
        Zeitablauf();
        return;
    }
    ErsterFokus();
    while (m_zustand == Zustand::WartetAufAntwort && !m_eingaben.empty()) {
        const Eingabe e = m_eingaben.front();
        m_eingaben.pop_front();
        EingabeAusfuehren(e);
    }
}

bool Quiz::Zurueckhalten(const Eingabe& eingabe) {
    if (m_zustand != Zustand::Rueckmeldung) return false;
    m_eingaben.push_back(eingabe);
    return true;
}

void Quiz::EingabeAusfuehren(const Eingabe& e) {
    using Art = Eingabe::Art;
    switch (e.art) {
    case Art::Aufnehmen:
        Aufnehmen(e.wert, e.punkt);
        break;
    case Art::Ziehen:
        Ziehen(e.wert, e.punkt);
        break;
    case Art::Loslassen:
        Loslassen(e.wert);
        break;
    case Art::NummerTippen:
        NummerTippen(e.zeichen);
        break;
    case Art::RahmenLoeschen:
        RahmenLoeschen();
        break;
    case Art::PfeilSchritt:
        PfeilSchritt(e.wert != 0);
        break;
    case Art::Bestaetigen:
        Bestaetigen();
        break;
    case Art::AntwortTaste:
        AntwortTaste(e.wert);
        break;
    }
}

#pragma once
// The quiz engine: start and question set, presentation, target search, judging with
// its feedback steps, counting, the clock, completion with grade and the run's record.
// Mouse and keyboard events of the answer elements arrive as calls; the windows mirror
// the element list and play the steps handed to QuizOberflaeche. Where each rule lives:
// docs/quiz-ablauf.md.
#include "quiz/fragenfolge.h"
#include "quiz/quizlauf.h"
#include "quiz/quizoberflaeche.h"
#include "quiz/uebdaten.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QRect>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class Karte;
class Meldungen;
class SystemInfo;
class Ton;
class Uhr;
class Warten;

namespace Quizfarbe {
inline const QColor Normal(0xFF, 0xF3, 0x90);
inline const QColor Richtig(0x9B, 0xFF, 0x8F);
inline const QColor Falsch(0xFF, 0x96, 0x8F);
inline const QColor TextRichtig(0x00, 0x80, 0x00);
inline const QColor TextFalsch(0xFF, 0x00, 0x00);
inline const QColor Status(0x00, 0x80, 0xFF);
inline const QColor Trennbalken(0xE1, 0xE1, 0xD9);
inline const QColor Schrift(0x21, 0x21, 0x1F);
} // namespace Quizfarbe

// One answer element ("UebElemPan" + Nummer): a hover panel over the quiz panel.
struct AntwortElement {
    int Nummer = 0;
    int32_t Tag = -1; // the entry's TextObjekt
    QString Beschriftung;
    QRect Rechteck;
    bool Sichtbar = true;
    bool Vorhanden = true; // false once destroyed
    QColor Farbe = Quizfarbe::Normal;
    int Slot = 0; // single questions: answer slot 1..6, 0 when not shown
};
QString ElementName(int nummer);

// Texts of the status panel UebInfoPan.
struct StatusAnzeige {
    QString Status = QStringLiteral("warte auf Antwort");
    QColor StatusFarbe = Quizfarbe::Status;
    QString Name = QStringLiteral("-");
    QString Richtig = QStringLiteral("0");
    QString GesAnz = QStringLiteral("von  0");
    QString Falsch = QStringLiteral("0");
    QString Quote = QStringLiteral("0.0 %");
    QString Offen = QStringLiteral("0");
    QString Gesamtleistung = QStringLiteral("0.0 %");
    QString ZeitModus = QStringLiteral("Benötigte Zeit:");
    QString Zeit = QStringLiteral("00:00");
};

// Contents of the result window TUebFertigForm.
struct ErgebnisAnzeige {
    QString Richtig;
    QString Falsch;
    QString Quote;
    QString Offen;
    QString ZeitArt;
    QString Zeit;
    QString Gesamtleistung;
    QString Bewertung;
    QString Note;
    double L = 0;
    bool WiederholenAktiv = false;
    // After a partial repeat: "Wiederholung: N Fragen"; empty for a complete run.
    QString Durchlauf;
};

struct QuizDienste {
    Meldungen& meldungen;
    Uhr& uhr;
    Warten& warten;
    Ton& ton;
    SystemInfo& systemInfo;
};

class Quiz final : public QObject {
    Q_OBJECT
public:
    // Aus: the learning view. WartetAufAntwort: input is handled at once. Rueckmeldung: an
    // answer's feedback runs through its steps, pauses and sound; input waits in a queue
    // and is handled in order when it ends. Beendet: the run is over; the time-out box,
    // the hand-over and the result window follow from the event loop.
    enum class Zustand { Aus, WartetAufAntwort, Rueckmeldung, Beendet };

    Quiz(Dokument& dok, Karte& karte, const ProgrammEinstellungenTyp& einstellungen, QuizDienste dienste,
         QuizOberflaeche& ui);

    // State.
    const UebDataTyp& Daten() const { return m_daten; }
    const FragenfolgeTyp& Fragenfolge() const { return m_folge; }
    const std::vector<AntwortElement>& Elemente() const { return m_elemente; }
    bool Quizmodus() const { return m_quizmodus; }
    bool Laeuft() const { return m_quizmodus && m_daten.Endzustand == Aktiv; }
    Zustand AktuellerZustand() const { return m_zustand; }
    const StatusAnzeige& Status() const { return m_status; }
    // The record of the current run, or of the last one once the quiz mode has ended.
    const QuizLauf& Lauf() const { return m_lauf; }
    int Ziel() const { return m_ziel; }
    int Loesungselement() const { return m_loesung; }
    QString FrageZaehlerText() const { return m_frageZaehler; }
    QSize Panelgroesse() const { return m_panel; }
    // Milliseconds shown by the last time display.
    int64_t ZeitMs() const { return m_zeitMs; }
    // The sound folder; by default the program's.
    void SetzeSoundordner(const QString& ordner) { m_soundordner = ordner; }

    // Commands.
    void OptionenOeffnen();
    bool AbbruchBestaetigen();
    // `alsNetzuebung` keeps the values of a joined exercise (its repeats); any other
    // start runs under the options windows' values again.
    bool Starten(bool optionenZeigen, int wiederholmodus, bool alsNetzuebung = false);
    // A joined network exercise: the quiz starts with the exercise's values instead of the
    // options windows', always asks for the name, and a complete run goes to the
    // exercise's best list. The exercise ends when the quiz returns to the learning view.
    bool NetzStarten(const UebungsWerte& werte);
    bool NetzUebung() const { return m_netzWerte.has_value(); }
    // A published exercise is noted in the quiz state; a running quiz keeps its own options.
    void NetzuebungVermerken(const UebungsWerte& werte, const QString& master);
    // "Quiz abbrechen": asks first while the quiz runs.
    bool Abbrechen();
    // Ends the quiz mode like "Quiz abbrechen", without asking: the caller has asked
    // already (another document, the start page, closing the window).
    void Verlassen();
    void PanelGroesseGeaendert(QSize panel);
    QImage Hintergrundbild() const;

    // Clock (ZeitTimer every 100 ms) and status panel.
    void Takt();
    void ZeitAnzeigeAktualisieren();
    void StatusAktualisieren();

    // Mouse on answer element `k`; points in UebungPan pixels. Input that arrives while an
    // answer's feedback runs waits until the feedback has ended, as the keys below do
    // (moving the focus excepted).
    void Aufnehmen(int k, QPoint maus);
    void Ziehen(int k, QPoint maus);
    void Loslassen(int k);
    // The open position under an element rectangle (UebungPan pixels), -1 for none.
    int ZielSuchen(const QRect& elementRechteck) const;

    // Keyboard play.
    int Fokus() const { return m_fokus; }
    void FokusWeiter(bool rueckwaerts);
    // A character of a cover number; frames the position whose number was typed.
    bool NummerTippen(QChar zeichen);
    void RahmenLoeschen();
    // Question-mark numbering: steps the frame through the open positions in list order.
    bool PfeilSchritt(bool vorwaerts);
    // Enter: judges the focused element against the framed position, as a drop would;
    // in a single-questions quiz Enter and Space click the focused answer.
    bool Bestaetigen();
    // Keys 1..6 of a single-questions quiz: clicks the answer in that slot.
    bool AntwortTaste(int taste);

signals:
    void zustandGeaendert(Quiz::Zustand zustand);

private:
    // One step of an answer's feedback: something to do, a pause, a sound or the glide
    // back of a wrongly dropped element.
    struct Stufe {
        enum class Art { Tun, Pause, Ton, Gleiten };
        explicit Stufe(Art a, std::function<void()> t = {}, int w = 0, QString n = {})
            : art(a), tun(std::move(t)), wert(w), ton(std::move(n)) {}
        Art art = Art::Tun;
        std::function<void()> tun;
        int wert = 0; // Pause: milliseconds; Gleiten: the element
        QString ton;
    };
    // Input kept back while the feedback runs.
    struct Eingabe {
        enum class Art {
            Aufnehmen,
            Ziehen,
            Loslassen,
            NummerTippen,
            RahmenLoeschen,
            PfeilSchritt,
            Bestaetigen,
            AntwortTaste
        };
        Eingabe(Art a, int w = 0, QPoint p = {}, QChar z = {}) : art(a), wert(w), punkt(p), zeichen(z) {}
        Art art;
        int wert = 0;
        QPoint punkt;
        QChar zeichen;
    };
    enum class Warte { Nichts, Pause, Ton, Zeitablauf, Ergebnis };

    // start, cancel
    void Beenden();
    void ElementeErzeugen();
    void LaufZuruecksetzen();
    void ZustandSetzen(Zustand zustand);
    void Schritt(QuizSchritt::Art art, int element = -1, const QString& text = {}, QColor farbe = {},
                 QPoint punkt = {}, int ms = 0, bool an = false);
    // Freezes the quiz clock: the time shown and recorded from now on is the run's end time.
    void UhrAnhalten();
    void Zeitablauf();
    void Ereignis(LaufEreignis::Art art, int32_t objekt = -1, const QString& text = {});
    int64_t VerstricheneMs() const;
    int ZaehleOffen() const;
    bool IstEinzelfragen() const { return m_dok.Header.HD_DokTyp == Einzelfragen; }
    // the feedback machine
    bool Zurueckhalten(const Eingabe& eingabe);
    void EingabeAusfuehren(const Eingabe& eingabe);
    void Tun(std::function<void()> tun);
    void Pause(int ms);
    void TonStufe(const QString& name);
    void PlanWeiter();
    void StufeAusfuehren(Stufe& stufe);
    void PauseVorbei();
    void TonBeendet();
    void UrteilEnde();
    void PlanVerwerfen();
    // presentation and judging
    void FragePraesentieren();
    void EinzeltextZeigen();
    void EinzelpositionZeigen();
    void EinzelfrageZeigen();
    void AntwortenLegen();
    void AntwortenPlatzieren();
    void ElementeNeuLegen();
    bool IstKandidat(int index) const;
    void ZielSetzen(int index);
    void Urteilen(int k);
    void AntwortAufzeichnen(int32_t ziel, int32_t text, bool richtig);
    void RichtigPlanen(int k, int ziel);
    void FalschPlanen(int k, int ziel);
    void EinzelfrageFalschPlanen(int ziel);
    void GleitenPlanen(int k);
    void ElementFarbe(int k, QColor farbe);
    void ElementSichtbar(int k, bool an);
    void AlleVerbergen();
    bool NaechsteFrage();
    void GleicheTexteVerbinden(int k, int ziel);
    void FokusSetzen(int k);
    void ErsterFokus();
    // The visible elements in the order of their places on screen: the Tab order.
    std::vector<int> Tabfolge() const;
    // Clicks single-question answer `k` as the mouse would.
    bool AntwortKlicken(int k);
    // completion
    void Abschliessen();
    void LaufFuellen();
    void ErgebnisZeigen();
    ErgebnisAnzeige ErgebnisFuellen() const;

    Dokument& m_dok;
    Karte& m_karte;
    const ProgrammEinstellungenTyp& m_einstellungen;
    QuizDienste m_dienste;
    QuizOberflaeche& m_ui;
    QString m_soundordner;

    UebDataTyp m_daten;
    FragenfolgeTyp m_folge;
    std::vector<AntwortElement> m_elemente;
    StatusAnzeige m_status;
    QuizLauf m_lauf;
    QString m_frageZaehler;
    QSize m_panel{1000, 600};
    bool m_quizmodus = false;
    Zustand m_zustand = Zustand::Aus;
    std::deque<Stufe> m_plan;       // the rest of the running feedback
    std::deque<Eingabe> m_eingaben; // input that arrived during the feedback
    Warte m_warte = Warte::Nichts;  // what the feedback or the completion waits for
    bool m_imPlan = false;          // PlanWeiter() is running (a port may answer at once)
    bool m_zeitAbgelaufen = false;  // the time ran out during the feedback
    ErgebnisAnzeige m_ergebnis;     // the completed run's result window
    int64_t m_endeMs = -1;          // the clock's time at the end of the run, -1 while it runs
    int m_ziel = -1;
    int m_loesung = -1;
    int64_t m_zeitMs = 0;
    QPoint m_aufnahmePlatz;
    QPoint m_griff;
    int m_fokus = -1;
    QString m_getippt;
    std::optional<UebungsWerte> m_netzWerte;
};

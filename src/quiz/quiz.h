#pragma once
// The quiz engine: start and question set, presentation, target search, judging with
// its feedback steps, counting, the clock, completion with grade and protocol text.
// Mouse and keyboard events of the answer elements arrive as calls; the windows mirror
// the element list and play the steps handed to QuizOberflaeche.
#include "quiz/fragenfolge.h"
#include "quiz/quizoberflaeche.h"
#include "quiz/uebdaten.h"

#include <QColor>
#include <QImage>
#include <QRect>
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

class Quiz final {
public:
    Quiz(Dokument& dok, Karte& karte, const ProgrammEinstellungenTyp& einstellungen, QuizDienste dienste,
         QuizOberflaeche& ui);

    // State.
    const UebDataTyp& Daten() const { return m_daten; }
    const FragenfolgeTyp& Fragenfolge() const { return m_folge; }
    const std::vector<AntwortElement>& Elemente() const { return m_elemente; }
    bool Quizmodus() const { return m_quizmodus; }
    bool Laeuft() const { return m_quizmodus && m_daten.Endzustand == Aktiv; }
    const StatusAnzeige& Status() const { return m_status; }
    const QString& Protokolltext() const { return m_protokoll; }
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

    // Mouse on answer element `k`; points in UebungPan pixels.
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

private:
    // start, cancel
    void Beenden();
    void ElementeErzeugen();
    void LaufZuruecksetzen();
    void Schritt(QuizSchritt::Art art, int element = -1, const QString& text = {}, QColor farbe = {},
                 QPoint punkt = {}, int ms = 0, bool an = false);
    void Pause(int ms);
    // True while the judgement begun in run `lauf` may still change the quiz: a box or a
    // pause inside a judgement can outlive the run it belongs to.
    bool UrteilGilt(uint32_t lauf) const { return lauf == m_lauf && Laeuft(); }
    bool UrteilLaeuft() const { return m_urteilLauf != 0 && m_urteilLauf == m_lauf; }
    // Freezes the quiz clock: the time shown and recorded from now on is the run's end time.
    void UhrAnhalten();
    void Zeitablauf();
    void Zeile(const QString& text, bool mitZeit = true);
    int64_t VerstricheneMs() const;
    int ZaehleOffen() const;
    bool IstEinzelfragen() const { return m_dok.Header.HD_DokTyp == Einzelfragen; }
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
    bool Beurteilen(int k, uint32_t lauf);
    bool RichtigBehandeln(int k, uint32_t lauf);
    bool FalschBehandeln(int k, uint32_t lauf);
    bool EinzelfrageFalsch(int ziel, uint32_t lauf);
    bool Zurueckgleiten(int k, uint32_t lauf);
    void ElementFarbe(int k, QColor farbe);
    void ElementSichtbar(int k, bool an);
    void AlleVerbergen();
    bool NaechsteFrage();
    void GleicheTexteVerbinden(int k);
    void FokusSetzen(int k);
    void ErsterFokus();
    // The visible elements in the order of their places on screen: the Tab order.
    std::vector<int> Tabfolge() const;
    // Clicks single-question answer `k` as the mouse would.
    bool AntwortKlicken(int k);
    // completion
    void Abschliessen();
    ErgebnisAnzeige ErgebnisFuellen() const;
    void ZusammenfassungSchreiben(const ErgebnisAnzeige& e);
    QString SumZeile(const QString& text);

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
    QString m_protokoll;
    QString m_frageZaehler;
    QSize m_panel{1000, 600};
    bool m_quizmodus = false;
    // Every start and every end of a run gets a new number; 0 is never a run.
    uint32_t m_lauf = 1;
    uint32_t m_urteilLauf = 0;        // the run whose answer is being judged, 0 for none
    uint32_t m_abgeschlossenLauf = 0; // the run that was completed last
    bool m_zeitAbgelaufen = false;    // the time ran out while an answer was being judged
    int64_t m_endeMs = -1;            // the clock's time at the end of the run, -1 while it runs
    int m_ziel = -1;
    int m_loesung = -1;
    int64_t m_zeitMs = 0;
    QPoint m_aufnahmePlatz;
    QPoint m_griff;
    int m_fokus = -1;
    QString m_getippt;
    std::optional<UebungsWerte> m_netzWerte;
};

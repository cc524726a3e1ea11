#pragma once
// The record of one quiz run as the quiz hands it over at completion: what was asked,
// under which options, by whom, and every answer with its attempt and time. The
// protocol text, the best-list entry and the class analysis are all made from it.
#include "quiz/uebdaten.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

// One answer: a text dropped on (or chosen for) a target.
struct AntwortEintrag {
    int32_t ZielObjekt = -1;  // the position, gap or question answered (object index)
    QString ZielNummer;       // the target's number or letter as the map showed it ("?" included)
    QString ZielBeschriftung; // the target's own caption, as in the document
    int32_t TextObjekt = -1;  // the object whose text was dropped or chosen, -1 for none
    QString Text;             // that text as the document holds it
    bool Richtig = false;
    int32_t Versuch = 1; // 1 for the first answer at this target in the run, then 2, 3, ...
    int64_t Ms = 0;      // milliseconds since the start of the run
};

// A line of the course that is not an answer: the start, a single text, position or
// question presented, the time limit reached.
struct LaufEreignis {
    enum class Art { Start, TextGefragt, PositionGefragt, FrageGestellt, Zeitablauf };
    Art art = Art::Start;
    int32_t Objekt = -1; // the text, position or question presented
    QString Text;        // its caption; for a question the question's text
    int64_t Ms = 0;
    size_t NachAntworten = 0; // the number of answers recorded before it
    // A single question: its counter ("3. Frage"), the answers offered in slot order of
    // the elements, and which of them is the solution.
    int32_t Zaehler = 0;
    std::vector<QString> Angebote;
    int32_t Loesung = -1;
};

struct QuizLauf {
    QString Dokumentpfad;
    QString Titel;
    int32_t DokTyp = 0;
    UebungsWerte Optionen;         // the eight option values the run used
    bool Netzuebung = false;       // a joined network exercise
    bool BestenlisteOption = true; // "&Ergebnisse in Bestenliste eintragen" at the completion
    QString Teilnehmer;            // as typed; empty when not asked or left blank
    QString Rechnername;
    QString Rechnerbenutzer;
    QDateTime Start;
    int64_t DauerMs = 0;  // the clock at the end, held to the time limit
    bool Komplett = true; // every question asked (a whole run), false for a partial repeat

    // The figures the completion computes.
    int32_t FragenAnzahl = 0; // questions asked in this run
    int32_t FragenGesamt = 0; // questions of the document
    int32_t Richtig = 0;
    int32_t Fehlversuche = 0;
    int32_t Offen = 0;
    double Erfolgsquote = 0;
    double Gesamtleistung = 0;
    int32_t Note = 0;
    int32_t Endzustand = Aktiv; // Fertig or Timeout once completed

    std::vector<AntwortEintrag> Antworten;
    std::vector<LaufEreignis> Ereignisse;
};

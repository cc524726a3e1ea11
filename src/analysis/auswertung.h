#pragma once
// The class analysis: what the runs of a .kqa say per position (gap, question) and per
// pupil. A position counts as right at the first attempt in a run when the run's first
// answer on it was right; its confusions are the wrong texts dropped on it or chosen.
#include "analysis/antwortsatz.h"

#include <QString>
#include <vector>

struct Dokument;

struct Verwechslung {
    QString text;
    int anzahl = 0;
};

struct PositionsZeile {
    int32_t ziel = -1;
    QString nummer;
    QString antwort;       // the right text
    int teilnehmer = 0;    // pupils with an answer on the position
    int laeufe = 0;        // runs with an answer on it
    int ersterRichtig = 0; // of those, right at the first attempt
    int fehlversuche = 0;
    std::vector<Verwechslung> verwechslungen; // most frequent first

    double anteil() const { return laeufe > 0 ? static_cast<double>(ersterRichtig) / laeufe : 0; }
};

struct LaufWerte {
    QString note;
    double leistung = 0;
    bool vorhanden = false;
};

struct SchuelerZeile {
    QString name;
    int laeufe = 0;
    LaufWerte ersterGanzer;
    LaufWerte bester;
    QStringList verfehlt; // numbers of the positions missed at the first attempt
};

struct Auswertung {
    QString titel;
    QString datei;
    QString hash;
    std::vector<PositionsZeile> positionen; // in number order
    std::vector<SchuelerZeile> schueler;    // in name order
    int ausgewerteteLaeufe = 0;
};

// Counts the runs of `bestand`; all runs need a store read with all answers. With the document the right
// answers and the number order come from it; without, from the runs themselves.
Auswertung Auswerten(const KqaBestand& bestand, AuswertungsUmfang umfang, const Dokument* dok = nullptr);

// The runs that the choice takes: each pupil's first whole run, or all of them.
std::vector<std::size_t> GewaehlteLaeufe(const KqaBestand& bestand, AuswertungsUmfang umfang);

// Thresholds of the colours: green from 80 %, yellow from 50 %, red below.
enum class Ampel { Gruen, Gelb, Rot };
Ampel AmpelFuer(double anteil);

// "Slowenien (9)", or empty.
QString VerwechslungText(const PositionsZeile& p);

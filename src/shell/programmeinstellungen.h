#pragma once
// Loading and saving the user's options in the settings store. The four folder values
// (communication folder and channel, protocol and best-list folder) live in the
// folder record Ordner(), which every user of a folder reads.
#include "data/av_data.h"
#include "quiz/quizoptionen.h"

#include <QString>
#include <QStringList>
#include <vector>

class Einstellungen;

// Reads every value of the store in table order. A value that is missing or of
// another type leaves the field as it is; folder values are taken exactly as stored, except
// that an empty "NetzKomOrdner" keeps the default communication folder.
void EinstellungenLaden(const Einstellungen& speicher, ProgrammEinstellungenTyp& werte,
                        ProgrammOrdnerTyp& ordner);

// Writes every value in table order and asks the store to persist them; false when the
// store could not be written.
bool EinstellungenSpeichern(Einstellungen& speicher, const ProgrammEinstellungenTyp& werte,
                            const ProgrammOrdnerTyp& ordner);

// The values as the store gave them at start, to tell later what the user changed.
struct EinstellungsStand {
    ProgrammEinstellungenTyp werte;
    ProgrammOrdnerTyp ordner;
};

// Writes, in table order, only the values that differ from `geladen`, and asks the store
// to persist them. A value the user never changed stays out of his store, so a preset
// added or changed later still reaches him. False when the store could not be written;
// `geschrieben` gets the names written.
bool AenderungenSpeichern(Einstellungen& speicher, const EinstellungsStand& geladen,
                          const ProgrammEinstellungenTyp& werte, const ProgrammOrdnerTyp& ordner,
                          QStringList* geschrieben = nullptr);

// The value names in table order, as written.
QStringList EinstellungsNamen();

// One value of the table as text, for listing and scripting the settings.
enum class EinstellungsArt { Wahrheitswert, Zahl, Text };
struct EinstellungsWert {
    QString name;     // as written
    QString ladename; // as looked up
    EinstellungsArt art;
    QString wert; // "true"/"false", a decimal number, or the text itself
};

// Every value of the table in table order, as the given records hold it.
std::vector<EinstellungsWert> EinstellungenAlsText(const ProgrammEinstellungenTyp& werte,
                                                   const ProgrammOrdnerTyp& ordner);

// True when the store holds the value in a form its type can read.
bool EinstellungVorhanden(const Einstellungen& speicher, const EinstellungsWert& eintrag);

// Writes one value given as text with the type the program uses: a boolean as
// true/false/1/0, an integer as a 32-bit decimal number. Names ignore case.
enum class SetzErgebnis { Gesetzt, UnbekannterName, UngueltigerWert };
SetzErgebnis EinstellungSetzen(Einstellungen& speicher, const QString& name, const QString& wert);

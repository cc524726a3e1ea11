#pragma once
// Loading and saving the user's options in the settings store. The four folder values
// (communication folder and channel, protocol and best-list folder) live in the
// folder record Ordner(), which every user of a folder reads.
#include "data/av_data.h"
#include "quiz/quizoptionen.h"

#include <QString>

class Einstellungen;

// Reads every value of the store in table order. A value that is missing or of
// another type leaves the field as it is; folder values are taken exactly as stored.
void EinstellungenLaden(const Einstellungen& speicher, ProgrammEinstellungenTyp& werte,
                        ProgrammOrdnerTyp& ordner);

// Writes every value in table order and asks the store to persist them.
void EinstellungenSpeichern(Einstellungen& speicher, const ProgrammEinstellungenTyp& werte,
                            const ProgrammOrdnerTyp& ordner);

// The value names in table order, as written.
QStringList EinstellungsNamen();

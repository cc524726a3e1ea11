#pragma once
// The user's options as kept in the settings store between runs. The quiz option
// windows and the option menu bind to these fields; the four folder values
// (communication folder and channel, protocol and best-list folder) live in the
// folder record Ordner(), which every user of a folder reads.
#include "data/av_data.h"

#include <QString>

class Einstellungen;

struct ProgrammEinstellungenTyp {
    // menu "&Optionen"
    bool Sound = true;
    bool UebNameEingabe = true;
    bool AutoProtSpeichern = false;
    bool ErgebBestListEintragen = true;
    // TUebOptForm
    int UebOpt_AbfrageModus = 0;
    int UebOpt_Zeitlimit = 0;
    QString UebOpt_ZLimitMin = QStringLiteral("3");
    QString UebOpt_ZLimitSek = QStringLiteral("0");
    int UebOpt_ZuordnungRichtig = 0;
    int UebOpt_ZuordnungFalsch = 0;
    int UebOpt_Zuordnungstexte = 1;
    int UebOpt_Zuordnungsziele = 1;
    // TUebOptFragenForm
    int UebOptFragen_ZuordnungFalsch = 0;
    int UebOptFragen_Zuordnungstexte = 1;
    int UebOptFragen_Zeitlimit = 0;
    QString UebOptFragen_ZLimitMin = QStringLiteral("3");
    QString UebOptFragen_ZLimitSek = QStringLiteral("0");
    int UebOptFragen_Zuordnungsziele = 1;

    bool operator==(const ProgrammEinstellungenTyp&) const = default;
};

// Reads every value of the store in table order. A value that is missing or of
// another type leaves the field as it is; folder values are taken exactly as stored.
void EinstellungenLaden(const Einstellungen& speicher, ProgrammEinstellungenTyp& werte,
                        ProgrammOrdnerTyp& ordner);

// Writes every value in table order and asks the store to persist them.
void EinstellungenSpeichern(Einstellungen& speicher, const ProgrammEinstellungenTyp& werte,
                            const ProgrammOrdnerTyp& ordner);

// The value names in table order, as written.
QStringList EinstellungsNamen();

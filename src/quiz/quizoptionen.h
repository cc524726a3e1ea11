#pragma once
// The options a quiz runs under, as kept in the settings store between runs: the
// switches of the menu "&Optionen" and the fields of the two options windows, which
// bind to them directly. The quiz engine reads them at every start.
#include <QString>

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

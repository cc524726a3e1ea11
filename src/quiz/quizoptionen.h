#pragma once
// The options a quiz runs under, as kept in the settings store between runs: the
// switches of the menu "&Optionen" and one options record per options window, which
// the window binds to directly. The quiz engine reads them at every start.
#include <QString>

// The fields of one options window. Both windows start from the same values; the
// single-questions window has no query mode and no behaviour on a correct answer, so
// it leaves AbfrageModus and ZuordnungRichtig as they are.
struct UebOptionenTyp {
    int AbfrageModus = 0;
    int Zeitlimit = 0;
    QString ZLimitMin = QStringLiteral("3");
    QString ZLimitSek = QStringLiteral("0");
    int ZuordnungRichtig = 0;
    int ZuordnungFalsch = 0;
    int Zuordnungstexte = 1;
    int Zuordnungsziele = 1;

    bool operator==(const UebOptionenTyp&) const = default;
};

struct ProgrammEinstellungenTyp {
    // menu "&Optionen"
    bool Sound = true;
    bool UebNameEingabe = true;
    bool AutoProtSpeichern = false;
    bool ErgebBestListEintragen = true;
    UebOptionenTyp UebOpt;       // TUebOptForm
    UebOptionenTyp UebOptFragen; // TUebOptFragenForm

    bool operator==(const ProgrammEinstellungenTyp&) const = default;
};

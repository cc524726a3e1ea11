#pragma once
// The options a quiz runs under, as kept in the settings store between runs: the
// switches of the menu "&Optionen" and one options record per options window, which
// the window binds to directly. The quiz engine reads them at every start.
#include <QString>
#include <cstdint>

// The named values of the options, with the numbers the settings store, the exercise
// settings file and the protocol's texts use. Fields stay plain numbers so the stored
// bytes never change; code compares them against these names.
namespace AbfrageModusArt {
enum : int32_t { Frei = 0, Einzeltexte = 1, Einzelpositionen = 2 };
} // namespace AbfrageModusArt
namespace ZeitlimitArt {
enum : int32_t { Aus = 0, An = 1 };
} // namespace ZeitlimitArt
namespace ZuordnungRichtigArt {
enum : int32_t { Einblenden = 0, Haekchen = 1 };
} // namespace ZuordnungRichtigArt
// Single questions read the same values as "ask until right" (0) and "ask once" (1).
namespace ZuordnungFalschArt {
enum : int32_t { BeliebigOft = 0, Kreuz = 1, FrageBisRichtig = 0, FrageEinmal = 1 };
} // namespace ZuordnungFalschArt
namespace ZuordnungstexteArt {
enum : int32_t { Alphabetisch = 0, Gemischt = 1 };
} // namespace ZuordnungstexteArt
namespace ZuordnungszieleArt {
enum : int32_t { Geordnet = 0, Gemischt = 1, Fragezeichen = 2 };
} // namespace ZuordnungszieleArt
// The feedback switch carried by the exercise settings file; the quiz gives every answer
// its feedback.
namespace RueckmeldungArt {
enum : int32_t { Standard = 0 };
} // namespace RueckmeldungArt

// The fields of one options window. Both windows start from the same values; the
// single-questions window has no query mode and no behaviour on a correct answer, so
// it leaves AbfrageModus and ZuordnungRichtig as they are.
struct UebOptionenTyp {
    int AbfrageModus = AbfrageModusArt::Frei;
    int Zeitlimit = ZeitlimitArt::Aus;
    QString ZLimitMin = QStringLiteral("3");
    QString ZLimitSek = QStringLiteral("0");
    int ZuordnungRichtig = ZuordnungRichtigArt::Einblenden;
    int ZuordnungFalsch = ZuordnungFalschArt::BeliebigOft;
    int Zuordnungstexte = ZuordnungstexteArt::Gemischt;
    int Zuordnungsziele = ZuordnungszieleArt::Gemischt;

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

#pragma once
// The state record of a quiz and the options it runs under. The option values live in
// ProgrammEinstellungenTyp, one record per options window (bound to that window and the
// settings store); each start copies them here, so a running quiz is never affected by a later change.
#include "mapview/nummerierung.h"
#include "quiz/quizoptionen.h"

#include <QDateTime>
#include <QString>
#include <cstdint>

enum Endzustand : int32_t { Aktiv = 0, Fertig = 1, Timeout = 3 };

struct UebDataTyp {
    int32_t FragenGesamt = 0;
    int32_t FragenAnzahl = 0;
    int32_t Richtig = 0;
    int32_t Fehlversuche = 0;
    double Erfolgsquote = 0;
    double Gesamtleistung = 0;
    int32_t Note = 0;
    int32_t StartTick = 0;
    QDateTime StartZeit;
    int32_t AntwortSpalteX = 0;
    int32_t RiFaRueckmeldung = RueckmeldungArt::Standard;
    int32_t ZuordnungRichtig = ZuordnungRichtigArt::Einblenden;
    int32_t ZuordnungFalsch = ZuordnungFalschArt::BeliebigOft;
    int32_t Zuordnungstexte = ZuordnungstexteArt::Gemischt;
    int32_t Zuordnungsziele = ZuordnungszieleArt::Gemischt;
    int32_t AbfrageModus = AbfrageModusArt::Frei;
    int32_t Zeitlimit = ZeitlimitArt::Aus;
    int32_t ZeitlimitSek = 0;
    int32_t RestSek = 0;
    int32_t Offen = 0;
    int32_t Endzustand = Aktiv;
    int32_t FrageIndex = 0;
    int32_t FrageZaehler = 0;
    QString TeilnehmerName;
    QString NetzUebungMaster; // the teacher's computer of the last published exercise
};

// The eight option values a quiz runs under, as one options window gives them for a
// document type; a network exercise carries them in its settings file.
struct UebungsWerte {
    int32_t RiFaRueckmeldung = RueckmeldungArt::Standard;
    int32_t ZuordnungRichtig = ZuordnungRichtigArt::Einblenden;
    int32_t ZuordnungFalsch = ZuordnungFalschArt::BeliebigOft;
    int32_t Zuordnungstexte = ZuordnungstexteArt::Gemischt;
    int32_t Zuordnungsziele = ZuordnungszieleArt::Gemischt;
    int32_t AbfrageModus = AbfrageModusArt::Frei;
    int32_t Zeitlimit = ZeitlimitArt::Aus;
    int32_t ZeitlimitSek = 0;

    bool operator==(const UebungsWerte&) const = default;
};
UebungsWerte OptionsWerte(const ProgrammEinstellungenTyp& werte, int32_t dokTyp);
void WerteKopieren(const UebungsWerte& werte, UebDataTyp& daten);
// The eight values a quiz state runs under.
UebungsWerte UebungsWerteAus(const UebDataTyp& daten);

// Seconds of a time limit from the two option fields. The fields take at most two digits;
// anything that is not a whole number counts as 0, so a cleared field cannot break the clock.
int32_t ZeitlimitSekunden(const QString& minuten, const QString& sekunden);

// Copies the options for a document of type `dokTyp` into the quiz state; other types copy nothing.
void OptionenKopieren(const ProgrammEinstellungenTyp& werte, int32_t dokTyp, UebDataTyp& daten);

// Which options window belongs to a document type.
enum class OptionsFenster { Keins, UebOpt, UebOptFragen };
OptionsFenster OptionsFensterFuer(int32_t dokTyp);

// Any edit of a minutes or seconds field switches that window's time limit on.
void ZeitfeldGeaendert(UebOptionenTyp& optionen);
void ZeitfeldGeaendert(ProgrammEinstellungenTyp& werte, OptionsFenster fenster);

// Reduced and extended view of TUebOptForm.
struct UebOptAnsicht {
    int hoehe = 276;
    QString knopfText = QStringLiteral("Erweitert...");
    bool erweitert = false; // the four assignment groups are visible
};
inline constexpr int UebOptHoeheReduziert = 276;
inline constexpr int UebOptHoeheErweitert = 514;
UebOptAnsicht UebOptAnsichtFuer(int hoehe);
// A click on "Erweitert..."/"Reduziert..." at the current height.
UebOptAnsicht UebOptUmschalten(int hoehe);

inline const QString OptionenWaehrendQuizText =
    QStringLiteral("Die Übungsoptionen können nicht während der Übung geändert werden.");

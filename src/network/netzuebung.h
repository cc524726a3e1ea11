#pragma once
// Publishing the open quiz as a network exercise, taking part in one, and removing a
// published exercise at program end. Pupils' computers read the files while the
// teacher's computer writes them, so every file is written under a temporary name and
// renamed into place; the user is reached only through Meldungen and the hooks.
#include "network/netz_dateien.h"
#include "network/netzuebung_datei.h"
#include "quiz/uebdaten.h"

#include "platform/dateisperre.h"

#include <QByteArray>
#include <QString>
#include <functional>

class Meldungen;
class SystemInfo;
class Warten;
struct Dokument;
struct ProgrammOrdnerTyp;

NetzUebungDataTyp NetzWerteAus(const UebungsWerte& werte, const QString& master);
UebungsWerte UebungsWerteAus(const NetzUebungDataTyp& daten);

struct NetzInitHaken {
    // The options window of the document type in its network mode, modal; true on "Übung starten".
    std::function<bool(int32_t dokTyp)> optionenZeigen;
    // The published values and the teacher's computer go into the quiz state.
    std::function<void(const UebungsWerte& werte, const QString& master)> werteUebernehmen;
    std::function<void()> bestenlisteLeeren;
    std::function<void(bool an)> warteCursor;
};

enum class NetzErgebnis { Erledigt, Abgebrochen, Keine, Fehlgeschlagen };

// Points where a test may act while publishing or joining runs (another computer's
// publication, say), without threads: between the publisher's two renames, and after
// the joiner has read the settings file but before the document.
enum class NetzHalt { ZwischenDenUmbenennungen, NachDenEinstellungen };
using NetzTestHalt = std::function<void(NetzHalt)>;

// The joiner's read of a published exercise: the settings file, then the document, then
// a second look that the settings file is still the same bytes. A publisher in between
// makes it try again (5 tries, 100 ms apart), so the document is never played with
// another publication's settings. `fehlerPfad` and `grund` tell what failed.
struct NetzLesung {
    NetzErgebnis ergebnis = NetzErgebnis::Fehlgeschlagen;
    QString fehlerPfad;
    QString grund;
};
NetzLesung NetzuebungEinlesen(const NetzDateienTyp& dateien, Dokument& dok, NetzUebungDataTyp& daten,
                              Warten& warten, const NetzTestHalt& halt = {});

inline const QString NetzKeinDokumentText =
    QStringLiteral("Bitte zuerst über das Menü \"Quizauswahl\" das gewünschte Quiz auswählen.");
QString NetzKeineUebungText(const QString& kommunikationsordner, const QString& kanal);

class Netzuebung final {
public:
    Netzuebung(Meldungen& meldungen, const SystemInfo& system) : m_meldungen(meldungen), m_system(system) {}

    // "&Netzwerk-Übung initiieren...": asks over an unfinished quiz, shows the options
    // window, then writes the document and the settings file and starts a fresh best
    // list. Nothing is touched until both files are complete beside their targets.
    NetzErgebnis Initiieren(const Dokument& dok, const ProgrammEinstellungenTyp& werte,
                            const ProgrammOrdnerTyp& ordner, bool quizLaeuft, const NetzInitHaken& haken);
    // This run has published an exercise.
    bool Veroeffentlicht() const { return !m_eigeneEinstellungen.isEmpty(); }
    // The settings file this run last published, byte for byte (empty when none).
    const QByteArray& EigeneEinstellungen() const { return m_eigeneEinstellungen; }

    // Reads the exercise published on the channel: its settings and its document. On
    // any failure `dok` and `daten` are untouched and the user was told why.
    NetzErgebnis Laden(const ProgrammOrdnerTyp& ordner, Dokument& dok, NetzUebungDataTyp& daten);

    // Tests: pauses without waiting, and a hook at the points of NetzHalt.
    void setzeWarten(Warten& warten) { m_warten = &warten; }
    void setzeTestHalt(NetzTestHalt halt) { m_halt = std::move(halt); }

private:
    bool Schreiben(const Dokument& dok, const NetzDateienTyp& dateien, const NetzUebungDataTyp& daten,
                   const NetzInitHaken& haken);

    Meldungen& m_meldungen;
    const SystemInfo& m_system;
    QByteArray m_eigeneEinstellungen;
    WartenBlockierend m_systemWarten;
    Warten* m_warten = &m_systemWarten;
    NetzTestHalt m_halt;
};

// Program end: removes the document, settings and marker files of the channel, but only
// when this run published them and the settings file is still the one it wrote
// (`eigeneEinstellungen`, byte for byte). A pupil's computer, even one of the same name,
// never removes the teacher's exercise, nor a teacher a later one of a colleague.
// Missing files are skipped; links and special files there are removed as names only.
void NetzuebungAufraeumen(const ProgrammOrdnerTyp& ordner, const QByteArray& eigeneEinstellungen);

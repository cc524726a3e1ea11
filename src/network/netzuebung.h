#pragma once
// Publishing the open quiz as a network exercise, taking part in one, and removing a
// published exercise at program end. Pupils' computers read the files while the
// teacher's computer writes them, so every file is written under a temporary name and
// renamed into place; the user is reached only through Meldungen and the hooks.
#include "network/netz_dateien.h"
#include "network/netzuebung_datei.h"
#include "quiz/uebdaten.h"

#include <QString>
#include <functional>

class Meldungen;
class SystemInfo;
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
    bool Veroeffentlicht() const { return m_veroeffentlicht; }

    // Reads the exercise published on the channel: its settings and its document. On
    // any failure `dok` and `daten` are untouched and the user was told why.
    NetzErgebnis Laden(const ProgrammOrdnerTyp& ordner, Dokument& dok, NetzUebungDataTyp& daten);

private:
    bool Schreiben(const Dokument& dok, const NetzDateienTyp& dateien, const NetzUebungDataTyp& daten,
                   const NetzInitHaken& haken, const ProgrammOrdnerTyp& ordner);

    Meldungen& m_meldungen;
    const SystemInfo& m_system;
    bool m_veroeffentlicht = false;
    QString m_gesichert; // where the last publication kept the previous exercise's results
};

// Program end: removes the document, settings and marker files of the channel, but
// only on the computer that published them: when the settings file names this
// computer, or, when it is missing or unreadable, when this run published. A pupil's
// computer never removes the teacher's exercise. Missing files are skipped.
void NetzuebungAufraeumen(const ProgrammOrdnerTyp& ordner, const QString& rechner, bool veroeffentlicht);

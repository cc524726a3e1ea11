#pragma once
// Saving the protocol as an RTF file: by hand under a chosen name, and automatically at
// the end of each quiz under a name from date, time, computer and a counter.
#include <QByteArray>
#include <QDateTime>
#include <QString>

class Meldungen;
class Protokoll;
class SystemInfo;
class Uhr;

// Sentence that follows the write-failure message when automatic saving fails.
inline const QString ProtokollAutoFehlerZusatz = QStringLiteral(
    "Das Übungsprotokoll konnte nicht automatisch gespeichert werden. Überprüfen Sie die Einstellungen "
    "unter \"Optionen | Ordner für Protokolle und Bestenlisten\".");

// "YYYYMMDD-hhmmss-<computer>-<n>.rtf".
QString ProtokollDateiname(const QDateTime& zeit, const QString& rechner, int zaehler);

enum class NeuAnlegen { Angelegt, Vorhanden, Fehler };

// Writes `daten` under a temporary name beside `pfad` and gives it the name only while the
// name is free (not even a dangling link may hold it). Another computer that takes the
// same name at the same moment makes this call report Vorhanden instead of overwriting.
// A failed write leaves nothing behind.
NeuAnlegen DateiNeuAnlegen(const QString& pfad, const QByteArray& daten);

// Writes `daten` to `pfad` through a temporary file and a rename, so the previous file stays
// whole on failure and a link at the name is replaced, never followed.
bool DateiErsetzen(const QString& pfad, const QByteArray& daten);

// Saves under the first free name of the counter in `ordner` (which ends with a separator).
// On failure shows the write-failure message for the path with the extra sentence and
// returns false. `gespeichert` receives the path written.
bool ProtokollAutomatischSpeichern(const Protokoll& protokoll, const QString& ordner, const Uhr& uhr,
                                   const SystemInfo& system, Meldungen& meldungen,
                                   QString* gespeichert = nullptr);

// "Speichern...": writes the protocol to the chosen file; a failure shows the write-failure message.
bool ProtokollSpeichernUnter(const Protokoll& protokoll, const QString& pfad, Meldungen& meldungen);

// The end of a quiz hands its protocol text over: it replaces the previous protocol and is
// saved into the protocol folder when automatic saving is on. A failed save only shows its
// message; the protocol stays in the window.
void QuizProtokollUebernehmen(Protokoll& protokoll, const QString& text, bool automatischSpeichern,
                              const Uhr& uhr, const SystemInfo& system, Meldungen& meldungen);

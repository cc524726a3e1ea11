#pragma once
// The rules of starting and closing the program, without any window: the display
// check, the command-line argument of the first activation, and closing.
#include "data/av_data.h"
#include "platform/systeminfo.h"

#include <QString>
#include <QStringList>

class Einstellungen;
class Meldungen;
class SystemInfo;
struct EinstellungsStand;
struct ProgrammEinstellungenTyp;

// At least 960 x 768 pixels and 15 bits of colour; a system without a screen passes.
bool AnzeigeGeeignet(const BildschirmModus& modus);

// The warning shown for an unsuitable display mode.
QString AnzeigeWarnung(const BildschirmModus& modus);

// The display check before any window exists: false when the user declines to start.
bool AnzeigePruefen(const SystemInfo& system, Meldungen& meldungen);

// What the command-line argument asks for at the first activation.
struct StartZiel {
    QString Startordner;   // folder to list, ending with the separator
    QString Startdokument; // document to open, full path; empty: none
    QString Bestenliste;   // best list to show, full path; empty: none
};

// An empty argument lists the program folder; an existing folder is listed; a best list
// (a double-clicked *.hsc) lists the program folder and is shown; any other path lists
// its folder part and, when it names a file, opens that file.
StartZiel StartZielAusArgument(const QString& argument, const QString& programmordner);

// A best list by its extension or, renamed, by its first bytes.
bool IstBestenlistenDatei(const QString& pfad);

// A folder that is not there or cannot be reached (an unmounted share, a wrong path).
QString OrdnerFehltText(const QString& ordner, const QString& zusatz = {});

// The three network exercise files of the channel in the communication folder.
QStringList NetzuebungsDateien(const ProgrammOrdnerTyp& ordner);

// The close request of the main window. A running, unfinished quiz is only abandoned
// after Yes; then the settings that differ from `geladen` are saved (a store that cannot
// be written gets the write-failure message naming it), and the network exercise files
// are removed when this run published them and the settings file is still
// `eigeneEinstellungen`. Returns false when the window must stay open (nothing was touched).
bool Schliessen(bool quizLaeuft, Meldungen& meldungen, Einstellungen& speicher,
                const EinstellungsStand& geladen, const ProgrammEinstellungenTyp& werte,
                const ProgrammOrdnerTyp& ordner, const QByteArray& eigeneEinstellungen);

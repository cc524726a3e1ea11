#pragma once
// The commands of the worksheet window that talk to the user: saving the page as a
// metafile and copying it to the clipboard. Asked through the ports, so tests script them.
#include <functional>

class Arbeitsblatt;
class Dialoge;
class Meldungen;
class QString;
class Zwischenablage;
struct DateiDialogAuftrag;
struct ProgrammOrdnerTyp;

// `startordner`: where the save dialog opens.
DateiDialogAuftrag ArbeitsblattSpeicherAuftrag(const QString& startordner);

// Where the window's save dialogs open, as the protocol's and best list's do: the protocol
// folder (the program's own one is made on demand), or the user's documents folder when
// that folder cannot be had.
QString ArbeitsblattStartordner(const ProgrammOrdnerTyp& ordner);

// Asks for the file, refuses any extension but .emf and .wmf, writes the page. `beschaeftigt`
// is called with true before and false after the write (the busy pointer).
void ArbeitsblattSpeichern(const Arbeitsblatt& blatt, Dialoge& dialoge, Meldungen& meldungen,
                           const QString& startordner, const std::function<void(bool)>& beschaeftigt = {});

// The page as metafiles (EMF and WMF), as SVG and as a bitmap, so every program can paste it.
void ArbeitsblattKopieren(const Arbeitsblatt& blatt, Zwischenablage& ablage);

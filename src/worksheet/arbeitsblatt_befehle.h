#pragma once
// The commands of the worksheet window that talk to the user: saving the page as a
// metafile and copying it to the clipboard. Asked through the ports, so tests script them.
#include <functional>

class Arbeitsblatt;
class Dialoge;
class Meldungen;
class Zwischenablage;
struct DateiDialogAuftrag;

DateiDialogAuftrag ArbeitsblattSpeicherAuftrag();

// Asks for the file, refuses any extension but .emf and .wmf, writes the page. `beschaeftigt`
// is called with true before and false after the write (the busy pointer).
void ArbeitsblattSpeichern(const Arbeitsblatt& blatt, Dialoge& dialoge, Meldungen& meldungen,
                           const std::function<void(bool)>& beschaeftigt = {});

// The page as metafiles (EMF and WMF), as SVG and as a bitmap, so every program can paste it.
void ArbeitsblattKopieren(const Arbeitsblatt& blatt, Zwischenablage& ablage);

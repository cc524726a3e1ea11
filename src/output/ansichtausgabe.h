#pragma once
// Getting the view out of the window: into an image file chosen by the user, or onto the
// clipboard. The window hands in the view picture and its wait cursor.
#include "platform/dialoge.h"

#include <QImage>
#include <functional>

class Meldungen;
class Warten;
class Zwischenablage;

// Shows or restores the hourglass cursor.
using WarteCursor = std::function<void(bool an)>;

// The save dialog SaveBMP.
DateiDialogAuftrag ExportDialogAuftrag();

// Asks for a file name and writes `ansicht` there. True when a file was written; every
// failure has been reported to the user.
bool AnsichtExportieren(const QImage& ansicht, Dialoge& dialoge, Meldungen& meldungen,
                        const WarteCursor& cursor);

// Puts `ansicht` on the clipboard as a bitmap and gives the clipboard 100 ms, with events
// still processed, to take it over.
void AnsichtKopieren(const QImage& ansicht, Zwischenablage& zwischenablage, Warten& warten,
                     const WarteCursor& cursor);

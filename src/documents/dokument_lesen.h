#pragma once
// Opening and saving a document as the user sees it: the file messages, the
// wait cursor and what the rest of the program must do after a load.
#include "documents/dokument.h"

#include <QString>
#include <functional>

class Meldungen;

// What the window side does around a load; every member may be left empty.
struct DokumentHooks {
    std::function<void(bool)> warteCursor; // true: wait cursor on; false: normal again
    std::function<void()>
        dokumentSchliessen;          // after a failed load: start picture, no objects, folder re-read
    std::function<void()> nachLaden; // zoom 100 %, numbering without redraw
    std::function<void(const QString&)>
        ordnerUebernehmen;                   // the folder (ending in a separator) becomes the topic folder
    std::function<void()> lernansichtZeigen; // rebuild and redraw the learning view
};

// Reads the document at `pfad` into `dok`. A missing file only reports itself and
// leaves `dok` alone; any other failure reports, then closes the document.
bool DokumentLesen(Dokument& dok, const QString& pfad, bool ordnerUebernehmen, Meldungen& meldungen,
                   const DokumentHooks& hooks = {});

// Writes `dok` to `pfad`; a failure leaves any previous file intact and the model unchanged.
bool DokumentSchreiben(Dokument& dok, const QString& pfad, bool nameUebernehmen, Meldungen& meldungen,
                       const DokumentHooks& hooks = {});

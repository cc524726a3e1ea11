// Writing a file whole or not at all. QSaveFile would do the same but also waits for the
// disk (fsync) before renaming, which doubles the time of a bitmap export; a rename over
// the old file keeps it intact on failure without that wait. Exports often go to a shared
// folder, so the rename replaces a link at the name rather than writing through it.
#include "output/bildexport.h"

#include "platform/geteilte_datei.h"

bool DateiGanzErsetzen(const QString& pfad, const QByteArray& inhalt) {
    return GeteiltErsetzen(pfad, inhalt).ok;
}

#pragma once
// A reader for the lines of a .kqa that reads them in one pass, straight into a KqaBestand.
// A class's year of runs is a hundred megabytes of JSON; a general document model costs
// ten times the time of a best list of the same runs, this pass a small multiple of it.
// It takes exactly JSON (RFC 8259): strings with every escape, numbers, true/false/null,
// members it does not know skipped whatever they hold, at most 64 levels deep.
#include <QByteArrayView>
#include <QString>

class KqaBestand;

// Reads one line into `bestand`; false (and `bestand` unchanged) for a line that is not
// a run record: not JSON, a field missing or of the wrong type, a value out of range.
bool KqaJsonZeileLesen(QByteArrayView zeile, int64_t nummer, KqaBestand& bestand);

// Equality of two short byte strings without a library call; longer ones go to memcmp.
inline bool KurzGleich(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size()) return false;
    if (a.size() > 16) return a == b;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// libFuzzer target: the RTF reader on arbitrary bytes.
// A failed read leaves the content it was given untouched; a successful one is
// repeatable (the same bytes give the same content).
#include "results/rtf_leser.h"

#include <cstddef>
#include <cstdint>

namespace {

RtfInhaltTyp Vorher() {
    RtfInhaltTyp inhalt;
    inhalt.schriften.insert(7, QStringLiteral("vorher"));
    RtfAbsatzTyp absatz;
    absatz.laeufe.push_back({QStringLiteral("unberührt"), QStringLiteral("vorher"), 30, true, false});
    inhalt.absaetze.push_back(absatz);
    return inhalt;
}

bool Gleich(const RtfInhaltTyp& a, const RtfInhaltTyp& b) {
    if (a.schriften != b.schriften || a.absaetze.size() != b.absaetze.size()) return false;
    for (std::size_t i = 0; i < a.absaetze.size(); ++i) {
        const RtfAbsatzTyp& x = a.absaetze[i];
        const RtfAbsatzTyp& y = b.absaetze[i];
        if (x.tabsTwips != y.tabsTwips || x.halbpunkte != y.halbpunkte || x.fett != y.fett ||
            x.laeufe.size() != y.laeufe.size() || x.text() != y.text())
            return false;
        for (std::size_t k = 0; k < x.laeufe.size(); ++k) {
            const RtfLaufTyp& l = x.laeufe[k];
            const RtfLaufTyp& m = y.laeufe[k];
            if (l.text != m.text || l.schrift != m.schrift || l.halbpunkte != m.halbpunkte ||
                l.fett != m.fett || l.kursiv != m.kursiv)
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(laenge));
    RtfInhaltTyp inhalt = Vorher();
    RtfLeser leser;
    if (!leser.lesen(bytes, inhalt)) {
        if (!Gleich(inhalt, Vorher()) || leser.errorString().isEmpty()) __builtin_trap();
        return 0;
    }
    RtfInhaltTyp zweites;
    if (!RtfLeser().lesen(bytes, zweites) || !Gleich(inhalt, zweites)) __builtin_trap();
    return 0;
}

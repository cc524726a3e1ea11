// libFuzzer target: the answer-record reader on arbitrary bytes.
// Every run read with all its answers is written again and reads back the same, and a
// reading for the first whole runs keeps at least the runs of the full reading.
#include "analysis/antwortsatz.h"
#include "analysis/auswertung.h"

#include <cstddef>
#include <cstdint>

namespace {

// Everything a line carries but its start, which an odd text need not give back as such.
bool Gleich(const KqaLauf& a, const KqaLauf& b) {
    return a.titel == b.titel && a.datei == b.datei && a.hash == b.hash && a.teilnehmer == b.teilnehmer &&
           a.rechner == b.rechner && a.note == b.note && a.dauerMs == b.dauerMs && a.ganz == b.ganz &&
           a.antworten == b.antworten;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(laenge));
    const KqaLeseErgebnis alle =
        KqaLesenAusBytes(bytes, QStringLiteral("f.kqa"), AuswertungsUmfang::AlleLaeufe);
    const KqaLeseErgebnis erste =
        KqaLesenAusBytes(bytes, QStringLiteral("f.kqa"), AuswertungsUmfang::ErsterGanzerLauf);
    if (erste.bestand.laeufe().size() < alle.bestand.laeufe().size()) __builtin_trap();
    for (std::size_t i = 0; i < alle.bestand.laeufe().size(); ++i) {
        const KqaLauf lauf = alle.bestand.lauf(i);
        KqaLauf zurueck;
        if (!KqaZeileLesen(KqaZeile(lauf), zurueck) || !Gleich(lauf, zurueck)) __builtin_trap();
    }
    for (const KqaLeseErgebnis* e : {&alle, &erste})
        for (const auto umfang : {AuswertungsUmfang::ErsterGanzerLauf, AuswertungsUmfang::AlleLaeufe}) {
            const Auswertung a = Auswerten(e->bestand, umfang);
            for (const PositionsZeile& p : a.positionen)
                if (p.ersterRichtig > p.laeufe || p.teilnehmer > p.laeufe) __builtin_trap();
        }
    return 0;
}

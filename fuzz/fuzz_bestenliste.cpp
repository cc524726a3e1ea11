// libFuzzer target: the best-list reader on arbitrary bytes.
// A list that reads must read back the same after a re-encoding, and a failed read
// must leave the list it was given as it was.
#include "results/bestenliste_format.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

const BestListDataTyp Vorher{QStringLiteral("vorher"), QStringLiteral("R"), 1, 2, 0.5};

// An entry can come back with start time 0 (cut off before it, or a NaN held to the range);
// written whole, such an entry is damage, so the re-read ends before the first of them.
void RundreisePruefen(const std::vector<BestListDataTyp>& liste) {
    QByteArray bytes = BestListKopf();
    for (const BestListDataTyp& e : liste)
        bytes += BestListEintragBytes(e);
    const auto nullBeginn =
        std::find_if(liste.begin(), liste.end(), [](const BestListDataTyp& e) { return e.Beginn == 0; });
    const std::vector<BestListDataTyp> erwartet(liste.begin(), nullBeginn);
    const int64_t erwarteterSchaden =
        nullBeginn == liste.end() ? 0 : static_cast<int64_t>(erwartet.size()) + 1;
    std::vector<BestListDataTyp> zweite;
    int64_t schaden = -1;
    if (BestListAusDaten(bytes, zweite, &schaden) != BestListLeseFehler::Keiner ||
        schaden != erwarteterSchaden || zweite != erwartet)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(laenge));
    std::vector<BestListDataTyp> liste{Vorher};
    int64_t schaden = -1;
    if (BestListAusDaten(bytes, liste, &schaden) != BestListLeseFehler::Keiner) {
        if (liste.size() != 1 || liste[0] != Vorher) __builtin_trap();
        return 0;
    }
    if (schaden < 0 || schaden > static_cast<int64_t>(liste.size()) + 1) __builtin_trap();
    for (const BestListDataTyp& e : liste) {
        // Every value the window shows lies in its range.
        if (!(e.Leistung >= 0 && e.Leistung <= 1) || e.Dauer < 0 || !std::isfinite(e.Beginn))
            __builtin_trap();
    }
    RundreisePruefen(liste);
    return 0;
}

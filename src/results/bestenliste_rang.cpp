#include "results/bestenliste_rang.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

// The selection sort takes, for each position, the first entry of the best key that
// remains and swaps it there. Entries of the best key left never move until taken,
// so each group of equal keys is taken in the order of its current positions, and
// each take moves just one other entry. Replaying those swaps on an index array,
// group by group, costs a sort per group plus one swap per entry.
void BestListRangfolge(std::vector<BestListDataTyp>& liste) {
    const std::size_t n = liste.size();
    struct Schluessel {
        double leistung;
        int32_t dauer;
        uint32_t index;
    };
    std::vector<Schluessel> nachRang(n);
    for (std::size_t i = 0; i < n; ++i)
        nachRang[i] = {liste[i].Leistung, liste[i].Dauer, static_cast<uint32_t>(i)};
    std::sort(nachRang.begin(), nachRang.end(), [](const Schluessel& a, const Schluessel& b) {
        if (a.leistung != b.leistung) return a.leistung > b.leistung;
        if (a.dauer != b.dauer) return a.dauer < b.dauer;
        return a.index < b.index;
    });

    std::vector<uint32_t> anPlatz(n);  // entry at each position
    std::vector<uint32_t> platzVon(n); // position of each entry
    std::iota(anPlatz.begin(), anPlatz.end(), 0u);
    std::iota(platzVon.begin(), platzVon.end(), 0u);
    std::vector<uint32_t> plaetze;
    std::size_t ziel = 0;
    for (std::size_t anfang = 0; anfang < n;) {
        std::size_t ende = anfang + 1;
        while (ende < n && nachRang[ende].leistung == nachRang[anfang].leistung &&
               nachRang[ende].dauer == nachRang[anfang].dauer)
            ++ende;
        plaetze.clear();
        for (std::size_t k = anfang; k < ende; ++k)
            plaetze.push_back(platzVon[nachRang[k].index]);
        std::sort(plaetze.begin(), plaetze.end());
        for (const uint32_t platz : plaetze) {
            const uint32_t verdraengt = anPlatz[ziel];
            const uint32_t genommen = anPlatz[platz];
            std::swap(anPlatz[ziel], anPlatz[platz]);
            platzVon[genommen] = static_cast<uint32_t>(ziel);
            platzVon[verdraengt] = platz;
            ++ziel;
        }
        anfang = ende;
    }

    std::vector<BestListDataTyp> geordnet;
    geordnet.reserve(n);
    for (const uint32_t i : anPlatz)
        geordnet.push_back(std::move(liste[i]));
    liste = std::move(geordnet);
}

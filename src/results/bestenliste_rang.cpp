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
    // Merging keeps equal keys in index order and beats a quicksort's unpredictable branches here.
    std::stable_sort(nachRang.begin(), nachRang.end(), [](const Schluessel& a, const Schluessel& b) {
        return a.leistung > b.leistung || (a.leistung == b.leistung && a.dauer < b.dauer);
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
        if (plaetze.size() > 1) std::sort(plaetze.begin(), plaetze.end());
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

    // Moves the entries along the cycles of the permutation, in place: a second list
    // of this size would cost more in fresh memory than the whole ranking.
    for (std::size_t anfang = 0; anfang < n; ++anfang) {
        if (anPlatz[anfang] == anfang) continue;
        BestListDataTyp zwischen = std::move(liste[anfang]);
        std::size_t platz = anfang;
        while (anPlatz[platz] != anfang) {
            const uint32_t quelle = anPlatz[platz];
            liste[platz] = std::move(liste[quelle]);
            anPlatz[platz] = static_cast<uint32_t>(platz);
            platz = quelle;
        }
        liste[platz] = std::move(zwischen);
        anPlatz[platz] = static_cast<uint32_t>(platz);
    }
}

#pragma once
// Ranking of a best list: higher Leistung first, among equal Leistung the shorter
// Dauer. Entries equal in both end in the order of the classic selection sort
// with swaps that the lists have always been ranked by, which is not a stable
// order; this reaches the same order in O(n log n).
#include "results/bestenliste_format.h"

#include <vector>

// True when `a` ranks strictly before `b`.
inline bool BestListBesser(const BestListDataTyp& a, const BestListDataTyp& b) {
    return a.Leistung > b.Leistung || (a.Leistung == b.Leistung && a.Dauer < b.Dauer);
}

void BestListRangfolge(std::vector<BestListDataTyp>& liste);

#pragma once
// Cover numbers of the learning view: the ordered list of coverable objects and the
// number text shown on a cover patch.
#include "documents/dokument.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// One entry of the question order: the text that is dragged and the position it belongs to.
struct FragenfolgeEintrag {
    int32_t TextObjekt = -1;
    int32_t ZielObjekt = -1;
};
using FragenfolgeTyp = std::vector<FragenfolgeEintrag>;

// Objects that carry a cover: kinds 0 and 3 in labelling and cloze documents, kind 10 otherwise.
bool IstAbdeckbar(const Dokument& dok, int index);

// Selection sort with swaps: at each position the first strictly smallest later entry is
// swapped in. Equal entries may change their order (B1, B2, A becomes A, B2, B1); the
// numbering and the question order both depend on exactly that.
void AuswahlSortieren(FragenfolgeTyp& folge, const std::function<bool(int32_t, int32_t)>& kleiner);

// Builds the learning view's list (TextObjekt -1, ZielObjekt the object) in the document's
// ordering rule and assigns every listed object its cover number.
FragenfolgeTyp NummerierungSetzen(Dokument& dok);

// The cover number as the map shows it: "?", digits, or letters with apostrophes.
QString NummerText(const Dokument& dok, int index);
QString NummerText(int32_t nummer, int32_t numArt);

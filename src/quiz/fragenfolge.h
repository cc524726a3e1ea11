#pragma once
// The question order of a quiz and the places of its answer elements.
#include "documents/dokument.h"
#include "mapview/nummerierung.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

class Zufall;

// Objects a quiz asks: kinds 0 and 3 in labelling and cloze documents, kind 10 in
// single-questions documents; documents of any other type have none.
bool IstQuizelement(const Dokument& dok, int index);

// The entries for every quiz item whose Zustand is -5, in list order, with the text order
// and the target order applied (shuffled with `zufall`, or sorted by the first-found rule).
FragenfolgeTyp FragenfolgeBauen(const Dokument& dok, int32_t zuordnungstexte, int32_t zuordnungsziele,
                                Zufall& zufall);

// Swaps each member with the one at Random(n), for i from 0 to n - 1.
void Mischen(std::vector<int32_t>& werte, Zufall& zufall);

// Selection sort that swaps in the first strictly smallest later value, as the quiz has always sorted.
template <typename Kleiner> void AuswahlSortierenWerte(std::vector<int32_t>& werte, Kleiner kleiner) {
    for (size_t i = 0; i < werte.size(); ++i) {
        size_t kleinster = i;
        for (size_t j = i + 1; j < werte.size(); ++j)
            if (kleiner(werte[j], werte[kleinster])) kleinster = j;
        std::swap(werte[i], werte[kleinster]);
    }
}

inline constexpr QSize ElementGroesse{150, 46};

// Places of the answer elements when they are created (index k = element number);
// `antwortSpalteX` receives the x where the answer column begins, minus 5.
std::vector<QPoint> ElementePlatzieren(QSize panel, int anzahl, bool gestapelt, int& antwortSpalteX);

// Re-laying out the column: only the visible elements get new places (others keep theirs);
// `mittig` centres the first one vertically (single text mode).
struct ElementPlatz {
    bool sichtbar = true;
    QRect rechteck;
};
void ElementeNeuLegen(QSize panel, std::vector<ElementPlatz>& elemente, bool gestapelt, bool mittig,
                      int& antwortSpalteX);

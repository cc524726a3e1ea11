#pragma once
// What a screen reader learns about the map, which it cannot see: the positions of a
// quiz and the clickable objects of the learning view, each with a spoken name and its
// rectangle in control pixels.
#include <QRect>
#include <QString>
#include <vector>

class Karte;
struct Dokument;

struct KartenEintrag {
    int objekt = -1;
    QString name;
    QRect rechteck;
};

// "Position 7, offen", "Position 7: Italien, richtig", "Position 7: falsch".
QString PositionsName(const Dokument& dok, int objekt);
// The numbered labels and gaps of a running quiz in the order of their numbers.
std::vector<KartenEintrag> QuizPositionen(const Dokument& dok, const Karte& karte);
// Info points, links and document markers of the learning view, with their captions.
std::vector<KartenEintrag> LernObjekte(const Dokument& dok, const Karte& karte);
// The cloze text without its markup, as one line per paragraph.
QString LueckentextKlar(const Dokument& dok);
// The current single question: its heading and text objects, in document order.
QString AktuelleFrageText(const Dokument& dok);

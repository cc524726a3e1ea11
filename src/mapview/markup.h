#pragma once
// Lays out one paragraph of marked-up text (info texts, cloze texts, worksheet texts)
// on any painter: line breaking, bold/italic/underline, rules, percentage positions,
// right-aligned number fields and keyword gaps.
#include "documents/dokument.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

// One laid-out piece: a run of plain text or a gap, with where it went. Every piece is
// reported, also those the mode leaves undrawn; a display list can be built from them.
struct MarkupStueck {
    QString text; // for a gap: the keyword
    int x = 0;
    int y = 0; // top of the line
    int breite = 0;
    bool luecke = false;
    bool linie = false; // a rule from x over `breite`, at y + pitch / 2 - 1
    bool gezeichnet = false;
    QFont schrift;
    QColor farbe;
};

// Layout modes: what the renderer does with keywords and plain text.
enum MarkupModus : int {
    MarkupMessen = -1,     // keywords are text; nothing drawn (measuring)
    MarkupInfotext = 0,    // keywords are text; everything drawn
    MarkupLuecken = 1,     // gaps underlined
    MarkupLoesungQuiz = 2, // plain text never drawn; keyword red, no underline
    MarkupLoesung = 3,     // gaps underlined with the keyword in red
    MarkupKarte = 99,      // nothing drawn for gaps; the cloze-gap objects are positioned
};

struct MarkupParameter {
    int rechterRand = 0; // text never passes this x; also the base of percentages
    int startX = 0;      // every line starts here
    int startY = 0;
    int punktgroesse = 0; // 0 keeps the painter's size
    int pixelhoehe = 0;   // 0 keeps it; overrides the point size when given
    int modus = MarkupInfotext;
    QColor farbe = Qt::black;
    int textflaechenHoehe = 0; // mode 99: the height the gap positions refer to
    bool quizLaeuft = false;
    bool zeichnen = true; // false: lay out and measure only, draw nothing
    // Mode 99: the objects whose cloze gaps (kind 3) are moved, and the gap cursor,
    // which the caller sets to 0 before the first paragraph of the whole text.
    std::vector<ObjDataTyp>* objekte = nullptr;
    int* lueckenCursor = nullptr;
    std::function<void(const MarkupStueck&)> beiStueck; // optional observer
};

// Lays out (and draws) one paragraph; returns the y at which the next paragraph starts.
int MarkupAbsatz(QPainter& maler, const QString& absatz, const MarkupParameter& parameter);

// Splits a text into paragraphs at CR LF, LF or CR.
QStringList MarkupAbsaetze(const QString& text);

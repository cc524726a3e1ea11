#pragma once
// Caption layout and fitting of the hover panel, free of any widget so that it
// can be checked headlessly: lines break at CR/LF and, with word wrap, at blanks
// only; tabs stand at multiples of eight average character widths.
#include <QColor>
#include <QFont>
#include <QSize>
#include <QStringList>

struct TextAnordnung {
    QStringList Zeilen;
    QSize Groesse; // widest line (a word longer than the width overflows it) x lines x line height
};

TextAnordnung TextAnordnen(const QString& text, const QFont& schrift, int breite, bool wortumbruch);

// Width of one laid-out line with its tabs expanded.
int ZeilenBreite(const QString& zeile, const QFont& schrift);

struct EinpassOptionen {
    bool Wortumbruch = false;
    bool AutoGroesse = false; // FontAutoSize
    int MinSchriftgroesse = 7;
};

struct EingepassteBeschriftung {
    QString Text;  // the caption as drawn (hyphen breaks, " ..." or "..." applied)
    QFont Schrift; // at the size reached
    TextAnordnung Anordnung;
};

// Fits a caption into an area: shrinks the font point by point down to the
// minimum, then allows breaks after hyphens from the full size again, then
// drops words from the end behind " ..." (or "..." when none is left).
EingepassteBeschriftung BeschriftungEinpassen(const QString& beschriftung, const QFont& schrift,
                                              const QSize& bereich, const EinpassOptionen& optionen);

// Colour blends of the bevel and the checked marker, each channel rounded to the
// nearest integer with ties to even.
QColor HellFarbe(const QColor& hintergrund);   // 80 % white + 20 % background
QColor DunkelFarbe(const QColor& hintergrund); // 25 % black + 75 % background
QColor HalbWeiss(const QColor& farbe);         // 50 % colour + 50 % white

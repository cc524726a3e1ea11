#pragma once
// The symbols of the map: discs, cover patches, tick and cross.
#include <QColor>
#include <QString>

class QPainter;

// A box in map pixels; right and bottom are exclusive.
struct KastenTyp {
    int links = 0;
    int oben = 0;
    int rechts = 0;
    int unten = 0;
    int Breite() const { return rechts - links; }
    int Hoehe() const { return unten - oben; }
};

// An ellipse inscribed in the box, as a closed polygon of 36 points: filled, then outlined.
void ZeichneScheibe(QPainter& maler, const KastenTyp& kasten, QColor fuellung, QColor rand);

// Text centred on the box: horizontal centre Round((l + r) / 2), top Round((t + b - line height) / 2).
void ZeichneMittigenText(QPainter& maler, const KastenTyp& kasten, const QString& text, int pixelHoehe,
                         bool fett, QColor farbe);

// Cover patch: filled box with border, "?" shrunk to fit, and the number disc when
// `nummerText` is not empty; `massstab` scales the fonts and the disc.
void ZeichneAbdeckung(QPainter& maler, const KastenTyp& kasten, const QString& nummerText, double massstab);

// Tick and cross in their 34 x 38 box whose top-left corner is given.
void ZeichneHaken(QPainter& maler, int links, int oben);
void ZeichneKreuz(QPainter& maler, int links, int oben);

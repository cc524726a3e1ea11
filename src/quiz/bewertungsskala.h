#pragma once
// The rating scale of the result window: six grade bands from 100 % down to 0 %, the
// thresholds at their ticks and a marker at the overall performance.
#include <QColor>
#include <QImage>
#include <QSize>
#include <cstdint>

// Colour of a grade's band (1..6); black for any other value.
QColor Notenfarbe(int32_t note);

// The scale for performance `l` (0..1) on a background of colour `hintergrund`.
QImage BewertungsskalaZeichnen(QSize groesse, double l, QColor hintergrund);

// Row of a fraction on the scale: Round((1 - anteil) * (h - 24)) + 12.
int SkalenZeile(double anteil, int hoehe);

#pragma once
// The picture of an info text: all paragraphs in mode 0, "Arial" 14 point, black on white.
#include <QImage>
#include <QString>

// The text is laid out at its full height, however long: nothing below some fixed
// page height is lost. `breite` is the width of the picture; at least 1 pixel high.
QImage InfotextBild(const QString& text, int breite);

// The height the info text needs at that width, without drawing it.
int InfotextHoehe(const QString& text, int breite);

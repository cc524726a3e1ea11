#pragma once
// Small helpers shared by the map drawing: rounding, fonts, raster copies.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

// Round to the nearest integer, ties to even, whatever the current rounding mode.
int RundeGerade(double wert);

// "Arial" with a fallback to its metric twin, so layouts match on systems without Arial.
QFont ArialSchrift(int pixelHoehe, bool fett = false);
QFont ArialSchriftPunkte(int punkte);

// Opaque 32-bit raster at 96 dpi, filled with one colour. Sizes below 0 give an empty image.
QImage NeuesBild(QSize groesse, QColor farbe = Qt::white);

// Copies the rectangle `quelle` of `von` to `zielPos` in `nach`, clipped to both images,
// line by line; both images must have the same 32-bit format.
void KopiereRechteck(const QImage& von, const QRect& quelle, QImage& nach, QPoint zielPos);

// Fills a rectangle (clipped to the image) with one colour without a painter.
void FuelleRechteck(QImage& bild, const QRect& rechteck, QColor farbe);

// Each channel times 0.7, rounded: the border colour of a disc.
QColor Abgedunkelt(QColor farbe);

// CR LF and lone CR become LF, the line separator Qt's text layout understands.
QString MitZeilenumbruechen(const QString& text);

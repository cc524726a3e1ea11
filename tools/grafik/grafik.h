#pragma once
// Shared helpers and the palette of the generated pictures.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

namespace palette {
inline const QColor Kopf{112, 138, 163};      // colour A: soft blue-grey of the top bar and window
inline const QColor KopfHell{142, 164, 186};  // highlight of the top bar
inline const QColor KopfDunkel{88, 110, 133}; // shadow of the top bar
inline const QColor Karte{250, 247, 240};     // colour B: warm paper of the map area
inline const QColor Dialog{246, 243, 236};    // colour C: warm light of the dialog windows
inline const QColor DialogLinie{221, 212, 197};
inline const QColor Titel{236, 241, 246}; // title strip
inline const QColor Tinte{58, 74, 92};    // dark blue-grey for glyph outlines and text
inline const QColor Gruen{62, 155, 95};
inline const QColor Rot{200, 69, 60};
inline const QColor Blau{70, 120, 175};
inline const QColor Gold{231, 170, 46};
inline const QColor Meer{110, 170, 210};
inline const QColor Land{150, 196, 120};
inline const QColor Sand{226, 205, 150};
} // namespace palette

QImage NeuesBild(int breite, int hoehe, const QColor& grund = Qt::transparent);
void Speichere(const QImage& bild, const QString& pfad);

// Each part writes its pictures below the target folder.
void Kacheln(const QString& ordner);
void Startbild(const QString& ordner);
void GlyphenZeichnen(const QString& ordner);
void CursorZeichnen(const QString& ordner);

// The program icon in its 24-unit square, for the desktop icons of every size.
void ProgrammsymbolMalen(QPainter& p);
// The program icon as the hicolor theme wants it: scalable SVG and PNGs of the usual sizes.
void Programmsymbole(const QString& ordner);

#pragma once
// The colours of the map: texts, covers, discs and quiz marks.
#include <QColor>

namespace Kartenfarbe {
inline const QColor Text(0, 0, 0);
inline const QColor Lueckentext(0, 0, 255);
inline const QColor AbdeckungRand(70, 125, 187);
inline const QColor AbdeckungFuellung(202, 228, 255);
inline const QColor Fragezeichen(0, 0, 0);
inline const QColor NummerFuellung(255, 255, 255);
inline const QColor NummerRand(70, 125, 187);
inline const QColor NummerZiffern(255, 0, 0);
inline const QColor Infopunkt(0, 95, 253);
inline const QColor Link(164, 53, 47);
inline const QColor Dokumentlink(41, 152, 74);
inline const QColor Fragenknopf(0, 0, 255);
inline const QColor ScheibeImQuiz(192, 192, 192);
inline const QColor ScheibenText(255, 255, 255);
inline const QColor OffenFuellung(236, 237, 232);
inline const QColor OffenRand(0, 0, 0);
inline const QColor OffenNummer(255, 0, 0);
inline const QColor AnderePositionFuellung(208, 208, 208);
inline const QColor AnderePositionRand(176, 176, 176);
inline const QColor Haken(0, 196, 0);
inline const QColor Kreuz(220, 0, 0);
inline const QColor AntwortkastenRand(0, 0, 0);
inline const QColor AntwortkastenFuellung(255, 255, 255);
inline const QColor Loesungstext(255, 0, 0);
inline const QColor LueckenLinie(0, 0, 0);
} // namespace Kartenfarbe

#pragma once
// The cloze text and its gap objects: one gap object (kind 3) per keyword, in text order,
// captioned with the keyword and placed where the map view's own layout puts the gap.
#include "editor/editordokument.h"

#include <QString>
#include <QStringList>

// The keywords of the text, as the markup renderer finds them.
QStringList LueckenWoerter(const QString& text);

// Makes the gap objects follow the text: captions, count (new gaps appended, surplus ones
// removed from the end) and positions. Other objects stay as they are.
void LueckenAbgleichen(Dokumentstand& stand);

// Positions of the gap objects laid out by the map view at the player's standard size.
void LueckenLegen(Dokumentstand& stand);

// Encloses the word around `position` in keyword brackets; returns the text unchanged
// when there is no word there or it already is a keyword.
QString WortZurLuecke(const QString& text, int anfang, int ende);

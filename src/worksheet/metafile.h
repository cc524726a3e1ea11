#pragma once
// Writers for the two Windows metafile formats, fed from a recorded page. Text stays
// text (a font record and a text record per run), lines stay lines, images become one
// 24-bit device-independent bitmap each.
#include "worksheet/seitenaufzeichnung.h"

#include <QByteArray>
#include <QSizeF>

// Enhanced metafile; `millimeter` is the physical size of the whole page.
QByteArray EmfSchreiben(const Seitenaufzeichnung& seite, QSizeF millimeter);
// Placeable Windows metafile; `einheitenJeZoll` says how many page units make an inch.
QByteArray WmfSchreiben(const Seitenaufzeichnung& seite, int einheitenJeZoll);

#pragma once
// The analysis on the map: the document composed as the quiz shows it, every position
// framed in the colour of its first-attempt share with the share beside it, and the
// printout (map page and tables) for a printer or a PDF file.
#include "analysis/auswertung.h"

#include <QImage>
#include <QRect>
#include <vector>

class QPagedPaintDevice;
struct Dokument;

inline const QColor AmpelGruen(0x2E, 0xA0, 0x3C);
inline const QColor AmpelGelb(0xF0, 0xC0, 0x20);
inline const QColor AmpelRot(0xD8, 0x30, 0x30);
QColor AmpelFarbe(Ampel ampel);

// A marked position: where it stands in the picture and which table row it is.
struct MarkierteStelle {
    int32_t ziel = -1;
    std::size_t zeile = 0; // index into Auswertung::positionen
    QRect rechteck;
};

struct AuswertungsBild {
    QImage bild;
    std::vector<MarkierteStelle> stellen;
};

// The map of the analysis, `groesse` the map control it is composed for. Single
// questions and positions the map does not show (no document) get numbered tiles.
// `dok` is numbered as after loading; nullptr draws the tiles only.
AuswertungsBild AuswertungsKarte(Dokument* dok, const Auswertung& a, QSize groesse = {870, 650});

// Map page and tables on A4 pages of `geraet`; false when painting could not start.
bool AuswertungDrucken(QPagedPaintDevice& geraet, const QImage& karte, const Auswertung& a);

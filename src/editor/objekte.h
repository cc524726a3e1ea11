#pragma once
// Making and moving objects of the map. Coordinates are fractions of the map (the base
// image with its margins), as the file stores them.
#include "documents/dokument.h"

#include <QPointF>
#include <QString>

// A label whose anchor is `anker` and whose box hangs a little to its right, with a leader line.
ObjDataTyp NeueBeschriftung(QPointF anker);

// Moves the anchor, the box point or both; the box side is worked out again when drawn.
void AnkerVerschieben(ObjDataTyp& o, double dx, double dy);
void KastenVerschieben(ObjDataTyp& o, double dx, double dy);
void ObjektVerschieben(ObjDataTyp& o, double dx, double dy);

// After a change of kind or box side: the drawn side follows the setting again.
void SeiteNeuBestimmen(ObjDataTyp& o);

// Names of the kinds a teacher can give an object, in the order of the chooser.
struct ObjektartWahl {
    int typ;
    const char16_t* name;
};
inline constexpr ObjektartWahl Objektarten[] = {{ObArt::Beschriftung, u"Beschriftung"},
                                                {ObArt::FesterText, u"Fester Text"},
                                                {ObArt::Infopunkt, u"Infopunkt"},
                                                {ObArt::Link, u"Link"},
                                                {ObArt::DokVerweis, u"Dokumentverweis"}};

// The map grown by margins keeps every object where it was on the picture: fractions of
// the old map are converted to fractions of the new one.
void RandAendern(HeaderDataTyp& kopf, std::vector<ObjDataTyp>& objekte, const std::array<double, 4>& neu);

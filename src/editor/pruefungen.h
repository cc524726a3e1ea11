#pragma once
// Checks before saving: what would spoil the quiz made from the document. Box checks use
// the boxes the map view last drew (the runtime field Box of each object).
#include "documents/dokument.h"

#include <QString>
#include <vector>

struct Befund {
    int objekt = -1; // the object to select; -1 for the document as a whole
    QString text;
    bool operator==(const Befund&) const = default;
};

std::vector<Befund> DokumentPruefen(const Dokument& dok);

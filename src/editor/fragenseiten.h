#pragma once
// The question pages of a single-questions document: the question text of the header and
// the objects that show each question (question, "Antwort:", answer) and the navigation
// buttons, laid out the way the bundled sample lays them out.
#include "documents/dokument.h"

#include <QString>
#include <vector>

struct EinzelFrage {
    QString Frage;
    QString Antwort;
    bool operator==(const EinzelFrage&) const = default;
};

// The questions as the document holds them (from its question text).
std::vector<EinzelFrage> FragenAusDokument(const HeaderDataTyp& kopf);

// Writes the question text and count and replaces the objects of the question pages;
// objects of other kinds (fixed texts, info points) stay in front of them.
void FragenSetzen(HeaderDataTyp& kopf, std::vector<ObjDataTyp>& objekte,
                  const std::vector<EinzelFrage>& fragen);

#pragma once
// The recovery copy: the edited document written every minute into the user's data
// folder, with the path it came from, and offered again when the editor was not closed
// properly. A clean close removes it.
#include "editor/editordokument.h"

#include <QString>

class Wiederherstellung final {
public:
    // `ordner`: the folder that holds the copy (created when needed).
    explicit Wiederherstellung(QString ordner);
    // The standard folder in the user's data location.
    static QString StandardOrdner();

    bool sichern(const EditorDokument& dok);
    bool vorhanden() const;
    // Reads the copy into `dok` (unsaved, under its original name); false when it cannot
    // be read, and the copy is then removed.
    bool laden(EditorDokument& dok);
    // The original path of the copy, empty for a document that was never saved.
    QString herkunft() const;
    void verwerfen();

private:
    QString kopiePfad() const;
    QString herkunftPfad() const;

    QString m_ordner;
};

#pragma once
// One undoable step: the document's state before and after. Documents are small apart
// from the picture, which QImage shares, so whole states are cheap and always exact.
#include "editor/editordokument.h"

#include <QUndoCommand>

class EditorBefehl final : public QUndoCommand {
public:
    EditorBefehl(EditorDokument& dok, const QString& text, Dokumentstand vorher, Dokumentstand nachher,
                 int objekt, int zusammenfassen);

    void undo() override;
    void redo() override;
    int id() const override { return m_zusammenfassen > 0 ? m_zusammenfassen : -1; }
    bool mergeWith(const QUndoCommand* anderer) override;

private:
    EditorDokument& m_dok;
    Dokumentstand m_vorher;
    Dokumentstand m_nachher;
    int m_objekt;
    int m_zusammenfassen;
};

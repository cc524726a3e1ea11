#include "editor/editorbefehl.h"

#include <utility>

EditorBefehl::EditorBefehl(EditorDokument& dok, const QString& text, Dokumentstand vorher,
                           Dokumentstand nachher, int objekt, int zusammenfassen)
    : QUndoCommand(text), m_dok(dok), m_vorher(std::move(vorher)), m_nachher(std::move(nachher)),
      m_objekt(objekt), m_zusammenfassen(zusammenfassen) {}

void EditorBefehl::undo() {
    m_dok.standSetzen(m_vorher, m_objekt);
}

void EditorBefehl::redo() {
    m_dok.standSetzen(m_nachher, m_objekt);
}

bool EditorBefehl::mergeWith(const QUndoCommand* anderer) {
    const auto* b = dynamic_cast<const EditorBefehl*>(anderer);
    if (b == nullptr || b->m_objekt != m_objekt || b->m_zusammenfassen != m_zusammenfassen) return false;
    m_nachher = b->m_nachher;
    return true;
}

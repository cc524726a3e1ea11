#pragma once
// The properties panel: the document's header fields and the fields of the selected object.
// Every edit is one undoable step; typing into one field merges into one step.
#include "editor/editordokument.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

class TEigenschaften final : public QWidget {
    Q_OBJECT
public:
    explicit TEigenschaften(EditorDokument& dok, QWidget* eltern = nullptr);

    void setzeObjekt(int index);
    // The caption field gets the focus with its text selected (a new label is typed at once).
    void beschriftungBearbeiten();
    QPlainTextEdit* beschriftungsfeld() const { return m_beschriftung; }

private:
    QGroupBox* dokumentfelder();
    QGroupBox* objektfelder();
    void fuellen();
    void kopfAendern(const QString& text, int feld, const std::function<void(HeaderDataTyp&)>& aenderung);
    void objektAendern(const QString& text, int feld, const std::function<void(ObjDataTyp&)>& aenderung);
    void randAendern();

    EditorDokument& m_dok;
    int m_objekt = -1;
    bool m_fuellt = false;

    QLineEdit* m_titel = nullptr;
    QLineEdit* m_autor = nullptr;
    QLineEdit* m_bemerkung = nullptr;
    QLineEdit* m_version = nullptr;
    QComboBox* m_numArt = nullptr;
    QComboBox* m_geordnet = nullptr;
    QDoubleSpinBox* m_rand[4] = {};

    QGroupBox* m_objektGruppe = nullptr;
    QPlainTextEdit* m_beschriftung = nullptr;
    QComboBox* m_art = nullptr;
    QComboBox* m_seite = nullptr;
    QComboBox* m_ausrichtung = nullptr;
    QSpinBox* m_schrift = nullptr;
    QCheckBox* m_linie = nullptr;
    QComboBox* m_ebene = nullptr;
};

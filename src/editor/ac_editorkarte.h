#pragma once
// The editor's map control: paints the map as the player composes it, marks the selected
// object, and turns the pointer and the keys into edits of the document.
#include "editor/editoransicht.h"

#include <QWidget>

class TEditorKarte final : public QWidget {
    Q_OBJECT
public:
    TEditorKarte(EditorDokument& dok, Editoransicht& ansicht, QWidget* eltern = nullptr);

    int auswahl() const { return m_auswahl; }
    void setzeAuswahl(int index);
    // Arrow keys: the selected object moves by one small step, with Shift by ten.
    void auswahlVerschieben(int dx, int dy, bool gross);
    int malvorgaenge() const { return m_malvorgaenge; }

signals:
    void auswahlGeaendert(int index);
    // A click on the free map made a label: its caption is to be typed now.
    void beschriftungAngelegt(int index);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void wheelEvent(QWheelEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void neuZeichnen(const QRect& bereich);
    // The map's edges: dragging one outward widens the margin on that side.
    int randAn(QPoint p) const;
    void randZiehenBeenden(QPoint p);
    void zeichneAuswahl(QPainter& maler) const;

    EditorDokument& m_dok;
    Editoransicht& m_ansicht;
    int m_auswahl = -1;
    int m_rand = -1; // the edge being dragged: 0 left, 1 top, 2 right, 3 bottom
    QPoint m_randStart;
    QPoint m_randJetzt;
    bool m_rolltGerade = false;
    QPoint m_rollStart;
    int m_malvorgaenge = 0;
};

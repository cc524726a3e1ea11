#pragma once
// What the editor's map shows: a display copy of the edited document drawn by the player's
// own map view, in the learning view (every caption) or the quiz view (numbered covers),
// with the hit tests and the dragging of anchors and boxes. A change of one object redraws
// that object in place; the leader lines are tidied by one redraw of all objects after it.
#include "editor/editordokument.h"
#include "mapview/karte.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>

class Editoransicht final : public QObject {
    Q_OBJECT
public:
    explicit Editoransicht(EditorDokument& dok);

    void setzeGroesse(QSize groesse);
    void setzeQuizansicht(bool quiz);
    bool quizansicht() const { return m_quiz; }
    // Single questions: the question whose page is shown.
    void setzeFrage(int nummer);

    // Scaled picture, cloze text and all objects composed afresh.
    void aufbauen();
    // All objects drawn again on the composed picture (no scaling).
    void beschriftungenErneuern();

    Karte& karte() { return m_karte; }
    const Dokument& anzeige() const { return m_anzeige; }
    const QImage& bild() const { return m_karte.Kartenbild(); }
    // Where the visible part of the map sits in the control and which part it is.
    QRect sichtbarerBereich() const;
    QPoint bildUrsprung() const { return m_karte.Ansichtsursprung(); }

    // Control pixels of an object's anchor and box; fractions of a control point (unclamped).
    QPoint ankerPunkt(int index) const;
    QRect kastenRechteck(int index) const;
    QPointF anteil(QPoint steuerpunkt) const;
    bool aufKarte(QPoint steuerpunkt) const;
    // The object whose anchor handle (7 pixels round) or box lies under the point; -1 for none.
    int ankerAn(QPoint steuerpunkt) const;
    int kastenAn(QPoint steuerpunkt) const;

    // Dragging the anchor or the box of an object; the end records one undoable step.
    enum class Griff { Anker, Kasten, Ganz };
    void ziehenBeginnen(int index, Griff griff, QPoint steuerpunkt);
    void ziehenBewegen(QPoint steuerpunkt);
    void ziehenBeenden();
    bool zieht() const { return m_ziehObjekt >= 0; }

signals:
    void neuZeichnen(const QRect& bereich); // control pixels; empty: everything

private:
    void dokumentGeaendert(int objekt);
    void zustaendeSetzen();
    void objektAuffrischen(int index);
    bool objektSichtbar(const ObjDataTyp& o) const;

    EditorDokument& m_dok;
    Dokument m_anzeige;
    Karte m_karte;
    bool m_quiz = false;
    int m_frage = 1;
    QTimer m_aufraeumen;

    int m_ziehObjekt = -1;
    Griff m_griff = Griff::Kasten;
    QPointF m_ziehStart;
    ObjDataTyp m_ziehOriginal;
    Dokumentstand m_ziehVorher;
};

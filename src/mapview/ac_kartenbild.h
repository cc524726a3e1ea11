#pragma once
// The map control LernKartPicImg: shows Ansichtsbild of the map, centred, by copying its
// pixels, and forwards the pointer to the map (clicks, right-button dragging, hover cursor).
#include "mapview/karte.h"
#include "widgets/zugang.h"

#include <QCursor>
#include <QRegion>
#include <QWidget>
#include <array>
#include <functional>

class Zufall;

// The red marker frame MoveAnker (2 pixels, transparent inside and for the pointer), hidden.
QWidget* MarkenRahmenErzeugen(QWidget* eltern);

class TKartenBild final : public QWidget, public ZugangsQuelle {
    Q_OBJECT
public:
    TKartenBild(Karte& karte, Zufall& zufall, QWidget* eltern = nullptr);

    // What a click needs from the window: info window, link, document marker.
    std::function<void(const KlickErgebnis&)> BeiKlick;
    // Cursor while the map is dragged ("HAND"); the arrow when unset.
    void setzeZiehCursor(const QCursor& cursor) { m_ziehCursor = cursor; }

    // The map's repaint and marker signals reach this control, or, while a quiz paints the
    // map into its own background, they do not.
    void KarteVerbinden(bool an);
    // The map takes the control's size and is composed again.
    void Aufbauen();
    bool ZiehtGerade() const { return m_zieht; }
    // Region of the last paint, to check that a change repaints only what changed.
    QRegion LetzterMalbereich() const { return m_letzterMalbereich; }
    int Malvorgaenge() const { return m_malvorgaenge; }

    // The learning view's info points, links and document markers, for a screen reader;
    // they are read from `Dok`, the document the map shows.
    const Dokument* Dok = nullptr;
    std::vector<ZugangsEintrag> ZugangsEintraege() const override;
    void ZugangsDruecken(int index) override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;

private:
    void ZeigerBewegt(Qt::MouseButtons knoepfe, QPoint punkt);
    void MarkeSetzen(const QRect& rechteck, bool sichtbar);

    Karte& m_karte;
    Zufall& m_zufall;
    QCursor m_ziehCursor{Qt::ArrowCursor};
    QWidget* m_moveAnker = nullptr; // the red marker frame
    bool m_zieht = false;
    QPoint m_ziehUrsprung;
    QRegion m_letzterMalbereich;
    int m_malvorgaenge = 0;
    std::array<QMetaObject::Connection, 3> m_verbindungen;
};

#pragma once
// The quiz area UebungPan and its answer elements. The panel shows the quiz background
// (map picture, separator bar, instruction) by copying pixels of one image; a changed
// object patches only its rectangle. The elements are hover panels that hand their
// pointer events to the quiz and leave every key to the main window.
#include "widgets/hoverpanel.h"
#include "widgets/zugang.h"

#include <QImage>
#include <QWidget>
#include <functional>

class QLabel;

class TAntwortElement final : public THoverPanel {
    Q_OBJECT
public:
    TAntwortElement(int nummer, QWidget* eltern);
    int Nummer() const { return m_nummer; }

    // Points in UebungPan pixels.
    std::function<void(int k, QPoint punkt)> BeiAufnehmen;
    std::function<void(int k, QPoint punkt)> BeiZiehen;
    std::function<void(int k)> BeiLoslassen;

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    QPoint ImPanel(const QPointF& lokal) const;

    int m_nummer;
    bool m_gedrueckt = false;
};

class TUebungPan final : public QWidget, public ZugangsQuelle {
    Q_OBJECT
public:
    explicit TUebungPan(QWidget* eltern = nullptr);

    // The background is composed by `HintergrundQuelle` when it is next needed, so that
    // several redraws in one step (map rebuilt, then the instruction) compose it once.
    std::function<QImage()> HintergrundQuelle;
    void HintergrundErneuern();
    // Takes `bereich` (panel pixels) from the map's view image placed at `versatz`; white elsewhere.
    void BereichErneuern(const QRect& bereich, const QImage& ansicht, QPoint versatz);
    void MarkeSetzen(const QRect& rechteck, bool sichtbar);
    QWidget* MoveAnker() const { return m_moveAnker; }
    // UebFrageZaehlerPan: the question counter of single questions.
    QLabel* FrageZaehlerPan() const { return m_frageZaehler; }
    const QImage& Hintergrund();
    QRegion LetzterMalbereich() const { return m_letzterMalbereich; }
    // How often the whole background was replaced, and the area of the last patch.
    int Hintergrundwechsel() const { return m_hintergrundwechsel; }
    QRect LetzterFlicken() const { return m_letzterFlicken; }

    // Tab and Shift+Tab among the answer elements; true when handled.
    std::function<bool(bool weiter)> FokusWechsel;

    // What a screen reader reads of the painted quiz area (instruction, question, positions):
    // the quiz display's entries while a quiz shows.
    const ZugangsQuelle* Zugang = nullptr;
    std::vector<ZugangsEintrag> ZugangsEintraege() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    bool focusNextPrevChild(bool weiter) override;

private:
    void HintergrundBereitstellen();

    QImage m_bild;
    bool m_veraltet = false;
    QWidget* m_moveAnker = nullptr;
    QLabel* m_frageZaehler = nullptr;
    QRegion m_letzterMalbereich;
    int m_hintergrundwechsel = 0;
    QRect m_letzterFlicken;
};

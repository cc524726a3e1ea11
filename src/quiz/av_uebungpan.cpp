#include "quiz/av_uebungpan.h"

#include "mapview/ac_kartenbild.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TAntwortElement::TAntwortElement(int nummer, QWidget* eltern) : THoverPanel(eltern), m_nummer(nummer) {
    setObjectName(QStringLiteral("UebElemPan") + QString::number(nummer));
}

QPoint TAntwortElement::ImPanel(const QPointF& lokal) const {
    return mapToParent(lokal.toPoint());
}

void TAntwortElement::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton) return;
    m_gedrueckt = true;
    if (tabStop()) setFocus(Qt::MouseFocusReason);
    if (BeiAufnehmen) BeiAufnehmen(m_nummer, ImPanel(ereignis->position()));
}

void TAntwortElement::mouseMoveEvent(QMouseEvent* ereignis) {
    if (!m_gedrueckt || !(ereignis->buttons() & Qt::LeftButton)) return;
    if (BeiZiehen) BeiZiehen(m_nummer, ImPanel(ereignis->position()));
}

void TAntwortElement::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton || !m_gedrueckt) return;
    m_gedrueckt = false;
    // The judgement may end the quiz and remove this element: it is deleted later.
    if (BeiLoslassen) BeiLoslassen(m_nummer);
}

void TAntwortElement::keyPressEvent(QKeyEvent* ereignis) {
    ereignis->ignore(); // quiz keys are the main window's
}

TUebungPan::TUebungPan(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("UebungPan"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_moveAnker = MarkenRahmenErzeugen(this);
    m_moveAnker->setObjectName(QStringLiteral("UebMoveAnker"));
    m_frageZaehler = new QLabel(this);
    m_frageZaehler->setObjectName(QStringLiteral("UebFrageZaehlerPan"));
    QFont schrift(QStringLiteral("Arial"), 12);
    schrift.setBold(true);
    m_frageZaehler->setFont(schrift);
    m_frageZaehler->hide();
    setAccessibleName(QStringLiteral("Quizbereich"));
}

std::vector<ZugangsEintrag> TUebungPan::ZugangsEintraege() const {
    return Zugang != nullptr ? Zugang->ZugangsEintraege() : std::vector<ZugangsEintrag>{};
}

void TUebungPan::HintergrundErneuern() {
    m_veraltet = true;
    update();
}

void TUebungPan::HintergrundBereitstellen() {
    if (!m_veraltet) return;
    m_veraltet = false;
    m_bild = HintergrundQuelle ? HintergrundQuelle() : QImage();
    ++m_hintergrundwechsel;
}

const QImage& TUebungPan::Hintergrund() {
    HintergrundBereitstellen();
    return m_bild;
}

void TUebungPan::BereichErneuern(const QRect& bereich, const QImage& ansicht, QPoint versatz) {
    // A background that is composed anew anyway takes the change with it.
    if (m_veraltet) return;
    const QRect ziel = bereich.intersected(m_bild.rect());
    if (ziel.isEmpty()) return;
    m_letzterFlicken = ziel;
    QPainter maler(&m_bild);
    maler.fillRect(ziel, Qt::white);
    const QRect quelle = ziel.translated(-versatz).intersected(ansicht.rect());
    if (!quelle.isEmpty()) maler.drawImage(quelle.topLeft() + versatz, ansicht, quelle);
    maler.end();
    update(ziel);
}

void TUebungPan::MarkeSetzen(const QRect& rechteck, bool sichtbar) {
    m_moveAnker->setGeometry(rechteck);
    m_moveAnker->setVisible(sichtbar);
    // Above the background, below the answer elements.
    if (sichtbar) m_moveAnker->lower();
}

void TUebungPan::paintEvent(QPaintEvent* ereignis) {
    m_letzterMalbereich = ereignis->region();
    HintergrundBereitstellen();
    QPainter maler(this);
    for (const QRect& teil : ereignis->region()) {
        const QRect innen = teil.intersected(m_bild.rect());
        for (const QRect& rand : QRegion(teil).subtracted(QRegion(innen)))
            maler.fillRect(rand, Qt::white);
        if (!innen.isEmpty()) maler.drawImage(innen.topLeft(), m_bild, innen);
    }
}

bool TUebungPan::focusNextPrevChild(bool weiter) {
    if (FokusWechsel && FokusWechsel(weiter)) return true;
    return QWidget::focusNextPrevChild(weiter);
}

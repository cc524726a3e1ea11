#include "widgets/bildpanel.h"

#include <QPainter>
#include <QResizeEvent>

TBildPanel::TBildPanel(HintergrundArt art, QWidget* eltern) : QFrame(eltern), m_art(art) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBildPanel::resizeEvent(QResizeEvent* ereignis) {
    QFrame::resizeEvent(ereignis);
    m_bild = Hintergrund(m_art, ereignis->size());
}

void TBildPanel::paintEvent(QPaintEvent* ereignis) {
    QPainter p(this);
    if (m_bild.isNull())
        p.fillRect(ereignis->rect(), palette().window());
    else
        p.drawImage(ereignis->rect().topLeft(), m_bild, ereignis->rect());
}

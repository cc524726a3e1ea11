#include "widgets/ziehrollen.h"

#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace {

void Verschieben(QScrollBar* leiste, int um) {
    leiste->setValue(std::clamp(leiste->value() + um, leiste->minimum(), leiste->maximum()));
}

} // namespace

ZiehRollen::ZiehRollen(QScrollArea* bereich, QWidget* bild, QObject* eltern)
    : QObject(eltern), m_bereich(bereich), m_bild(bild) {
    m_bild->installEventFilter(this);
}

bool ZiehRollen::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt != m_bild) return false;
    switch (ereignis->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(ereignis);
        if (m->button() != Qt::LeftButton) return false;
        m_zieht = true;
        m_letzte = m->globalPosition().toPoint();
        m_bild->setCursor(m_cursor);
        return true;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(ereignis);
        if (!m_zieht || !m->buttons().testFlag(Qt::LeftButton)) return false;
        const QPoint jetzt = m->globalPosition().toPoint();
        // The origin moves with the pointer, so beyond an end the clamped part is dropped
        // and the picture is under the pointer again as soon as it turns back.
        Verschieben(m_bereich->verticalScrollBar(), m_letzte.y() - jetzt.y());
        Verschieben(m_bereich->horizontalScrollBar(), m_letzte.x() - jetzt.x());
        m_letzte = jetzt;
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(ereignis)->button() != Qt::LeftButton) return false;
        m_zieht = false;
        m_bild->unsetCursor();
        return true;
    default:
        return false;
    }
}

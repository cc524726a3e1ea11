#include "platform/av_fensterstapel.h"

namespace {

bool BleibtOben(const QWidget* w) {
    return w != nullptr && w->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace

void WieElternObenHalten(QWidget* fenster) {
    if (fenster != nullptr && BleibtOben(fenster->parentWidget()))
        fenster->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

UeberFenster::UeberFenster(QWidget* fenster, QWidget* oben) : m_fenster(fenster) {
    if (fenster == nullptr || oben == nullptr || fenster == oben) return;
    m_altesEltern = fenster->parentWidget();
    m_alteFlags = fenster->windowFlags();
    Qt::WindowFlags flags = m_alteFlags;
    if (BleibtOben(oben)) flags |= Qt::WindowStaysOnTopHint;
    if (m_altesEltern == oben && flags == m_alteFlags) return;
    fenster->setParent(oben, flags);
    m_umgehaengt = true;
}

UeberFenster::~UeberFenster() {
    if (!m_umgehaengt || m_fenster.isNull()) return;
    m_fenster->hide();
    m_fenster->setParent(m_altesEltern, m_alteFlags);
}

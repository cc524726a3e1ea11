#include "platform/uhr_qt.h"

#include <QThread>

WartenQt::WartenQt() {
    m_pause.setSingleShot(true);
    m_pause.setTimerType(Qt::PreciseTimer);
    connect(&m_pause, &QTimer::timeout, this, &Warten::pauseVorbei);
}

void WartenQt::warten(int ms) {
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

void WartenQt::pauseStarten(int ms) {
    m_pause.start(std::max(0, ms));
}

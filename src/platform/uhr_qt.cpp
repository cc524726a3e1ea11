#include "platform/uhr_qt.h"

#include <QEventLoop>

WartenQt::WartenQt() {
    m_pause.setSingleShot(true);
    m_pause.setTimerType(Qt::PreciseTimer);
    connect(&m_pause, &QTimer::timeout, this, &Warten::pauseVorbei);
}

void WartenQt::warten(int ms) {
    if (ms <= 0) return;
    QEventLoop schleife;
    QTimer::singleShot(ms, Qt::PreciseTimer, &schleife, &QEventLoop::quit);
    schleife.exec(QEventLoop::ExcludeUserInputEvents);
}

void WartenQt::pauseStarten(int ms) {
    m_pause.start(std::max(0, ms));
}

#include "platform/uhr_qt.h"

#include <QEventLoop>
#include <QTimer>

void WartenQt::warten(int ms) {
    if (ms <= 0) return;
    QEventLoop schleife;
    QTimer::singleShot(ms, Qt::PreciseTimer, &schleife, &QEventLoop::quit);
    schleife.exec(QEventLoop::ExcludeUserInputEvents);
}

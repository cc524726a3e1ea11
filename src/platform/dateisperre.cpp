#include "platform/dateisperre.h"

#include <QThread>

void WartenBlockierend::warten(int ms) {
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

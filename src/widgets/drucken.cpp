#include "widgets/drucken.h"

#include <QApplication>

Sanduhr::Sanduhr() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
Sanduhr::~Sanduhr() {
    QApplication::restoreOverrideCursor();
}

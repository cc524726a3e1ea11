#include "widgets/fensterrahmen.h"

#include <QWidget>
#include <algorithm>

QMargins Fensterrahmen(const QWidget* fenster) {
    if (fenster == nullptr || !fenster->isWindow()) return {};
    const QRect aussen = fenster->frameGeometry();
    const QRect innen = fenster->geometry();
    const QMargins rahmen(innen.left() - aussen.left(), innen.top() - aussen.top(),
                          aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
    // A frame is never negative; odd values mean the window system does not know it yet.
    if (rahmen.left() < 0 || rahmen.top() < 0 || rahmen.right() < 0 || rahmen.bottom() < 0) return {};
    return rahmen;
}

QSize InnenGroesse(QSize aussen, const QMargins& rahmen) {
    return QSize(std::max(0, aussen.width() - rahmen.left() - rahmen.right()),
                 std::max(0, aussen.height() - rahmen.top() - rahmen.bottom()));
}

void AussenGroesseSetzen(QWidget* fenster, QSize aussen) {
    fenster->resize(InnenGroesse(aussen, Fensterrahmen(fenster)));
}

void AussenMindestgroesseSetzen(QWidget* fenster, QSize aussen) {
    fenster->setMinimumSize(InnenGroesse(aussen, Fensterrahmen(fenster)));
}

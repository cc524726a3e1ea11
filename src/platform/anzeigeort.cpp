#include "platform/anzeigeort.h"

QLocale AnzeigeOrt(const QLocale& system) {
    if (system.language() == QLocale::German) return system;
    return QLocale(QLocale::German, QLocale::Germany);
}

QLocale AnzeigeOrt() {
    return AnzeigeOrt(QLocale::system());
}

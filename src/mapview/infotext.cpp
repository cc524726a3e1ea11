#include "mapview/infotext.h"

#include "mapview/kartenhilfen.h"
#include "mapview/markup.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int InfotextPunkte = 14;

int InfotextLayout(QPainter& maler, const QString& text, int breite, bool zeichnen) {
    MarkupParameter p;
    p.rechterRand = breite;
    p.punktgroesse = InfotextPunkte;
    p.modus = MarkupInfotext;
    p.farbe = Qt::black;
    p.zeichnen = zeichnen;
    maler.setFont(ArialSchriftPunkte(InfotextPunkte));
    int y = 0;
    for (const QString& absatz : MarkupAbsaetze(text)) {
        p.startY = y;
        y = MarkupAbsatz(maler, absatz, p);
    }
    return y;
}

} // namespace

int InfotextHoehe(const QString& text, int breite) {
    QImage muster = NeuesBild(QSize(1, 1));
    QPainter maler(&muster);
    return InfotextLayout(maler, text, breite, false);
}

QImage InfotextBild(const QString& text, int breite) {
    // Measure first, then draw into a picture exactly that high.
    const int hoehe = std::max(1, InfotextHoehe(text, breite));
    QImage bild = NeuesBild(QSize(std::max(1, breite), hoehe));
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::TextAntialiasing);
    InfotextLayout(maler, text, breite, true);
    return bild;
}

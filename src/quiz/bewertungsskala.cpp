#include "quiz/bewertungsskala.h"

#include "mapview/kartenhilfen.h"
#include "quiz/quiztexte.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int Rand = 12;

QFont SkalenSchrift(int punkte, bool fett) {
    QFont schrift = ArialSchriftPunkte(punkte);
    schrift.setBold(fett);
    return schrift;
}

void TextRechtsbuendig(QPainter& maler, int rechts, int grundlinie, const QString& text) {
    maler.drawText(QPoint(rechts - maler.fontMetrics().horizontalAdvance(text), grundlinie), text);
}

} // namespace

QColor Notenfarbe(int32_t note) {
    switch (note) {
    case 1:
        return {0x00, 0xFF, 0x00};
    case 2:
        return {0xBF, 0xFF, 0x00};
    case 3:
        return {0xFF, 0xFF, 0x00};
    case 4:
        return {0xFF, 0xE0, 0x00};
    case 5:
        return {0xFF, 0xA0, 0x00};
    case 6:
        return {0xFF, 0x00, 0x00};
    default:
        return Qt::black;
    }
}

int SkalenZeile(double anteil, int hoehe) {
    return RundeGerade((1.0 - anteil) * (hoehe - 2 * Rand)) + Rand;
}

QImage BewertungsskalaZeichnen(QSize groesse, double l, QColor hintergrund) {
    QImage bild = NeuesBild(groesse, hintergrund);
    if (bild.isNull() || bild.width() < 1 || bild.height() < 1) return bild;
    const int w = groesse.width();
    const int h = groesse.height();
    const int s = h - 2 * Rand;
    const int x1 = RundeGerade(0.4 * w);
    const int x2 = RundeGerade(0.6 * w);
    std::array<int, 7> y{};
    for (int i = 0; i < 7; ++i)
        y[i] = SkalenZeile(Notengrenzen[i], h);

    QPainter maler(&bild);
    maler.setPen(QPen(Qt::black, 1));
    maler.setFont(SkalenSchrift(7, true));
    for (int g = 1; g <= 6; ++g) {
        maler.setBrush(Notenfarbe(g));
        // Band from (x1, y[g-1]) to (x2, y[g] + 1), right and bottom edges excluded.
        maler.drawRect(QRect(x1, y[g - 1], std::max(0, x2 - x1 - 1), std::max(0, y[g] - y[g - 1])));
        const QString ziffer = QString::number(g);
        const int mitte = RundeGerade((x1 + x2) * 0.5);
        maler.drawText(QPoint(mitte - maler.fontMetrics().horizontalAdvance(ziffer) / 2,
                              RundeGerade((y[g - 1] + y[g] + 1) * 0.5) + 3),
                       ziffer);
    }
    maler.setFont(SkalenSchrift(7, false));
    for (int i = 0; i < 7; ++i) {
        maler.drawLine(x1, y[i], x1 - 3, y[i]);
        TextRechtsbuendig(maler, x1 - 7, std::min(y[i] + 3, Rand + s),
                          QString::number(RundeGerade(Notengrenzen[i] * 100)) + u'%');
    }
    const double anteil = std::clamp(l, 0.0, 1.0);
    const int ym = SkalenZeile(anteil, h);
    maler.drawLine(x2, ym, x2 + 10, ym);
    maler.setFont(SkalenSchrift(8, true));
    maler.drawText(QPoint(x2 + 15, std::min(ym + 3, Rand + s)), QString::number(anteil * 100, 'f', 1) + u'%');
    return bild;
}

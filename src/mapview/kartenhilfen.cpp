#include "mapview/kartenhilfen.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstring>

int RundeGerade(double wert) {
    const double unten = std::floor(wert);
    const double rest = wert - unten;
    double ergebnis = unten;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(unten, 2.0) != 0.0)) ergebnis = unten + 1.0;
    return static_cast<int>(ergebnis);
}

QFont ArialSchrift(int pixelHoehe, bool fett) {
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    schrift.setPixelSize(std::max(1, pixelHoehe));
    schrift.setBold(fett);
    return schrift;
}

QFont ArialSchriftPunkte(int punkte) {
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    schrift.setPointSize(std::max(1, punkte));
    return schrift;
}

QImage NeuesBild(QSize groesse, QColor farbe) {
    QImage bild(std::max(0, groesse.width()), std::max(0, groesse.height()), QImage::Format_RGB32);
    constexpr int punkteJeMeter96Dpi = 3780;
    bild.setDotsPerMeterX(punkteJeMeter96Dpi);
    bild.setDotsPerMeterY(punkteJeMeter96Dpi);
    if (!bild.isNull()) bild.fill(farbe);
    return bild;
}

void KopiereRechteck(const QImage& von, const QRect& quelle, QImage& nach, QPoint zielPos) {
    // Clip the source rectangle to the source, then shift the result into the target.
    QRect q = quelle.intersected(von.rect());
    QPoint ziel = zielPos + (q.topLeft() - quelle.topLeft());
    QRect z(ziel, q.size());
    const QRect zGeclippt = z.intersected(nach.rect());
    if (zGeclippt.isEmpty() || von.depth() != 32 || nach.depth() != 32) return;
    q.translate(zGeclippt.topLeft() - z.topLeft());
    const size_t bytes = static_cast<size_t>(zGeclippt.width()) * 4;
    for (int zeile = 0; zeile < zGeclippt.height(); ++zeile) {
        const uchar* qz = von.constScanLine(q.top() + zeile) + static_cast<size_t>(q.left()) * 4;
        uchar* zz = nach.scanLine(zGeclippt.top() + zeile) + static_cast<size_t>(zGeclippt.left()) * 4;
        std::memcpy(zz, qz, bytes);
    }
}

void FuelleRechteck(QImage& bild, const QRect& rechteck, QColor farbe) {
    const QRect r = rechteck.intersected(bild.rect());
    if (r.isEmpty() || bild.depth() != 32) return;
    const QRgb wert = farbe.rgb();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        std::fill(zeile + r.left(), zeile + r.left() + r.width(), wert);
    }
}

QColor Abgedunkelt(QColor farbe) {
    return QColor(RundeGerade(0.7 * farbe.red()), RundeGerade(0.7 * farbe.green()),
                  RundeGerade(0.7 * farbe.blue()));
}

QString MitZeilenumbruechen(const QString& text) {
    QString ergebnis = text;
    ergebnis.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    ergebnis.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return ergebnis;
}

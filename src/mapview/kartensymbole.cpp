#include "mapview/kartensymbole.h"

#include "mapview/kartenfarben.h"
#include "mapview/kartenhilfen.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

void ZeichneScheibe(QPainter& maler, const KastenTyp& k, QColor fuellung, QColor rand) {
    const double cx = (k.links + k.rechts - 1) / 2.0;
    const double cy = (k.oben + k.unten - 1) / 2.0;
    const double rx = cx - k.links;
    const double ry = cy - k.oben;
    constexpr int punkte = 36;
    QPolygon vieleck;
    vieleck.reserve(punkte + 1);
    for (int i = 0; i <= punkte; ++i) {
        const double winkel = (i % punkte) * 2.0 * std::numbers::pi / punkte;
        vieleck << QPoint(RundeGerade(cx + rx * std::cos(winkel)), RundeGerade(cy + ry * std::sin(winkel)));
    }
    maler.save();
    maler.setPen(QPen(rand, 1));
    maler.setBrush(fuellung);
    maler.drawPolygon(vieleck);
    maler.restore();
}

void ZeichneMittigenText(QPainter& maler, const KastenTyp& k, const QString& text, int pixelHoehe, bool fett,
                         QColor farbe) {
    const QFont schrift = ArialSchrift(pixelHoehe, fett);
    const QFontMetrics fm(schrift, maler.device());
    const int mitte = RundeGerade((k.links + k.rechts) / 2.0);
    const int oben = RundeGerade((k.oben + k.unten - fm.height()) / 2.0);
    maler.save();
    maler.setFont(schrift);
    maler.setPen(farbe);
    maler.drawText(QPoint(mitte - fm.horizontalAdvance(text) / 2, oben + fm.ascent()), text);
    maler.restore();
}

namespace {

void ZeichneFragezeichen(QPainter& maler, const KastenTyp& k, double massstab) {
    // Shrink the font until a line of it fits into the box, never below 1 pixel.
    int hoehe = std::max(1, RundeGerade(22 * massstab));
    while (hoehe > 1 && QFontMetrics(ArialSchrift(hoehe), maler.device()).height() > k.Hoehe())
        --hoehe;
    ZeichneMittigenText(maler, k, QStringLiteral("?"), hoehe, false, Kartenfarbe::Fragezeichen);
}

void ZeichneNummernscheibe(QPainter& maler, const KastenTyp& k, const QString& text, double massstab) {
    const int d = RundeGerade(30 * massstab);
    if (d <= 0) return;
    KastenTyp s{(k.links + k.rechts - d) / 2, (k.oben + k.unten - d) / 2, 0, 0};
    s.rechts = s.links + d;
    s.unten = s.oben + d;
    s = {std::max(s.links, k.links), std::max(s.oben, k.oben), std::min(s.rechts, k.rechts),
         std::min(s.unten, k.unten)};
    if (s.Breite() <= 0 || s.Hoehe() <= 0) return;
    ZeichneScheibe(maler, s, Kartenfarbe::NummerFuellung, Kartenfarbe::NummerRand);
    const int pixel = RundeGerade(20 * massstab * s.Hoehe() / d);
    if (pixel > 0) ZeichneMittigenText(maler, s, text, pixel, true, Kartenfarbe::NummerZiffern);
}

// The glyph's own outline is centred on the point, so the mark sits the same in every font.
void ZeichneZeichenMittig(QPainter& maler, QChar zeichen, QPoint mitte, QColor farbe) {
    QFont schrift;
    schrift.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    schrift.setPixelSize(34);
    const QFontMetrics fm(schrift, maler.device());
    const QRect umriss = fm.tightBoundingRect(QString(zeichen));
    maler.save();
    maler.setFont(schrift);
    maler.setPen(farbe);
    maler.setRenderHint(QPainter::TextAntialiasing);
    maler.drawText(mitte - umriss.center(), QString(zeichen));
    maler.restore();
}

} // namespace

void ZeichneAbdeckung(QPainter& maler, const KastenTyp& k, const QString& nummerText, double massstab) {
    if (k.Breite() <= 0 || k.Hoehe() <= 0) return;
    maler.save();
    maler.fillRect(QRect(k.links, k.oben, k.Breite(), k.Hoehe()), Kartenfarbe::AbdeckungFuellung);
    maler.setPen(QPen(Kartenfarbe::AbdeckungRand, 1));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(QRect(k.links, k.oben, k.Breite() - 1, k.Hoehe() - 1));
    maler.restore();
    ZeichneFragezeichen(maler, k, massstab);
    if (!nummerText.isEmpty()) ZeichneNummernscheibe(maler, k, nummerText, massstab);
}

void ZeichneHaken(QPainter& maler, int links, int oben) {
    ZeichneZeichenMittig(maler, QChar(0x2714), QPoint(links + 17, oben + 22), Kartenfarbe::Haken);
}

void ZeichneKreuz(QPainter& maler, int links, int oben) {
    ZeichneZeichenMittig(maler, QChar(0x2718), QPoint(links + 17, oben + 20), Kartenfarbe::Kreuz);
}

#include "analysis/auswertung_karte.h"

#include "analysis/auswertung_text.h"
#include "documents/dokument.h"
#include "mapview/karte.h"
#include "mapview/nummerierung.h"
#include "quiz/quiztexte.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numeric>

QColor AmpelFarbe(Ampel ampel) {
    switch (ampel) {
    case Ampel::Gruen:
        return AmpelGruen;
    case Ampel::Gelb:
        return AmpelGelb;
    case Ampel::Rot:
        break;
    }
    return AmpelRot;
}

namespace {

QFont Schrift(int pixel, bool fett = true) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

// The share beside a position: on a white plate so it reads on any map.
void AnteilZeichnen(QPainter& maler, const QRect& box, const PositionsZeile& p, const QSize& bild) {
    maler.setFont(Schrift(12));
    const QString text = ProzentText(p.anteil());
    const QFontMetrics fm(maler.font());
    QRect platte(0, 0, fm.horizontalAdvance(text) + 6, fm.height() + 2);
    platte.moveTopLeft(QPoint(box.right() + 3, box.center().y() - platte.height() / 2));
    if (platte.right() >= bild.width()) platte.moveRight(box.left() - 3);
    maler.setPen(QPen(AmpelFarbe(AmpelFuer(p.anteil())), 1));
    maler.setBrush(QColor(255, 255, 255, 230));
    maler.drawRect(platte);
    maler.setPen(Qt::black);
    maler.drawText(platte, Qt::AlignCenter, text);
}

// The cover keeps showing its own number through the colour; where the map shows another
// one ("?" numbering) the number of the records stands on a plate at the left.
void StelleZeichnen(QPainter& maler, const QRect& box, const PositionsZeile& p, const QSize& bild,
                    bool nummerSichtbar) {
    const QColor farbe = AmpelFarbe(AmpelFuer(p.anteil()));
    QColor fuellung = farbe;
    fuellung.setAlpha(110);
    maler.setPen(QPen(farbe, 3));
    maler.setBrush(fuellung);
    maler.drawRect(box);
    if (!nummerSichtbar) {
        maler.setFont(Schrift(12));
        QRect platte(0, 0, QFontMetrics(maler.font()).horizontalAdvance(p.nummer) + 8, box.height());
        platte.moveTopRight(QPoint(box.left() - 2, box.top()));
        maler.setBrush(Qt::white);
        maler.drawRect(platte);
        maler.setPen(Qt::black);
        maler.drawText(platte, Qt::AlignCenter, p.nummer);
    }
    AnteilZeichnen(maler, box, p, bild);
}

// Tiles for what has no place on a map: number, share and answer in the colour of the share.
void KachelnZeichnen(AuswertungsBild& ergebnis, const Auswertung& a, const std::vector<std::size_t>& zeilen,
                     int oben, int breite) {
    constexpr int KachelB = 200;
    constexpr int KachelH = 54;
    const int spalten = std::max(1, breite / (KachelB + 8));
    QPainter maler(&ergebnis.bild);
    maler.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const PositionsZeile& p = a.positionen[zeilen[i]];
        const int s = static_cast<int>(i) % spalten;
        const int z = static_cast<int>(i) / spalten;
        const QRect kachel(8 + s * (KachelB + 8), oben + 8 + z * (KachelH + 8), KachelB, KachelH);
        maler.setPen(QPen(AmpelFarbe(AmpelFuer(p.anteil())), 3));
        maler.setBrush(AmpelFarbe(AmpelFuer(p.anteil())).lighter(170));
        maler.drawRect(kachel);
        maler.setPen(Qt::black);
        maler.setFont(Schrift(14));
        maler.drawText(kachel.adjusted(6, 4, -6, -4), Qt::AlignLeft | Qt::AlignTop,
                       p.nummer + QStringLiteral("   ") + ProzentText(p.anteil()));
        maler.setFont(Schrift(12, false));
        maler.drawText(
            kachel.adjusted(6, 4, -6, -4), Qt::AlignLeft | Qt::AlignBottom,
            QFontMetrics(maler.font()).elidedText(p.antwort.simplified(), Qt::ElideRight, KachelB - 12));
        ergebnis.stellen.push_back({p.ziel, zeilen[i], kachel});
    }
}

bool HatBox(const Dokument& dok, int32_t ziel) {
    if (ziel < 0 || ziel >= static_cast<int32_t>(dok.Objekte.size())) return false;
    const auto& b = dok.Objekte[static_cast<std::size_t>(ziel)].Box;
    return b[0] >= 0 && b[2] > b[0] && b[3] > b[1];
}

} // namespace

AuswertungsBild AuswertungsKarte(Dokument* dok, const Auswertung& a, QSize groesse) {
    AuswertungsBild ergebnis;
    std::vector<std::size_t> ohnePlatz;
    if (dok && dok->Header.HD_DokTyp != Einzelfragen) {
        Karte karte(*dok);
        karte.SetzeSteuerelementgroesse(groesse);
        karte.AnsichtAufbauen();
        ergebnis.bild = karte.Kartenbild().convertToFormat(QImage::Format_RGB32);
        QPainter maler(&ergebnis.bild);
        maler.setRenderHint(QPainter::Antialiasing);
        const double w = ergebnis.bild.width();
        const double h = ergebnis.bild.height();
        for (std::size_t i = 0; i < a.positionen.size(); ++i) {
            const PositionsZeile& p = a.positionen[i];
            if (!HatBox(*dok, p.ziel)) {
                ohnePlatz.push_back(i);
                continue;
            }
            const auto& b = dok->Objekte[static_cast<std::size_t>(p.ziel)].Box;
            const QRect box(
                QPoint(static_cast<int>(std::lround(b[0] * w)), static_cast<int>(std::lround(b[1] * h))),
                QPoint(static_cast<int>(std::lround(b[2] * w)) - 1,
                       static_cast<int>(std::lround(b[3] * h)) - 1));
            StelleZeichnen(maler, box, p, ergebnis.bild.size(), NummerText(*dok, p.ziel) == p.nummer);
            ergebnis.stellen.push_back({p.ziel, i, box});
        }
    } else {
        for (std::size_t i = 0; i < a.positionen.size(); ++i)
            ohnePlatz.push_back(i);
    }
    if (ohnePlatz.empty()) return ergebnis;
    // What the map does not show goes below it as tiles.
    const int breite = std::max(ergebnis.bild.width(), groesse.width());
    const int spalten = std::max(1, breite / 208);
    const int reihen = (static_cast<int>(ohnePlatz.size()) + spalten - 1) / spalten;
    QImage gesamt(breite, ergebnis.bild.height() + reihen * 62 + 8, QImage::Format_RGB32);
    gesamt.fill(Qt::white);
    if (!ergebnis.bild.isNull()) QPainter(&gesamt).drawImage(0, 0, ergebnis.bild);
    const int oben = ergebnis.bild.height();
    ergebnis.bild = gesamt;
    KachelnZeichnen(ergebnis, a, ohnePlatz, oben, breite);
    return ergebnis;
}

namespace {

// Draws table rows from `ab` on one page; returns the first row that did not fit.
std::size_t TabelleSeite(QPainter& maler, const QRect& seite, const QString& ueberschrift,
                         const std::vector<QStringList>& zeilen, std::size_t ab) {
    maler.setFont(Schrift(14));
    const int kopfH = QFontMetrics(maler.font()).height() * 2;
    maler.drawText(QRect(seite.left(), seite.top(), seite.width(), kopfH), Qt::AlignLeft, ueberschrift);
    maler.setFont(Schrift(9, false));
    const QFontMetrics fm(maler.font());
    const int zeilenH = fm.height() + 4;
    const int spalten = static_cast<int>(zeilen.front().size());
    // Columns share the width by their longest text, so a number column stays narrow.
    std::vector<int> breite(static_cast<std::size_t>(spalten), 1);
    for (const QStringList& z : zeilen)
        for (int s = 0; s < spalten; ++s)
            breite[static_cast<std::size_t>(s)] = std::max(breite[static_cast<std::size_t>(s)],
                                                           std::min(40, static_cast<int>(z.value(s).size())));
    const int summe = std::accumulate(breite.begin(), breite.end(), 0);
    std::vector<int> links{seite.left()};
    for (int s = 0; s < spalten; ++s)
        links.push_back(links.back() + seite.width() * breite[static_cast<std::size_t>(s)] / summe);
    int y = seite.top() + kopfH;
    const auto zeile = [&](const QStringList& z, bool fett) {
        QFont f = maler.font();
        f.setBold(fett);
        maler.setFont(f);
        for (int s = 0; s < spalten; ++s) {
            const auto i = static_cast<std::size_t>(s);
            const QRect zelle(links[i], y, links[i + 1] - links[i] - 4, zeilenH);
            maler.drawText(
                zelle, Qt::AlignLeft | Qt::AlignVCenter,
                QFontMetrics(f).elidedText(z.value(s).simplified(), Qt::ElideRight, zelle.width()));
        }
        y += zeilenH;
        maler.drawLine(seite.left(), y - 1, seite.right(), y - 1);
    };
    zeile(zeilen.front(), true);
    std::size_t i = std::max<std::size_t>(ab, 1);
    for (; i < zeilen.size() && y + zeilenH <= seite.bottom(); ++i)
        zeile(zeilen[i], false);
    return i;
}

} // namespace

bool AuswertungDrucken(QPagedPaintDevice& geraet, const QImage& karte, const Auswertung& a) {
    geraet.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    QPainter maler;
    if (!maler.begin(&geraet)) return false;
    // Page units of 0.1 mm make fonts and lines the same size on every resolution.
    const QRect voll = geraet.pageLayout().paintRectPixels(geraet.logicalDpiX());
    const double massstab = geraet.logicalDpiX() / 254.0;
    maler.scale(massstab, massstab);
    const QRect seite(0, 0, static_cast<int>(voll.width() / massstab),
                      static_cast<int>(voll.height() / massstab));
    maler.setFont(Schrift(50));
    const QString titel = QStringLiteral("Klassenauswertung: ") + a.titel;
    maler.drawText(QRect(seite.left(), seite.top(), seite.width(), 80), Qt::AlignLeft, titel);
    if (!karte.isNull()) {
        const QRect platz = seite.adjusted(0, 100, 0, 0);
        const QSize passend = karte.size().scaled(platz.size(), Qt::KeepAspectRatio);
        maler.drawImage(QRect(platz.topLeft(), passend), karte);
    }
    // Table fonts are given in pixels; 1 px = 0.1 mm would be tiny, so tables draw at 3 px per 0.1 mm.
    maler.scale(3, 3);
    const QRect tabellenSeite(0, 0, seite.width() / 3, seite.height() / 3);
    for (const auto& [ueberschrift, zeilen] :
         {std::pair{QStringLiteral("Positionen"), PositionsTabelle(a, true)},
          std::pair{QStringLiteral("Teilnehmer"), SchuelerTabelle(a)}}) {
        std::size_t ab = 1;
        do {
            geraet.newPage();
            ab = TabelleSeite(maler, tabellenSeite, ueberschrift, zeilen, ab);
        } while (ab < zeilen.size());
    }
    return maler.end();
}

#include "results/bestenliste_druck.h"

#include "results/bestenliste_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int Rand = 150;

// Rounds to the nearest integer, ties to even, as everywhere in the program.
int Runden(double wert) {
    return static_cast<int>(std::nearbyint(wert));
}

int SummeSpaltenbreiten() {
    int summe = 0;
    for (const BestListSpalte& s : BestListSpalten())
        summe += s.breite;
    return summe;
}

class Zeichner final {
public:
    Zeichner(QPainter& p, double fx, double fy, const BestListDruckMasse& m)
        : m_p(p), m_fx(fx), m_fy(fy), m_m(m) {}

    QRectF rechteck(double x1, double y1, double x2, double y2) const {
        return QRectF(QPointF(x1 * m_fx, y1 * m_fy), QPointF(x2 * m_fx, y2 * m_fy));
    }

    void zelle(int spalte, double y, double hoehe, const QString& text) {
        const double l = m_m.kanten[spalte], r = m_m.kanten[spalte + 1];
        const QFontMetricsF fm = m_p.fontMetrics();
        const double textBreite = fm.horizontalAdvance(text) / m_fx;
        double x = l;
        switch (BestListSpalten()[spalte].datenzeilen) {
        case Ausrichtung::Links:
            break;
        case Ausrichtung::Mitte:
            x = (l + r) / 2 - textBreite / 2;
            break;
        case Ausrichtung::Rechts:
            x = r - textBreite;
            break;
        }
        m_p.setClipRect(rechteck(l, y, r, y + hoehe));
        m_p.drawText(QPointF(x * m_fx, y * m_fy + fm.ascent()), text);
        m_p.setClipping(false);
    }

    void linie(double y) {
        m_p.drawLine(QPointF(m_m.kanten.front() * m_fx, y * m_fy),
                     QPointF(m_m.kanten.back() * m_fx, y * m_fy));
    }

private:
    QPainter& m_p;
    double m_fx, m_fy;
    const BestListDruckMasse& m_m;
};

} // namespace

BestListDruckMasse BestListDruckMasseFuer(double seitenBreite, double seitenHoehe, double versatzLinks,
                                          double versatzOben) {
    BestListDruckMasse m;
    m.breite = Runden(seitenBreite) - 2 * Rand;
    m.grenze = Runden(seitenHoehe) - 2 * Rand;
    m.links = std::max(0, Rand - Runden(versatzLinks));
    m.oben = std::max(0, Rand - Runden(versatzOben));
    const int summe = SummeSpaltenbreiten();
    m.zeichenhoehe = std::min(40, Runden(20000.0 / summe * m.breite / 1800.0));
    m.kanten[0] = m.links;
    for (int i = 0; i < BestListSpaltenAnzahl; ++i)
        m.kanten[i + 1] = m.kanten[i] + Runden(double(BestListSpalten()[i].breite) / summe * m.breite);
    return m;
}

int BestListDrucken(QPagedPaintDevice& geraet, const std::vector<QStringList>& zeilen) {
    const QPageLayout layout = geraet.pageLayout();
    const QRectF seite = layout.fullRect(QPageLayout::Millimeter);
    const QRectF druckbar = layout.paintRect(QPageLayout::Millimeter);
    const BestListDruckMasse m = BestListDruckMasseFuer(seite.width() * 10, seite.height() * 10,
                                                        druckbar.left() * 10, druckbar.top() * 10);
    QPainter p;
    if (!p.begin(&geraet)) return 0;
    const double fx = geraet.logicalDpiX() / 254.0, fy = geraet.logicalDpiY() / 254.0;
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(std::max(1, Runden(m.zeichenhoehe * fy)));
    p.setFont(schrift);
    p.setPen(QPen(Qt::black, 2 * fx, Qt::SolidLine));
    p.setBackgroundMode(Qt::TransparentMode);
    // The height of a line of text, as the printer's text height of "X" gives it.
    const double zeilenhoehe = QFontMetricsF(schrift, &geraet).height() / fy;
    Zeichner z(p, fx, fy, m);
    int seiten = 1;
    double y = m.oben;
    for (std::size_t zeile = 0; zeile < zeilen.size(); ++zeile) {
        for (int s = 0; s < BestListSpaltenAnzahl && s < zeilen[zeile].size(); ++s)
            z.zelle(s, y, zeilenhoehe, zeilen[zeile][s]);
        y += zeilenhoehe;
        if (zeile == 0) z.linie(y);
        if (y + zeilenhoehe > m.grenze && zeile + 1 < zeilen.size()) {
            geraet.newPage();
            ++seiten;
            y = m.oben;
        }
    }
    p.end();
    return seiten;
}

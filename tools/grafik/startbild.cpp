// The start picture "Startbasisbild": a stylised globe with quiz marks and the program name.
#include "grafik.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {
constexpr int Breite = 1000;
constexpr int Hoehe = 700;
const QPointF Mitte(330, 360);
constexpr qreal Radius = 235;

// Own small generator so that the picture is the same on every run.
class Wuerfel final {
public:
    explicit Wuerfel(uint32_t s) : m_s(s) {}
    qreal naechste() {
        m_s = m_s * 134775813u + 1u;
        return qreal(m_s >> 8) / qreal(1u << 24);
    }

private:
    uint32_t m_s;
};

// A smooth closed land shape through points around a centre (Catmull-Rom as cubics).
QPainterPath Klecks(QPointF mitte, qreal rx, qreal ry, uint32_t saat, int punkte = 11) {
    Wuerfel w(saat);
    std::vector<QPointF> p;
    for (int i = 0; i < punkte; ++i) {
        const qreal winkel = 2 * M_PI * i / punkte;
        const qreal f = 0.62 + 0.38 * w.naechste();
        p.emplace_back(mitte.x() + std::cos(winkel) * rx * f, mitte.y() + std::sin(winkel) * ry * f);
    }
    QPainterPath pfad(p[0]);
    const int n = int(p.size());
    for (int i = 0; i < n; ++i) {
        const QPointF p0 = p[(i - 1 + n) % n], p1 = p[i], p2 = p[(i + 1) % n], p3 = p[(i + 2) % n];
        pfad.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    pfad.closeSubpath();
    return pfad;
}

void Grund(QPainter& p) {
    QLinearGradient verlauf(0, 0, 0, Hoehe);
    verlauf.setColorAt(0, QColor(226, 236, 245));
    verlauf.setColorAt(1, QColor(249, 245, 235));
    p.fillRect(QRect(0, 0, Breite, Hoehe), verlauf);
    // Faint dotted grid like squared paper.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 140, 160, 38));
    for (int y = 20; y < Hoehe; y += 28)
        for (int x = 20; x < Breite; x += 28)
            p.drawEllipse(QPointF(x, y), 1.3, 1.3);
}

void Globus(QPainter& p) {
    // Shadow on the ground.
    QRadialGradient schatten(QPointF(Mitte.x(), Mitte.y() + Radius + 28), Radius * 0.9);
    schatten.setColorAt(0, QColor(40, 60, 80, 70));
    schatten.setColorAt(1, QColor(40, 60, 80, 0));
    p.save();
    p.translate(Mitte.x(), Mitte.y() + Radius + 28);
    p.scale(1.0, 0.16);
    p.translate(-Mitte.x(), -(Mitte.y() + Radius + 28));
    p.setBrush(schatten);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(Mitte.x(), Mitte.y() + Radius + 28), Radius * 0.9, Radius * 0.9);
    p.restore();

    QPainterPath kugel;
    kugel.addEllipse(Mitte, Radius, Radius);
    QRadialGradient meer(Mitte + QPointF(-80, -90), Radius * 1.35);
    meer.setColorAt(0, QColor(168, 214, 238));
    meer.setColorAt(0.6, palette::Meer);
    meer.setColorAt(1, QColor(64, 118, 168));
    p.fillPath(kugel, meer);

    p.save();
    p.setClipPath(kugel);
    struct Land {
        QPointF mitte;
        qreal rx, ry;
        uint32_t saat;
        QColor farbe;
    };
    const Land laender[] = {
        {{245, 250}, 120, 95, 7, palette::Land},         {{420, 300}, 95, 130, 21, QColor(170, 205, 128)},
        {{300, 470}, 110, 70, 33, palette::Sand},        {{470, 505}, 70, 55, 45, palette::Land},
        {{160, 420}, 60, 85, 58, QColor(176, 208, 134)}, {{380, 160}, 70, 35, 71, QColor(236, 240, 232)},
    };
    for (const Land& l : laender) {
        const QPainterPath form = Klecks(l.mitte, l.rx, l.ry, l.saat);
        p.fillPath(form, l.farbe);
        p.strokePath(form, QPen(l.farbe.darker(125), 1.6));
    }
    // Graticule: parallels as straight lines, meridians as ellipses.
    p.setPen(QPen(QColor(255, 255, 255, 95), 1.4));
    p.setBrush(Qt::NoBrush);
    for (int grad = -60; grad <= 60; grad += 30) {
        const qreal y = Mitte.y() + Radius * std::sin(grad * M_PI / 180);
        const qreal b = Radius * std::cos(grad * M_PI / 180);
        p.drawLine(QPointF(Mitte.x() - b, y), QPointF(Mitte.x() + b, y));
    }
    for (int grad = 0; grad < 90; grad += 30)
        p.drawEllipse(Mitte, Radius * std::sin(grad * M_PI / 180) + 0.01, Radius);
    // Light from the upper left, darker rim.
    QRadialGradient licht(Mitte + QPointF(-95, -110), Radius * 1.6);
    licht.setColorAt(0, QColor(255, 255, 255, 120));
    licht.setColorAt(0.35, QColor(255, 255, 255, 0));
    licht.setColorAt(0.75, QColor(20, 40, 70, 0));
    licht.setColorAt(1, QColor(20, 40, 70, 110));
    p.fillPath(kugel, licht);
    p.restore();
    p.setPen(QPen(QColor(56, 98, 140), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(kugel);
}

QFont Schrift(int pixel, bool fett) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

// A numbered quiz position with a leader line to its (covered or solved) label box.
void Marke(QPainter& p, QPointF punkt, QPointF kasten, const QString& nummer, const QString& text,
           bool geloest) {
    p.setPen(QPen(QColor(60, 70, 80), 1.6));
    p.drawLine(punkt, kasten);
    p.setBrush(QColor(60, 70, 80));
    p.drawEllipse(punkt, 4, 4);
    const QRectF box(kasten.x() - 58, kasten.y() - 17, 116, 34);
    QPainterPath form;
    form.addRoundedRect(box, 7, 7);
    p.fillPath(form.translated(2, 3), QColor(30, 40, 50, 60));
    p.fillPath(form, geloest ? QColor(232, 246, 234) : QColor(255, 252, 240));
    p.strokePath(form, QPen(geloest ? palette::Gruen : QColor(150, 140, 120), 1.5));
    p.setFont(Schrift(17, true));
    p.setPen(palette::Tinte);
    p.drawText(box.adjusted(30, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    // Number disc.
    const QPointF scheibe(box.left() + 16, box.center().y());
    p.setBrush(geloest ? palette::Gruen : palette::Gold);
    p.setPen(QPen(Qt::white, 1.8));
    p.drawEllipse(scheibe, 11.5, 11.5);
    p.setPen(Qt::white);
    p.setFont(Schrift(14, true));
    p.drawText(QRectF(scheibe.x() - 12, scheibe.y() - 12, 24, 24), Qt::AlignCenter, nummer);
}

// An answer element of the quiz column.
void Antwort(QPainter& p, const QRectF& r, const QString& text, bool gezogen) {
    QPainterPath form;
    form.addRoundedRect(r, 8, 8);
    p.fillPath(form.translated(gezogen ? 5 : 2, gezogen ? 7 : 3), QColor(30, 40, 50, gezogen ? 55 : 40));
    QLinearGradient verlauf(r.topLeft(), r.bottomLeft());
    verlauf.setColorAt(0, QColor(250, 251, 253));
    verlauf.setColorAt(1, QColor(226, 232, 240));
    p.fillPath(form, verlauf);
    p.strokePath(form, QPen(QColor(154, 162, 162), 1.2));
    p.setPen(QColor(81, 81, 78));
    p.setFont(Schrift(18, false));
    p.drawText(r, Qt::AlignCenter, text);
}

// The pointer arrow over the dragged element.
void Zeiger(QPainter& p, QPointF spitze) {
    QPainterPath pfeil;
    const QPointF punkte[] = {{0, 0}, {0, 25}, {6.5, 19}, {11, 29}, {15, 27}, {10.5, 17.5}, {18.5, 17.5}};
    pfeil.moveTo(spitze + punkte[0]);
    for (const QPointF& q : punkte)
        pfeil.lineTo(spitze + q);
    pfeil.closeSubpath();
    p.strokePath(pfeil, QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(pfeil, Qt::black);
}

void Texte(QPainter& p) {
    p.setPen(palette::KopfDunkel);
    p.setFont(Schrift(30, false));
    p.drawText(QPointF(610, 150), QStringLiteral("Velmora"));
    p.setPen(palette::Tinte);
    p.setFont(Schrift(52, true));
    p.drawText(QPointF(606, 208), QStringLiteral("Kartello-Quiz"));
    p.fillRect(QRectF(610, 226, 120, 5), palette::Gold);
    p.setPen(QColor(90, 100, 112));
    p.setFont(Schrift(20, false));
    p.drawText(QRectF(610, 244, 360, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Karten, Lückentexte und Fragen \u2013 spielerisch lernen"));

    const QString antworten[] = {QStringLiteral("Alpen"), QStringLiteral("Ostsee"), QStringLiteral("Donau")};
    for (int i = 0; i < 3; ++i)
        Antwort(p, QRectF(640, 330 + i * 56, 160, 42), antworten[i], false);
    Antwort(p, QRectF(560, 508, 160, 42), QStringLiteral("Berlin"), true);
    Zeiger(p, QPointF(668, 528));

    p.setFont(Schrift(16, false));
    p.setPen(QColor(96, 106, 118));
    p.drawText(QRectF(560, 600, 430, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Quiz im Menü \u00bbQuizauswahl\u00ab wählen und mit F7 starten."));
}
} // namespace

void Startbild(const QString& ordner) {
    QImage bild = NeuesBild(Breite, Hoehe, Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    Grund(p);
    Globus(p);
    Marke(p, QPointF(250, 255), QPointF(130, 110), QStringLiteral("1"), QStringLiteral("?"), false);
    Marke(p, QPointF(425, 290), QPointF(545, 110), QStringLiteral("2"), QStringLiteral("Rhein"), true);
    Marke(p, QPointF(300, 470), QPointF(150, 640), QStringLiteral("3"), QStringLiteral("?"), false);
    Texte(p);
    p.end();
    Speichere(bild, ordner + QStringLiteral("/Startbasisbild.png"));
}

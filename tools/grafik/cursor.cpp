// The resource cursors, 32 x 32, black with a white outline so they show on any map.
// The hotspots are written beside them to cursor/hotspots.txt; the program keeps the same
// table in its code and a test compares the two.
#include "grafik.h"

#include <QDir>
#include <QFile>
#include <QPainterPath>
#include <QTextStream>
#include <functional>

namespace {
QPen Stift(const QColor& farbe, qreal breite) {
    return QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Fills a shape and outlines it in white (or in black for light shapes).
void Form(QPainter& p, const QPainterPath& pfad, const QColor& fuellung = Qt::black) {
    const bool hell = fuellung.lightness() > 128;
    p.strokePath(pfad, Stift(hell ? Qt::black : Qt::white, hell ? 1.3 : 2.2));
    p.fillPath(pfad, fuellung);
    if (!hell) return;
    p.strokePath(pfad, Stift(Qt::black, 1.1));
}

// A stroke with a white halo, for line cursors (tick, cross, I-beam).
void Linie(QPainter& p, const QPainterPath& pfad, qreal breite) {
    p.strokePath(pfad, Stift(Qt::white, breite + 2.4));
    p.strokePath(pfad, Stift(Qt::black, breite));
}

QPainterPath Pfeil(QPointF spitze, qreal mass = 1.0) {
    const QPointF punkte[] = {{0, 0}, {0, 17}, {4.3, 13}, {7.3, 19.5}, {10, 18.3}, {7.1, 12}, {12.5, 12}};
    QPainterPath pfad(spitze);
    for (const QPointF& q : punkte)
        pfad.lineTo(spitze + q * mass);
    pfad.closeSubpath();
    return pfad;
}

void Dragblack(QPainter& p) {
    QPainterPath kasten;
    kasten.addRect(QRectF(14.5, 19.5, 12, 9));
    p.strokePath(kasten, Stift(Qt::white, 3));
    p.fillPath(kasten, Qt::white);
    QPen gestrichelt(Qt::black, 1.2, Qt::DashLine);
    gestrichelt.setDashPattern({2, 1.5});
    p.strokePath(kasten, gestrichelt);
    Form(p, Pfeil(QPointF(1, 1)));
}

void Stift5(QPainter& p) {
    // A pencil lying from the lower left (tip) to the upper right.
    p.save();
    p.translate(2, 29);
    p.rotate(-45);
    QPainterPath spitze(QPointF(0, 0));
    spitze.lineTo(8, -3.6);
    spitze.lineTo(8, 3.6);
    spitze.closeSubpath();
    QPainterPath schaft;
    schaft.addRect(QRectF(8, -3.6, 22, 7.2));
    QPainterPath ende;
    ende.addRoundedRect(QRectF(29, -3.6, 7, 7.2), 1.5, 1.5);
    Form(p, spitze.united(schaft).united(ende));
    p.fillRect(QRectF(9.5, -2.2, 19, 4.4), QColor(70, 120, 175));
    p.fillRect(QRectF(30.5, -2.2, 4.5, 4.4), QColor(232, 140, 150));
    QPainterPath holz(QPointF(2.5, -1.1));
    holz.lineTo(7, -2.3);
    holz.lineTo(7, 2.3);
    holz.lineTo(2.5, 1.1);
    holz.closeSubpath();
    p.fillPath(holz, QColor(236, 205, 160));
    p.restore();
}

void Marker25(QPainter& p) {
    p.save();
    p.translate(3, 28);
    p.rotate(-45);
    QPainterPath spitze(QPointF(0, -2.5));
    spitze.lineTo(6, -4.5);
    spitze.lineTo(6, 4.5);
    spitze.lineTo(0, 1.5);
    spitze.closeSubpath();
    QPainterPath koerper;
    koerper.addRoundedRect(QRectF(6, -5.5, 26, 11), 2.5, 2.5);
    Form(p, spitze.united(koerper));
    p.fillRect(QRectF(7.5, -4, 8, 8), QColor(250, 215, 40));
    p.fillRect(QRectF(16.5, -4, 14, 8), QColor(90, 98, 110));
    p.restore();
}

void Radier32(QPainter& p) {
    p.save();
    p.translate(7, 26);
    p.rotate(-40);
    QPainterPath gummi;
    gummi.addRoundedRect(QRectF(-3, -6, 26, 12), 2.5, 2.5);
    Form(p, gummi);
    p.fillRect(QRectF(-1.5, -4.5, 9, 9), QColor(236, 140, 150));
    p.fillRect(QRectF(8.5, -4.5, 13, 9), QColor(110, 150, 200));
    p.restore();
}

void Pfeilmove(QPainter& p) {
    Form(p, Pfeil(QPointF(1, 1)));
    const QPointF m(23, 23);
    QPainterPath kreuz;
    kreuz.moveTo(m + QPointF(-7, 0));
    kreuz.lineTo(m + QPointF(7, 0));
    kreuz.moveTo(m + QPointF(0, -7));
    kreuz.lineTo(m + QPointF(0, 7));
    for (const QPointF& richtung : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
        const QPointF ende = m + richtung * 7.5;
        const QPointF quer(richtung.y(), richtung.x());
        kreuz.moveTo(ende - richtung * 3 + quer * 3);
        kreuz.lineTo(ende);
        kreuz.lineTo(ende - richtung * 3 - quer * 3);
    }
    Linie(p, kreuz, 1.6);
}

void Haekchen(QPainter& p) {
    QPainterPath haken(QPointF(4, 18));
    haken.lineTo(11, 26);
    haken.lineTo(28, 6);
    Linie(p, haken, 3.2);
}

void Kreuz(QPainter& p) {
    QPainterPath kreuz(QPointF(7, 7));
    kreuz.lineTo(23, 23);
    kreuz.moveTo(23, 7);
    kreuz.lineTo(7, 23);
    Linie(p, kreuz, 3.2);
}

void Texteingabe(QPainter& p) {
    QPainterPath balken(QPointF(15.5, 6.5));
    balken.lineTo(15.5, 24.5);
    balken.moveTo(11.5, 4.5);
    balken.cubicTo(13.5, 4.5, 15.5, 5, 15.5, 6.5);
    balken.cubicTo(15.5, 5, 17.5, 4.5, 19.5, 4.5);
    balken.moveTo(11.5, 26.5);
    balken.cubicTo(13.5, 26.5, 15.5, 26, 15.5, 24.5);
    balken.cubicTo(15.5, 26, 17.5, 26.5, 19.5, 26.5);
    balken.moveTo(13, 15.5);
    balken.lineTo(18, 15.5);
    Linie(p, balken, 1.4);
}

void Hand(QPainter& p) {
    QPainterPath hand;
    const qreal finger[][3] = {{9, 7.5, 11}, {12.5, 4.5, 12}, {16, 5, 11.5}, {19.5, 8, 9}};
    for (const auto& f : finger) {
        QPainterPath glied;
        glied.addRoundedRect(QRectF(f[0], f[1], 3.5, f[2] + 4), 1.75, 1.75);
        hand = hand.united(glied);
    }
    QPainterPath ballen;
    ballen.addRoundedRect(QRectF(8.5, 14, 14.5, 12), 5, 5);
    QPainterPath daumen(QPointF(9, 17));
    daumen.lineTo(5, 13.5);
    daumen.cubicTo(3.5, 12.2, 2, 14, 3.2, 15.6);
    daumen.lineTo(8.8, 23);
    daumen.closeSubpath();
    hand = hand.united(ballen).united(daumen).simplified();
    p.strokePath(hand, Stift(Qt::white, 3.2));
    Form(p, hand, Qt::white);
    p.setPen(Stift(Qt::black, 0.9));
    for (qreal x : {12.4, 15.9, 19.4})
        p.drawLine(QPointF(x, 13), QPointF(x, 16.5));
}

struct CursorDef {
    const char* name;
    QPoint hotspot;
    std::function<void(QPainter&)> zeichner;
};
} // namespace

void CursorZeichnen(const QString& ordner) {
    const CursorDef liste[] = {
        {"DRAGBLACK", {1, 1}, Dragblack}, {"STIFT5", {2, 29}, Stift5},
        {"MARKER25", {3, 28}, Marker25},  {"RADIER32", {7, 26}, Radier32},
        {"PFEILMOVE", {1, 1}, Pfeilmove}, {"HAEKCHEN", {11, 26}, Haekchen},
        {"KREUZ", {15, 15}, Kreuz},       {"TEXTEINGABE", {15, 15}, Texteingabe},
        {"HAND", {15, 14}, Hand},
    };
    QFile datei(ordner + QStringLiteral("/cursor/hotspots.txt"));
    QDir().mkpath(ordner + QStringLiteral("/cursor"));
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) qFatal("hotspots.txt");
    QTextStream aus(&datei);
    aus << "# Name x y: hotspot of each cursor picture (32 x 32)\n";
    for (const CursorDef& c : liste) {
        QImage bild = NeuesBild(32, 32);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        c.zeichner(p);
        p.end();
        Speichere(bild,
                  ordner + QStringLiteral("/cursor/") + QString::fromLatin1(c.name) + QStringLiteral(".png"));
        aus << c.name << ' ' << c.hotspot.x() << ' ' << c.hotspot.y() << '\n';
    }
}

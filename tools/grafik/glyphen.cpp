// Button glyphs (24 x 24) and the program icon (16, 32, 64), drawn in a 24-unit square.
#include "grafik.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>

namespace {
using Zeichner = std::function<void(QPainter&)>;

QPen Stift(const QColor& farbe, qreal breite = 1.6) {
    return QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Haken(QPainter& p, const QColor& farbe, qreal breite) {
    QPainterPath pfad(QPointF(4.5, 12.5));
    pfad.lineTo(9.5, 17.5);
    pfad.lineTo(19.5, 6);
    p.strokePath(pfad, Stift(farbe.darker(140), breite + 1.4));
    p.strokePath(pfad, Stift(farbe, breite));
}

void Kreuz(QPainter& p, const QColor& farbe, qreal breite, qreal rand = 5.5) {
    QPainterPath pfad(QPointF(rand, rand));
    pfad.lineTo(24 - rand, 24 - rand);
    pfad.moveTo(24 - rand, rand);
    pfad.lineTo(rand, 24 - rand);
    p.strokePath(pfad, Stift(farbe.darker(140), breite + 1.4));
    p.strokePath(pfad, Stift(farbe, breite));
}

void Kreis(QPainter& p, const QColor& farbe) {
    QRadialGradient verlauf(QPointF(9, 8), 14);
    verlauf.setColorAt(0, farbe.lighter(135));
    verlauf.setColorAt(1, farbe);
    p.setBrush(verlauf);
    p.setPen(Stift(farbe.darker(130), 1.2));
    p.drawEllipse(QPointF(12, 12), 10, 10);
}

void ZeichenImKreis(QPainter& p, const QColor& farbe, const QString& zeichen) {
    Kreis(p, farbe);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0.5, 24, 24), Qt::AlignCenter, zeichen);
}

void Blatt(QPainter& p, const QRectF& r, bool linien) {
    QPainterPath form(r.topLeft());
    form.lineTo(r.right() - 4, r.top());
    form.lineTo(r.right(), r.top() + 4);
    form.lineTo(r.bottomRight());
    form.lineTo(r.bottomLeft());
    form.closeSubpath();
    p.fillPath(form, Qt::white);
    p.strokePath(form, Stift(palette::Tinte, 1.2));
    if (linien)
        for (qreal y = r.top() + 5; y < r.bottom() - 2; y += 3)
            p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
}

void Pfeil(QPainter& p, bool rechts) {
    p.save();
    if (!rechts) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    Kreis(p, palette::Blau);
    QPainterPath pfad(QPointF(10, 7));
    pfad.lineTo(15, 12);
    pfad.lineTo(10, 17);
    p.strokePath(pfad, Stift(Qt::white, 2.6));
    p.restore();
}

void Globus(QPainter& p, QPointF m, qreal r) {
    QRadialGradient meer(m + QPointF(-r / 3, -r / 3), r * 1.4);
    meer.setColorAt(0, QColor(170, 215, 240));
    meer.setColorAt(1, QColor(64, 118, 168));
    p.setBrush(meer);
    p.setPen(Stift(QColor(44, 86, 128), 1.0));
    p.drawEllipse(m, r, r);
    QPainterPath kugel;
    kugel.addEllipse(m, r, r);
    p.save();
    p.setClipPath(kugel);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::Land);
    p.drawEllipse(m + QPointF(-r * 0.35, -r * 0.25), r * 0.45, r * 0.35);
    p.drawEllipse(m + QPointF(r * 0.35, r * 0.3), r * 0.35, r * 0.45);
    p.restore();
}

void Programm(QPainter& p) {
    QPainterPath grund;
    grund.addRoundedRect(QRectF(0.5, 0.5, 23, 23), 5, 5);
    QLinearGradient verlauf(0, 0, 0, 24);
    verlauf.setColorAt(0, palette::KopfHell);
    verlauf.setColorAt(1, palette::KopfDunkel);
    p.fillPath(grund, verlauf);
    Globus(p, QPointF(11, 12.5), 8.5);
    p.setBrush(palette::Gold);
    p.setPen(Stift(Qt::white, 1.0));
    p.drawEllipse(QPointF(17.5, 6.5), 4.6, 4.6);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(7);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(13, 2, 9, 9), Qt::AlignCenter, QStringLiteral("?"));
}

void Haus(QPainter& p) {
    QPainterPath dach(QPointF(3, 12));
    dach.lineTo(12, 3.5);
    dach.lineTo(21, 12);
    QPainterPath haus;
    haus.addRect(QRectF(6, 11, 12, 9.5));
    p.fillPath(haus, palette::Dialog);
    p.strokePath(haus, Stift(palette::Tinte, 1.3));
    p.fillRect(QRectF(10.5, 14.5, 3.5, 6), palette::Blau);
    p.strokePath(dach, Stift(palette::Rot, 2.2));
}

void Start(QPainter& p) {
    Kreis(p, palette::Gruen);
    QPainterPath dreieck(QPointF(9.5, 7));
    dreieck.lineTo(17.5, 12);
    dreieck.lineTo(9.5, 17);
    dreieck.closeSubpath();
    p.fillPath(dreieck, Qt::white);
}

void Pokal(QPainter& p) {
    QPainterPath becher(QPointF(6.5, 3.5));
    becher.lineTo(17.5, 3.5);
    becher.cubicTo(17.5, 11, 15, 14, 12, 14);
    becher.cubicTo(9, 14, 6.5, 11, 6.5, 3.5);
    QLinearGradient gold(6, 0, 18, 0);
    gold.setColorAt(0, palette::Gold.lighter(130));
    gold.setColorAt(1, palette::Gold.darker(115));
    p.setPen(Stift(palette::Gold.darker(150), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 4.5, 7, 6), 90 * 16, 180 * 16);
    p.drawArc(QRectF(14.5, 4.5, 7, 6), -90 * 16, 180 * 16);
    p.fillPath(becher, gold);
    p.strokePath(becher, Stift(palette::Gold.darker(150), 1.2));
    p.fillRect(QRectF(11, 14, 2, 4), palette::Gold.darker(130));
    QPainterPath sockel;
    sockel.addRoundedRect(QRectF(7, 18, 10, 3.5), 1, 1);
    p.fillPath(sockel, palette::Tinte);
}

void Drucker(QPainter& p) {
    Blatt(p, QRectF(7, 2.5, 10, 8), false);
    QPainterPath gehaeuse;
    gehaeuse.addRoundedRect(QRectF(3, 9, 18, 8.5), 2, 2);
    p.fillPath(gehaeuse, QColor(200, 208, 218));
    p.strokePath(gehaeuse, Stift(palette::Tinte, 1.2));
    p.fillRect(QRectF(17, 11, 2, 1.5), palette::Gruen);
    Blatt(p, QRectF(7, 14.5, 10, 7), true);
}

void Diskette(QPainter& p) {
    QPainterPath form(QPointF(3.5, 3.5));
    form.lineTo(17.5, 3.5);
    form.lineTo(20.5, 6.5);
    form.lineTo(20.5, 20.5);
    form.lineTo(3.5, 20.5);
    form.closeSubpath();
    p.fillPath(form, palette::Blau);
    p.strokePath(form, Stift(palette::Blau.darker(150), 1.2));
    p.fillRect(QRectF(7, 4, 9, 6), QColor(230, 235, 240));
    p.fillRect(QRectF(13, 5, 2, 4), palette::Blau.darker(130));
    p.fillRect(QRectF(6, 13, 12, 7.5), Qt::white);
    p.setPen(Stift(QColor(170, 180, 190), 1.0));
    p.drawLine(QPointF(8, 16), QPointF(16, 16));
    p.drawLine(QPointF(8, 18.5), QPointF(16, 18.5));
}

void Kopieren(QPainter& p) {
    Blatt(p, QRectF(3.5, 2.5, 11, 14), true);
    Blatt(p, QRectF(9.5, 7.5, 11, 14), true);
}

void Protokoll(QPainter& p) {
    Blatt(p, QRectF(5, 2.5, 14, 19), true);
    p.setPen(Stift(palette::Gruen, 1.6));
    p.drawLine(QPointF(7, 8), QPointF(8.2, 9.2));
    p.drawLine(QPointF(8.2, 9.2), QPointF(10.5, 6.5));
}

void Wiederholen(QPainter& p) {
    p.setPen(Stift(palette::Blau, 2.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 4.5, 15, 15), 100 * 16, 290 * 16);
    QPainterPath spitze(QPointF(9, 1.5));
    spitze.lineTo(15, 4.2);
    spitze.lineTo(9.5, 8.5);
    spitze.closeSubpath();
    p.fillPath(spitze, palette::Blau);
}

void Ordner(QPainter& p) {
    QPainterPath hinten(QPointF(2.5, 5.5));
    hinten.lineTo(9, 5.5);
    hinten.lineTo(11, 7.5);
    hinten.lineTo(21.5, 7.5);
    hinten.lineTo(21.5, 19.5);
    hinten.lineTo(2.5, 19.5);
    hinten.closeSubpath();
    p.fillPath(hinten, palette::Gold.darker(110));
    QPainterPath vorn(QPointF(2.5, 19.5));
    vorn.lineTo(5, 10.5);
    vorn.lineTo(23, 10.5);
    vorn.lineTo(21.5, 19.5);
    vorn.closeSubpath();
    QLinearGradient verlauf(0, 10, 0, 20);
    verlauf.setColorAt(0, palette::Gold.lighter(125));
    verlauf.setColorAt(1, palette::Gold);
    p.fillPath(vorn, verlauf);
    p.strokePath(hinten.united(vorn), Stift(palette::Gold.darker(160), 1.1));
}

void Brief(QPainter& p) {
    QPainterPath umschlag;
    umschlag.addRoundedRect(QRectF(2.5, 5.5, 19, 13), 1.5, 1.5);
    p.fillPath(umschlag, Qt::white);
    p.strokePath(umschlag, Stift(palette::Tinte, 1.3));
    QPainterPath klappe(QPointF(3, 6.5));
    klappe.lineTo(12, 13);
    klappe.lineTo(21, 6.5);
    p.strokePath(klappe, Stift(palette::Blau, 1.5));
}

void Schliessen(QPainter& p) {
    QPainterPath tuer;
    tuer.addRoundedRect(QRectF(4.5, 3.5, 11, 17), 1.5, 1.5);
    p.fillPath(tuer, QColor(205, 180, 150));
    p.strokePath(tuer, Stift(palette::Tinte, 1.2));
    p.setBrush(palette::Tinte);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(13, 12.5), 1.1, 1.1);
    QPainterPath pfeil(QPointF(14, 12));
    pfeil.lineTo(21.5, 12);
    pfeil.moveTo(18.5, 9);
    pfeil.lineTo(21.5, 12);
    pfeil.lineTo(18.5, 15);
    p.strokePath(pfeil, Stift(palette::Rot, 2.0));
}

void Zeichne(const QString& pfad, int groesse, const Zeichner& zeichner) {
    QImage bild = NeuesBild(groesse, groesse);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(groesse / 24.0, groesse / 24.0);
    zeichner(p);
    p.end();
    Speichere(bild, pfad);
}
} // namespace

void ProgrammsymbolMalen(QPainter& p) {
    Programm(p);
}

void GlyphenZeichnen(const QString& ordner) {
    const QString ziel = ordner + QStringLiteral("/glyphen/");
    Zeichne(ziel + QStringLiteral("programm.png"), 64, Programm);
    Zeichne(ziel + QStringLiteral("programm32.png"), 32, Programm);
    Zeichne(ziel + QStringLiteral("programm16.png"), 16, Programm);
    const std::pair<const char*, Zeichner> liste[] = {
        {"startseite", Haus},
        {"quiz", Start},
        {"bestenliste", Pokal},
        {"pfeil_links", [](QPainter& p) { Pfeil(p, false); }},
        {"pfeil_rechts", [](QPainter& p) { Pfeil(p, true); }},
        {"haekchen", [](QPainter& p) { Haken(p, palette::Gruen, 3.2); }},
        {"kreuz", [](QPainter& p) { Kreuz(p, palette::Rot, 3.2); }},
        {"ok", [](QPainter& p) { Haken(p, palette::Gruen, 2.6); }},
        {"abbrechen", [](QPainter& p) { Kreuz(p, palette::Rot, 2.6, 6.5); }},
        {"drucken", Drucker},
        {"speichern", Diskette},
        {"kopieren", Kopieren},
        {"schliessen", Schliessen},
        {"wiederholen", Wiederholen},
        {"protokoll", Protokoll},
        {"ordner", Ordner},
        {"mail", Brief},
        {"hilfe", [](QPainter& p) { ZeichenImKreis(p, palette::Blau, QStringLiteral("?")); }},
        {"info", [](QPainter& p) { ZeichenImKreis(p, palette::Blau, QStringLiteral("i")); }},
    };
    for (const auto& [name, zeichner] : liste)
        Zeichne(ziel + QString::fromLatin1(name) + QStringLiteral(".png"), 24, zeichner);
}

// The background tiles: 64 x 64, border 30. Each keeps flat colours where the program
// reads its theme colours: (0, 0) and the centre from (30, 30) on.
#include "grafik.h"

#include <QPainterPath>

namespace {
constexpr int Groesse = 64;

void RundesFeld(QPainter& p, const QRectF& r, qreal radius, const QColor& fuellung, const QColor& rand) {
    QPainterPath pfad;
    pfad.addRoundedRect(r, radius, radius);
    p.fillPath(pfad, fuellung);
    if (rand.isValid()) {
        p.setPen(QPen(rand, 1.0));
        p.drawPath(pfad);
    }
}

// Soft shadow: a few widening, fading rounded outlines below the card.
void Schatten(QPainter& p, const QRectF& r, qreal radius, const QColor& farbe) {
    for (int i = 4; i >= 1; --i) {
        QColor c = farbe;
        c.setAlpha(14 + 6 * (4 - i));
        QPainterPath pfad;
        pfad.addRoundedRect(r.adjusted(-i * 0.5, -i * 0.25, i * 0.5, i * 0.9), radius + i * 0.5,
                            radius + i * 0.5);
        p.fillPath(pfad, c);
    }
}

QImage Kopfleiste() {
    QImage bild = NeuesBild(Groesse, Groesse, palette::Kopf);
    QPainter p(&bild);
    p.setPen(palette::KopfHell);
    p.drawLine(0, 0, Groesse - 1, 0);
    p.setPen(palette::KopfDunkel);
    p.drawLine(0, Groesse - 1, Groesse - 1, Groesse - 1);
    QColor weich = palette::KopfDunkel;
    weich.setAlpha(90);
    p.setPen(weich);
    p.drawLine(0, Groesse - 2, Groesse - 1, Groesse - 2);
    return bild;
}

QImage Kartenbereich() {
    QImage bild = NeuesBild(Groesse, Groesse, palette::Kopf);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF karte(6.5, 5.5, Groesse - 13.0, Groesse - 13.0);
    Schatten(p, karte, 12, QColor(30, 45, 60));
    RundesFeld(p, karte, 12, palette::Karte, QColor(214, 208, 196));
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.0));
    p.drawLine(QPointF(19, 6.5), QPointF(Groesse - 19, 6.5));
    return bild;
}

QImage Titelstreifen() {
    QImage bild = NeuesBild(Groesse, Groesse, palette::Kopf);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF streifen(3.5, 3.5, Groesse - 7.0, Groesse - 7.0);
    RundesFeld(p, streifen.adjusted(0, 1, 0, 1), 8, QColor(60, 80, 100, 90), QColor());
    RundesFeld(p, streifen, 8, palette::Titel, QColor(96, 120, 144));
    p.setPen(QPen(Qt::white, 1.0));
    p.drawLine(QPointF(11, 4.5), QPointF(Groesse - 11, 4.5));
    return bild;
}

QImage Dialoghintergrund() {
    QImage bild = NeuesBild(Groesse, Groesse, QColor(236, 231, 221));
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF innen(4.5, 4.5, Groesse - 9.0, Groesse - 9.0);
    RundesFeld(p, innen, 9, palette::Dialog, palette::DialogLinie);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.drawLine(QPointF(13, 5.5), QPointF(Groesse - 13, 5.5));
    return bild;
}
} // namespace

void Kacheln(const QString& ordner) {
    Speichere(Kopfleiste(), ordner + QStringLiteral("/BackTeileImg2.png"));
    Speichere(Kartenbereich(), ordner + QStringLiteral("/BackTeileImg3.png"));
    Speichere(Titelstreifen(), ordner + QStringLiteral("/BackTeileImg3Tit.png"));
    Speichere(Dialoghintergrund(), ordner + QStringLiteral("/BackTeileImg4.png"));
}

// The desktop icons: the program icon of the window, once as SVG and once per PNG size,
// in the folder layout of the hicolor icon theme.
#include "grafik.h"

#include <QDir>
#include <QSvgGenerator>
#include <cstdio>
#include <cstdlib>

namespace {
const QString Kennung = QStringLiteral("de.velmora.KartelloQuiz");

void Svg(const QString& pfad) {
    QDir().mkpath(pfad.section(QLatin1Char('/'), 0, -2));
    QSvgGenerator svg;
    svg.setFileName(pfad);
    svg.setSize(QSize(24, 24));
    svg.setViewBox(QRectF(0, 0, 24, 24));
    svg.setTitle(QStringLiteral("Velmora Kartello-Quiz"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "kann %s nicht schreiben\n", qPrintable(pfad));
        std::exit(1);
    }
    ProgrammsymbolMalen(p);
    p.end();
}

void Png(const QString& pfad, int groesse) {
    QImage bild = NeuesBild(groesse, groesse);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(groesse / 24.0, groesse / 24.0);
    ProgrammsymbolMalen(p);
    p.end();
    Speichere(bild, pfad);
}
} // namespace

void Programmsymbole(const QString& ordner) {
    Svg(ordner + QStringLiteral("/hicolor/scalable/apps/") + Kennung + QStringLiteral(".svg"));
    for (const int groesse : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString g = QString::number(groesse);
        Png(ordner + QStringLiteral("/hicolor/") + g + u'x' + g + QStringLiteral("/apps/") + Kennung +
                QStringLiteral(".png"),
            groesse);
    }
}

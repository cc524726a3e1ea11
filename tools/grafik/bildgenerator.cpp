// Draws every picture of the window resource into the given folder, deterministic so
// that running it again yields the same files.
#include "grafik.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

QImage NeuesBild(int breite, int hoehe, const QColor& grund) {
    QImage bild(breite, hoehe, QImage::Format_ARGB32_Premultiplied);
    bild.fill(grund);
    return bild;
}

namespace {
bool Deckend(const QImage& bild) {
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (qAlpha(bild.pixel(x, y)) != 255) return false;
    return true;
}
} // namespace

void Speichere(const QImage& bild, const QString& pfad) {
    QDir().mkpath(pfad.section(QLatin1Char('/'), 0, -2));
    // Opaque pictures are stored without alpha channel; the others unpremultiplied.
    const QImage aus = bild.convertToFormat(Deckend(bild) ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    if (!aus.save(pfad, "PNG", 9)) {
        std::fprintf(stderr, "kann %s nicht schreiben\n", qPrintable(pfad));
        std::exit(1);
    }
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "Aufruf: bildgenerator <bilderordner> [hilfeordner [symbolordner]]\n");
        return 2;
    }
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    Kacheln(ordner);
    Startbild(ordner);
    GlyphenZeichnen(ordner);
    CursorZeichnen(ordner);
    if (argc == 4) Programmsymbole(QString::fromLocal8Bit(argv[3]));
    if (argc >= 3) {
        // The help page shows the start picture and the program icon as well.
        const QString hilfe = QString::fromLocal8Bit(argv[2]);
        Speichere(QImage(ordner + QStringLiteral("/Startbasisbild.png")),
                  hilfe + QStringLiteral("/startbild.png"));
        Speichere(QImage(ordner + QStringLiteral("/glyphen/programm.png")),
                  hilfe + QStringLiteral("/programm.png"));
    }
    return 0;
}

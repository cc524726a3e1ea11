// Reading and writing a document with a 4000 x 3000 base image, each against
// plain libpng doing only the image part with the same settings.
#include "documents/tvl_datei.h"
#include "png_roh.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <csetjmp>
#include <cstring>
#include <png.h>
#include <random>
#include <vector>

namespace {

constexpr int Breite = 4000;
constexpr int Hoehe = 3000;

// Something like a map: sea and land gradients, coast shapes, rivers, labels'
// boxes and a little sensor noise, so that it compresses like a real one.
QImage Kartenbild() {
    QImage bild(Breite, Hoehe, QImage::Format_RGB32);
    QPainter p(&bild);
    QLinearGradient meer(0, 0, Breite, Hoehe);
    meer.setColorAt(0, QColor(150, 190, 230));
    meer.setColorAt(1, QColor(60, 110, 180));
    p.fillRect(bild.rect(), meer);
    std::mt19937 z(7);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        QPainterPath land;
        const QPointF mitte(z() % Breite, z() % Hoehe);
        land.moveTo(mitte);
        for (int k = 0; k < 12; ++k)
            land.lineTo(mitte + QPointF(int(z() % 900) - 450, int(z() % 700) - 350));
        land.closeSubpath();
        QRadialGradient gruen(mitte, 500);
        gruen.setColorAt(0, QColor(200, 180, 120));
        gruen.setColorAt(1, QColor(90, 150, 70));
        p.setBrush(gruen);
        p.setPen(QPen(QColor(40, 60, 40), 3));
        p.drawPath(land);
    }
    p.setPen(QPen(QColor(30, 80, 200), 4));
    for (int i = 0; i < 60; ++i)
        p.drawLine(z() % Breite, z() % Hoehe, z() % Breite, z() % Hoehe);
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 255, 230));
    for (int i = 0; i < 80; ++i)
        p.drawRect(z() % Breite, z() % Hoehe, 120, 30);
    p.end();
    for (int y = 0; y < Hoehe; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < Breite; ++x) {
            if (z() % 8 == 0) zeile[x] ^= 0x010101u * (z() % 3);
        }
    }
    return bild;
}

struct Daten {
    Dokument dok;
    QByteArray datei;
    QByteArray png; // the PNG datastream inside `datei`
    QTemporaryDir ordner;
    QString pfad;

    Daten() {
        dok.Header.HD_titel = QStringLiteral("Europa");
        for (int i = 0; i < 200; ++i) {
            ObjDataTyp o;
            o.OB_Cap = QStringLiteral("Objekt %1").arg(i);
            o.OB_Sx = i / 200.0;
            dok.Objekte.push_back(o);
        }
        dok.Basisbild = Kartenbild();
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        TvlSchreiber().schreiben(b, dok);
        datei = b.data();
        png = datei.mid(datei.indexOf("\x89PNG\r\n\x1a\n"));
        pfad = ordner.filePath(QStringLiteral("karte.tvl"));
        QFile f(pfad);
        f.open(QIODevice::WriteOnly);
        f.write(datei);
    }
};

Daten& D() {
    static Daten d;
    return d;
}

void Schreiben(png_structp png, png_bytep daten, size_t n) {
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(daten), qsizetype(n));
}
void Leeren(png_structp) {}

bool RohKodieren(png_structp png, png_infop info, const QImage* bild, QByteArray* aus) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, aus, Schreiben, Leeren);
    png_set_IHDR(png, info, bild->width(), bild->height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 5);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_buffer_size(png, 65535);
    png_write_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < bild->height(); ++y)
        png_write_row(png, bild->constScanLine(y));
    png_write_end(png, nullptr);
    return true;
}

// ---- benchmarks ----------------------------------------------------------------

void TvlLesen(benchmark::State& state) {
    Daten& d = D();
    for (auto _ : state) {
        Dokument dok;
        TvlLeser leser;
        if (!leser.lesen(d.pfad, dok)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(dok.Basisbild.constBits());
    }
    state.counters["Datei_MB"] = double(d.datei.size()) / 1e6;
}

void PngDekodierenAllein(benchmark::State& state) {
    Daten& d = D();
    for (auto _ : state) {
        std::vector<unsigned char> pixel;
        if (!PngRohDekodieren(d.png, pixel)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(pixel.data());
    }
}

void TvlSchreiben(benchmark::State& state) {
    Daten& d = D();
    const QString ziel = d.ordner.filePath(QStringLiteral("geschrieben.tvl"));
    for (auto _ : state) {
        TvlSchreiber schreiber;
        if (!schreiber.schreiben(ziel, d.dok)) state.SkipWithError("write failed");
    }
}

void PngKodierenAllein(benchmark::State& state) {
    Daten& d = D();
    for (auto _ : state) {
        QByteArray aus;
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (!RohKodieren(png, info, &d.dok.Basisbild, &aus)) state.SkipWithError("encode failed");
        png_destroy_write_struct(&png, &info);
        benchmark::DoNotOptimize(aus.constData());
    }
}

} // namespace

BENCHMARK(TvlLesen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PngDekodierenAllein)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(TvlSchreiben)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PngKodierenAllein)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();

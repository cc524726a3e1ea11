// Exporting a 1024 x 768 view against the bare libraries and one write: PNG against
// libpng alone on the same RGB rows at level 5, JPEG against libjpeg alone at quality 99,
// the bitmap against writing the same number of bytes with one write(2). The libraries are
// also measured with their output written by one write, the part of an export that no
// encoder can save.
#include "documents/tvl_datei.h"
#include "mapview/karte.h"
#include "mapview/nummerierung.h"
#include "output/bildexport.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <csetjmp>
#include <fcntl.h>
#include <jpeglib.h>
#include <png.h>
#include <unistd.h>
#include <vector>

namespace {

const QSize Ansichtsgroesse(1024, 768);

// The Europe sample at 200 %, so the visible part fills the whole 1024 x 768 control.
const QImage& Ansicht() {
    static const QImage bild = [] {
        Dokument dok;
        TvlLeser leser;
        const QString pfad = QStringLiteral(KARTELLO_BIN_ORDNER "/europa.tvl");
        QImage ergebnis;
        if (QFileInfo::exists(pfad) && leser.lesen(pfad, dok)) {
            NummerierungSetzen(dok);
            Karte karte(dok);
            karte.SetzeSteuerelementgroesse(Ansichtsgroesse);
            karte.ZoomSetzen(4);
            ergebnis = karte.Ansichtsaufnahme();
        }
        if (ergebnis.size() != Ansichtsgroesse) { // a drawn stand-in where the sample is missing
            ergebnis = QImage(Ansichtsgroesse, QImage::Format_RGB32);
            ergebnis.fill(QColor(200, 225, 245));
            QPainter maler(&ergebnis);
            for (int i = 0; i < 80; ++i)
                maler.fillRect(QRect((i * 97) % 960, (i * 53) % 700, 80, 60), QColor(240, 225, 170));
        }
        return ergebnis.convertToFormat(QImage::Format_RGB32);
    }();
    return bild;
}

// The same pixels as packed RGB rows, prepared once outside the measurement.
const std::vector<uint8_t>& RgbZeilen() {
    static const std::vector<uint8_t> zeilen = [] {
        const QImage rgb = Ansicht().convertToFormat(QImage::Format_RGB888);
        std::vector<uint8_t> z(static_cast<size_t>(rgb.width()) * 3 * rgb.height());
        for (int y = 0; y < rgb.height(); ++y)
            std::memcpy(z.data() + static_cast<size_t>(y) * rgb.width() * 3, rgb.constScanLine(y),
                        static_cast<size_t>(rgb.width()) * 3);
        return z;
    }();
    return zeilen;
}

QTemporaryDir& Ordner() {
    static QTemporaryDir ordner;
    return ordner;
}

// One open, write and close of `laenge` bytes, as a program writes a file it has in memory.
bool EinWrite(const QString& name, const void* daten, size_t laenge) {
    const QByteArray pfad = QFile::encodeName(Ordner().filePath(name));
    const int fd = ::open(pfad.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    const bool ok = ::write(fd, daten, laenge) == static_cast<ssize_t>(laenge);
    return ::close(fd) == 0 && ok;
}

void Export(benchmark::State& state, const char* name) {
    const QString pfad = Ordner().filePath(QString::fromLatin1(name));
    Bildexport export_;
    for (auto _ : state)
        if (export_.schreiben(Ansicht(), pfad) != Bildexport::Ergebnis::Geschrieben)
            state.SkipWithError("export");
    state.counters["Bytes"] = static_cast<double>(QFileInfo(pfad).size());
}

void BM_ExportPng(benchmark::State& state) {
    Export(state, "ansicht.png");
}
void BM_ExportJpeg(benchmark::State& state) {
    Export(state, "ansicht.jpg");
}
void BM_ExportBmp(benchmark::State& state) {
    Export(state, "ansicht.bmp");
}

// The export's encoders alone, into memory: the part that compares with the libraries.
void Kodieren(benchmark::State& state, Bildformat format) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Kodieren(Ansicht(), format));
}
void BM_KodierenPng(benchmark::State& state) {
    Kodieren(state, Bildformat::Png);
}
void BM_KodierenJpeg(benchmark::State& state) {
    Kodieren(state, Bildformat::Jpeg);
}

void PngAnhaengen(png_structp png, png_bytep daten, png_size_t laenge) {
    auto* ziel = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    ziel->insert(ziel->end(), daten, daten + laenge);
}
void PngLeeren(png_structp) {}

// The encoder's output is also written to a file with one write when `mitDatei` is set.
void LibpngAllein(benchmark::State& state, bool mitDatei) {
    const std::vector<uint8_t>& zeilen = RgbZeilen();
    const int w = Ansichtsgroesse.width();
    const int h = Ansichtsgroesse.height();
    std::vector<uint8_t> aus;
    for (auto _ : state) {
        aus.clear();
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) {
            state.SkipWithError("libpng");
            break;
        }
        png_set_write_fn(png, &aus, PngAnhaengen, PngLeeren);
        png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_set_compression_level(png, PngKompressionsstufe);
        png_write_info(png, info);
        for (int y = 0; y < h; ++y)
            png_write_row(png, zeilen.data() + static_cast<size_t>(y) * w * 3);
        png_write_end(png, nullptr);
        png_destroy_write_struct(&png, &info);
        benchmark::DoNotOptimize(aus.data());
        if (mitDatei && !EinWrite(QStringLiteral("libpng.png"), aus.data(), aus.size()))
            state.SkipWithError("write");
    }
    state.counters["Bytes"] = static_cast<double>(aus.size());
}
void BM_LibpngAllein(benchmark::State& state) {
    LibpngAllein(state, false);
}
void BM_LibpngUndEinWrite(benchmark::State& state) {
    LibpngAllein(state, true);
}

void LibjpegAllein(benchmark::State& state, bool mitDatei) {
    const std::vector<uint8_t>& zeilen = RgbZeilen();
    unsigned long groesse = 0;
    for (auto _ : state) {
        jpeg_compress_struct info{};
        jpeg_error_mgr fehler{};
        info.err = jpeg_std_error(&fehler);
        jpeg_create_compress(&info);
        unsigned char* puffer = nullptr;
        groesse = 0;
        jpeg_mem_dest(&info, &puffer, &groesse);
        info.image_width = static_cast<JDIMENSION>(Ansichtsgroesse.width());
        info.image_height = static_cast<JDIMENSION>(Ansichtsgroesse.height());
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, JpegQualitaet, TRUE);
        jpeg_start_compress(&info, TRUE);
        while (info.next_scanline < info.image_height) {
            auto* zeile = const_cast<JSAMPLE*>(zeilen.data() + static_cast<size_t>(info.next_scanline) *
                                                                   Ansichtsgroesse.width() * 3);
            jpeg_write_scanlines(&info, &zeile, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        benchmark::DoNotOptimize(puffer);
        if (mitDatei && !EinWrite(QStringLiteral("libjpeg.jpg"), puffer, groesse))
            state.SkipWithError("write");
        free(puffer);
    }
    state.counters["Bytes"] = static_cast<double>(groesse);
}
void BM_LibjpegAllein(benchmark::State& state) {
    LibjpegAllein(state, false);
}
void BM_LibjpegUndEinWrite(benchmark::State& state) {
    LibjpegAllein(state, true);
}

void BM_EinWrite(benchmark::State& state) {
    // As many bytes as the bitmap file has: header and padded 24-bit rows.
    const size_t laenge =
        54 + static_cast<size_t>((Ansichtsgroesse.width() * 3 + 3) & ~3) * Ansichtsgroesse.height();
    const std::vector<char> daten(laenge, 'x');
    for (auto _ : state)
        if (!EinWrite(QStringLiteral("einwrite.bin"), daten.data(), laenge)) state.SkipWithError("write");
    state.counters["Bytes"] = static_cast<double>(laenge);
}

} // namespace

BENCHMARK(BM_ExportPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KodierenPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibpngAllein)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibpngUndEinWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KodierenJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibjpegAllein)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibjpegUndEinWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EinWrite)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// PNG through libpng, JPEG through libjpeg, and the bitmap file by hand (a header and
// rows of bytes need no library). The 32-bit rows of the picture go to the libraries as
// they are, with the fourth byte dropped by the library, so no 24-bit copy is made.
#include "output/bildexport.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <limits>

#include <jpeglib.h>
#include <png.h>

namespace {

QImage Als32Bit(const QImage& bild) {
    if (bild.format() == QImage::Format_RGB32) return bild;
    return bild.convertToFormat(QImage::Format_RGB32);
}

// ---- PNG ----

void PngAnhaengen(png_structp png, png_bytep daten, png_size_t laenge) {
    auto* ziel = static_cast<QByteArray*>(png_get_io_ptr(png));
    ziel->append(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(laenge));
}
void PngLeeren(png_structp) {}

// Only trivially destructible locals live here: libpng leaves by longjmp on an error.
bool PngSchreiben(const QImage& bild, QByteArray* ziel) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, ziel, PngAnhaengen, PngLeeren);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bild.width()), static_cast<png_uint_32>(bild.height()),
                 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, PngKompressionsstufe);
    png_write_info(png, info);
    // A pixel of Format_RGB32 is the word 0xffRRGGBB: bytes B G R X on a little-endian machine.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
#else
    png_set_filler(png, 0, PNG_FILLER_BEFORE);
#endif
    for (int y = 0; y < bild.height(); ++y)
        png_write_row(png, bild.constScanLine(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

// ---- JPEG ----

struct JpegFehler {
    jpeg_error_mgr mgr;
    std::jmp_buf sprung;
};

void JpegAbbruch(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegFehler*>(info->err)->sprung, 1);
}
void JpegStill(j_common_ptr) {}

// Collects the compressed bytes in a QByteArray through a fixed buffer.
struct JpegZiel {
    jpeg_destination_mgr mgr;
    QByteArray* daten;
    std::array<JOCTET, 1 << 16> puffer;
};

void JpegZielAnfang(j_compress_ptr info) {
    auto* z = reinterpret_cast<JpegZiel*>(info->dest);
    z->mgr.next_output_byte = z->puffer.data();
    z->mgr.free_in_buffer = z->puffer.size();
}
boolean JpegZielVoll(j_compress_ptr info) {
    auto* z = reinterpret_cast<JpegZiel*>(info->dest);
    z->daten->append(reinterpret_cast<const char*>(z->puffer.data()),
                     static_cast<qsizetype>(z->puffer.size()));
    JpegZielAnfang(info);
    return TRUE;
}
void JpegZielEnde(j_compress_ptr info) {
    auto* z = reinterpret_cast<JpegZiel*>(info->dest);
    z->daten->append(reinterpret_cast<const char*>(z->puffer.data()),
                     static_cast<qsizetype>(z->puffer.size() - z->mgr.free_in_buffer));
}

bool JpegSchreiben(const QImage& bild, QByteArray* ziel) {
    jpeg_compress_struct info{};
    JpegFehler fehler{};
    info.err = jpeg_std_error(&fehler.mgr);
    fehler.mgr.error_exit = JpegAbbruch;
    fehler.mgr.output_message = JpegStill;
    JpegZiel senke{};
    senke.daten = ziel;
    if (setjmp(fehler.sprung)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    senke.mgr.init_destination = JpegZielAnfang;
    senke.mgr.empty_output_buffer = JpegZielVoll;
    senke.mgr.term_destination = JpegZielEnde;
    info.dest = &senke.mgr;
    info.image_width = static_cast<JDIMENSION>(bild.width());
    info.image_height = static_cast<JDIMENSION>(bild.height());
#if defined(JCS_EXTENSIONS) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
#elif defined(JCS_EXTENSIONS)
    info.input_components = 4;
    info.in_color_space = JCS_EXT_XRGB;
#else
#error "libjpeg-turbo (JCS_EXTENSIONS) is needed for 32-bit rows"
#endif
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, JpegQualitaet, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* zeile = const_cast<JSAMPLE*>(bild.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

// ---- BMP ----

constexpr uint32_t BmpKopfLaenge = 14 + 40; // BITMAPFILEHEADER + BITMAPINFOHEADER

void Le16(char*& p, uint16_t wert) {
    qToLittleEndian(wert, p);
    p += 2;
}
void Le32(char*& p, uint32_t wert) {
    qToLittleEndian(wert, p);
    p += 4;
}

void BmpKopf(char* p, const QImage& bild, uint32_t zeilenlaenge, uint32_t dateilaenge) {
    Le16(p, 0x4D42); // "BM"
    Le32(p, dateilaenge);
    Le32(p, 0);
    Le32(p, BmpKopfLaenge);
    Le32(p, 40);
    Le32(p, static_cast<uint32_t>(bild.width()));
    Le32(p, static_cast<uint32_t>(bild.height())); // positive: rows from the bottom up
    Le16(p, 1);
    Le16(p, 24);
    Le32(p, 0); // BI_RGB
    Le32(p, zeilenlaenge * static_cast<uint32_t>(bild.height()));
    Le32(p, static_cast<uint32_t>(std::max(0, bild.dotsPerMeterX())));
    Le32(p, static_cast<uint32_t>(std::max(0, bild.dotsPerMeterY())));
    Le32(p, 0);
    Le32(p, 0);
}

// Four pixels (16 bytes B G R X) become twelve bytes B G R per step; the words are read
// as QRgb values, so the order is right on either byte order.
void BmpZeile(const QRgb* quelle, int breite, uchar* ziel) {
    int x = 0;
    for (; x + 4 <= breite; x += 4, ziel += 12) {
        const QRgb a = quelle[x], b = quelle[x + 1], c = quelle[x + 2], d = quelle[x + 3];
        const uint32_t w0 = (a & 0xffffffu) | (b << 24);
        const uint32_t w1 = ((b >> 8) & 0xffffu) | (c << 16);
        const uint32_t w2 = ((c >> 16) & 0xffu) | (d << 8);
        qToLittleEndian(w0, ziel);
        qToLittleEndian(w1, ziel + 4);
        qToLittleEndian(w2, ziel + 8);
    }
    for (; x < breite; ++x, ziel += 3) {
        const QRgb p = quelle[x];
        ziel[0] = static_cast<uchar>(p);
        ziel[1] = static_cast<uchar>(p >> 8);
        ziel[2] = static_cast<uchar>(p >> 16);
    }
}

} // namespace

QByteArray PngKodieren(const QImage& bild) {
    if (bild.isNull()) return {};
    const QImage b = Als32Bit(bild);
    QByteArray daten;
    daten.reserve(static_cast<qsizetype>(b.width()) * b.height());
    if (!PngSchreiben(b, &daten)) return {};
    return daten;
}

QByteArray JpegKodieren(const QImage& bild) {
    if (bild.isNull() || bild.width() > JPEG_MAX_DIMENSION || bild.height() > JPEG_MAX_DIMENSION) return {};
    const QImage b = Als32Bit(bild);
    QByteArray daten;
    if (!JpegSchreiben(b, &daten)) return {};
    return daten;
}

QByteArray BmpKodieren(const QImage& bild) {
    if (bild.isNull()) return {};
    const QImage b = Als32Bit(bild);
    // Each row is padded to a multiple of four bytes.
    const uint64_t zeilenlaenge = (static_cast<uint64_t>(b.width()) * 3 + 3) & ~uint64_t{3};
    const uint64_t laenge = BmpKopfLaenge + zeilenlaenge * static_cast<uint64_t>(b.height());
    if (laenge > std::numeric_limits<uint32_t>::max()) return {}; // the header holds 32 bits
    QByteArray daten(static_cast<qsizetype>(laenge), Qt::Uninitialized);
    BmpKopf(daten.data(), b, static_cast<uint32_t>(zeilenlaenge), static_cast<uint32_t>(laenge));
    auto* zeilen = reinterpret_cast<uchar*>(daten.data()) + BmpKopfLaenge;
    const int hoehe = b.height();
    for (int y = 0; y < hoehe; ++y) {
        uchar* ziel = zeilen + zeilenlaenge * static_cast<uint64_t>(hoehe - 1 - y);
        BmpZeile(reinterpret_cast<const QRgb*>(b.constScanLine(y)), b.width(), ziel);
        std::fill(ziel + b.width() * 3, ziel + zeilenlaenge, uchar{0});
    }
    return daten;
}

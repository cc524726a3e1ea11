#include "documents/tvl_png.h"

#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <png.h>
#include <vector>

// libpng reports errors by longjmp. Every function that calls setjmp below holds
// only trivially destructible locals, and the callbacks hold none while they
// raise an error, so no C++ destructor is ever skipped.

namespace {

constexpr bool KleinEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
// Deflate cannot expand more than 1032:1, so fewer compressed bytes than this
// share of the raw size prove the stream damaged before the image is allocated.
constexpr unsigned long long MaxDeflateFaktor = 1032;

struct Meldung {
    char text[256] = {};
};

void FehlerMelden(png_structp png, png_const_charp text) {
    auto* m = static_cast<Meldung*>(png_get_error_ptr(png));
    std::snprintf(m->text, sizeof m->text, "%s", text ? text : "");
    png_longjmp(png, 1);
}

void WarnungIgnorieren(png_structp, png_const_charp) {}

// ---- decoding ---------------------------------------------------------------

struct LeseQuelle {
    PngQuelle* quelle;
    std::size_t pos; // bytes handed to libpng so far
};

void QuelleLesen(png_structp png, png_bytep ziel, std::size_t n) {
    auto* q = static_cast<LeseQuelle*>(png_get_io_ptr(png));
    const PngQuelle& s = *q->quelle;
    const std::size_t imSpeicher = q->pos < s.laenge ? std::min(n, s.laenge - q->pos) : 0;
    if (imSpeicher > 0) std::memcpy(ziel, s.daten + q->pos, imSpeicher);
    std::size_t gefuellt = imSpeicher;
    if (gefuellt < n && s.weiter) gefuellt += s.weiter(s.kontext, ziel + gefuellt, n - gefuellt);
    if (gefuellt < n) png_error(png, "unexpected end of image data");
    q->pos += n;
}

// Text, colour profiles, suggested palettes and the like are never shown: they are
// skipped unread instead of inflated, so a chunk bomb costs only its reading time.
void UnbenutzteChunksUeberspringen(png_structp png) {
    static const png_byte unbenutzt[] =
        "tEXt\0zTXt\0iTXt\0iCCP\0sPLT\0eXIf\0tIME\0hIST\0pCAL\0sCAL\0oFFs\0pHYs\0"
        "sBIT\0bKGD\0sTER";
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, unbenutzt, (sizeof unbenutzt) / 5);
    png_set_chunk_cache_max(png, PngMaxZusatzChunks);
    png_set_chunk_malloc_max(png, PngMaxChunkBytes);
    png_set_user_limits(png, PngMaxSeite, PngMaxSeite);
}

struct BildKopf {
    png_uint_32 breite = 0;
    png_uint_32 hoehe = 0;
    unsigned long long rohBytes = 0; // size of the decompressed rows before any transform
    bool alpha = false;
};

// Reads the chunks up to the image data and sets the transforms so that every
// row arrives as 32-bit pixels in the memory order of QImage::Format_(A)RGB32.
bool KopfLesenUndWandeln(png_structp png, png_infop info, BildKopf* kopf) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    const png_uint_32 breite = png_get_image_width(png, info);
    const png_uint_32 hoehe = png_get_image_height(png, info);
    const int farbtyp = png_get_color_type(png, info);
    const int tiefe = png_get_bit_depth(png, info);
    const bool alpha = (farbtyp & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    kopf->rohBytes =
        static_cast<unsigned long long>(hoehe) *
        ((static_cast<unsigned long long>(breite) * png_get_channels(png, info) * tiefe + 7) / 8);

    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    if (KleinEndian) png_set_bgr(png);
    if (!alpha)
        png_set_filler(png, 0xFF, KleinEndian ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
    else if (!KleinEndian)
        png_set_swap_alpha(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<std::size_t>(breite) * 4)
        png_error(png, "unsupported pixel layout");
    kopf->breite = breite;
    kopf->hoehe = hoehe;
    kopf->alpha = alpha;
    return true;
}

bool ZeilenLesen(png_structp png, png_bytepp zeilen) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, zeilen);
    png_read_end(png, nullptr);
    return true;
}

// Owns a libpng read or write structure with its info structure; both are freed
// here, outside the functions that call setjmp, so no destructor is skipped.
template <bool Schreiben> class PngStruktur final {
public:
    explicit PngStruktur(Meldung& m) {
        m_png = Schreiben
                    ? png_create_write_struct(PNG_LIBPNG_VER_STRING, &m, FehlerMelden, WarnungIgnorieren)
                    : png_create_read_struct(PNG_LIBPNG_VER_STRING, &m, FehlerMelden, WarnungIgnorieren);
        if (m_png) m_info = png_create_info_struct(m_png);
    }
    ~PngStruktur() {
        if constexpr (Schreiben)
            png_destroy_write_struct(&m_png, m_info ? &m_info : nullptr);
        else
            png_destroy_read_struct(&m_png, m_info ? &m_info : nullptr, nullptr);
    }
    PngStruktur(const PngStruktur&) = delete;
    PngStruktur& operator=(const PngStruktur&) = delete;

    bool gueltig() const { return m_png && m_info; }
    png_structp png() const { return m_png; }
    png_infop info() const { return m_info; }

private:
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
};
using LeseStruktur = PngStruktur<false>;
using SchreibStruktur = PngStruktur<true>;

QString Beschaedigt(const Meldung& m) {
    return QStringLiteral("Das Bild ist beschädigt (%1).").arg(QString::fromLatin1(m.text));
}

// ---- encoding ---------------------------------------------------------------

void InGeraetSchreiben(png_structp png, png_bytep daten, std::size_t n) {
    auto* geraet = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (geraet->write(reinterpret_cast<const char*>(daten), static_cast<qint64>(n)) != static_cast<qint64>(n))
        png_error(png, "write failed");
}

void NichtsLeeren(png_structp) {}

bool ZeilenSchreiben(png_structp png, png_infop info, const QImage* bild, QIODevice* ziel) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, ziel, InGeraetSchreiben, NichtsLeeren);
    png_set_IHDR(png, info, static_cast<png_uint_32>(bild->width()), static_cast<png_uint_32>(bild->height()),
                 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 5);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    // The deflate output buffer is flushed as one IDAT chunk, so its size caps the chunks.
    png_set_compression_buffer_size(png, 65535);
    png_write_info(png, info);
    if (KleinEndian) png_set_bgr(png);
    png_set_filler(png, 0, KleinEndian ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
    const int hoehe = bild->height();
    for (int y = 0; y < hoehe; ++y)
        png_write_row(png, bild->constScanLine(y));
    png_write_end(png, info);
    return true;
}

} // namespace

bool PngDekodieren(const unsigned char* daten, std::size_t laenge, QImage& bild, QString& fehler) {
    PngQuelle quelle;
    quelle.daten = daten;
    quelle.laenge = laenge;
    quelle.gesamt = laenge;
    return PngDekodieren(quelle, bild, fehler);
}

bool PngDekodieren(PngQuelle& eingabe, QImage& bild, QString& fehler) {
    Meldung meldung;
    LeseStruktur s(meldung);
    if (!s.gueltig()) {
        fehler = QStringLiteral("Zu wenig Speicher für das Bild.");
        return false;
    }
    LeseQuelle quelle{&eingabe, 0};
    png_set_read_fn(s.png(), &quelle, QuelleLesen);
    UnbenutzteChunksUeberspringen(s.png());
    BildKopf kopf;
    if (!KopfLesenUndWandeln(s.png(), s.info(), &kopf)) {
        fehler = Beschaedigt(meldung);
        return false;
    }
    const unsigned long long pixel = static_cast<unsigned long long>(kopf.breite) * kopf.hoehe;
    if (kopf.breite > PngMaxSeite || kopf.hoehe > PngMaxSeite || pixel > PngMaxPixel) {
        fehler =
            QStringLiteral("Das Bild ist zu groß (%1 × %2 Bildpunkte).").arg(kopf.breite).arg(kopf.hoehe);
        return false;
    }
    const unsigned long long uebrig = eingabe.gesamt > quelle.pos ? eingabe.gesamt - quelle.pos : 0;
    if (kopf.rohBytes > uebrig * MaxDeflateFaktor + 4096) {
        fehler = QStringLiteral("Die Bilddaten sind unvollständig.");
        return false;
    }
    QImage neu(static_cast<int>(kopf.breite), static_cast<int>(kopf.hoehe),
               kopf.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (neu.isNull()) {
        fehler = QStringLiteral("Zu wenig Speicher für das Bild.");
        return false;
    }
    std::vector<png_bytep> zeilen(kopf.hoehe);
    for (png_uint_32 y = 0; y < kopf.hoehe; ++y)
        zeilen[y] = neu.scanLine(static_cast<int>(y));
    if (!ZeilenLesen(s.png(), zeilen.data())) {
        fehler = Beschaedigt(meldung);
        return false;
    }
    bild = std::move(neu);
    return true;
}

bool PngKodieren(const QImage& bild, QIODevice& ziel, QString& fehler) {
    if (bild.isNull()) {
        fehler = QStringLiteral("Das Dokument hat kein Bild.");
        return false;
    }
    const bool passt = bild.format() == QImage::Format_RGB32 || bild.format() == QImage::Format_ARGB32;
    const QImage rgb = passt ? bild : bild.convertToFormat(QImage::Format_RGB32);
    Meldung meldung;
    SchreibStruktur s(meldung);
    if (!s.gueltig() || !ZeilenSchreiben(s.png(), s.info(), &rgb, &ziel)) {
        fehler = QStringLiteral("Das Bild kann nicht geschrieben werden (%1).")
                     .arg(QString::fromLatin1(meldung.text));
        return false;
    }
    return true;
}

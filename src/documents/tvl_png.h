#pragma once
// The base image of a document as a PNG datastream, through libpng directly:
// decoding lands straight in the QImage buffer, encoding reads the QImage scanlines.
#include <QImage>
#include <QString>
#include <cstddef>

class QIODevice;

// Limits that guard against damaged or hostile headers before anything is allocated.
inline constexpr unsigned PngMaxSeite = 32768;
// A base image is a map shown at screen size and zoomed at most a few steps: 40
// megapixels (for example 8000 x 5000) are far beyond any real one and cost 160 MB
// at 32 bits per pixel, which leaves room for the map's rasters within the program's
// memory budget. Larger images are refused before their raster is allocated.
inline constexpr unsigned long long PngMaxPixel = 40'000'000ULL;
// Ancillary chunks that libpng still stores (the program skips the ones it never
// uses): at most this many, none larger than this.
inline constexpr unsigned PngMaxZusatzChunks = 256;
inline constexpr unsigned long PngMaxChunkBytes = 8UL * 1024 * 1024;

// Where a datastream comes from: the bytes already in memory, then, when they run
// out, `weiter` (a plain function, so that libpng's error jumps skip no destructor).
struct PngQuelle {
    const unsigned char* daten = nullptr;
    std::size_t laenge = 0;
    // Fills up to `n` bytes at `ziel`; returns how many it filled (fewer only at the end).
    std::size_t (*weiter)(void* kontext, unsigned char* ziel, std::size_t n) = nullptr;
    void* kontext = nullptr;
    // Bytes of the datastream and whatever follows it, counted from `daten`.
    unsigned long long gesamt = 0;
};

// Decodes one complete PNG datastream (up to IEND; later bytes are ignored) into a
// Format_RGB32 or, with transparency, Format_ARGB32 image. Any PNG that libpng
// reads is accepted: palette, grey, 16 bit, alpha, interlaced.
// On failure `bild` is untouched and `fehler` holds a German message.
bool PngDekodieren(const unsigned char* daten, std::size_t laenge, QImage& bild, QString& fehler);
// The same from a source that may continue beyond memory; only the bytes up to IEND are read.
bool PngDekodieren(PngQuelle& quelle, QImage& bild, QString& fehler);

// Writes 8-bit RGB (alpha dropped), not interlaced, deflate level 5, Sub filter,
// IDAT chunks of at most 65535 bytes.
bool PngKodieren(const QImage& bild, QIODevice& ziel, QString& fehler);

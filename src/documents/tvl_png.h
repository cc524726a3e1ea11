#pragma once
// The base image of a document as a PNG datastream, through libpng directly:
// decoding lands straight in the QImage buffer, encoding reads the QImage scanlines.
#include <QImage>
#include <QString>
#include <cstddef>

class QIODevice;

// Limits that guard against damaged or hostile headers before anything is allocated.
inline constexpr unsigned PngMaxSeite = 32768;
inline constexpr unsigned long long PngMaxPixel = 200'000'000ULL;

// Decodes one complete PNG datastream (up to IEND; later bytes are ignored) into a
// Format_RGB32 or, with transparency, Format_ARGB32 image. Any PNG that libpng
// reads is accepted: palette, grey, 16 bit, alpha, interlaced.
// On failure `bild` is untouched and `fehler` holds a German message.
bool PngDekodieren(const unsigned char* daten, std::size_t laenge, QImage& bild, QString& fehler);

// Writes 8-bit RGB (alpha dropped), not interlaced, deflate level 5, Sub filter,
// IDAT chunks of at most 65535 bytes.
bool PngKodieren(const QImage& bild, QIODevice& ziel, QString& fehler);

#pragma once
// Readers for the written image files that do not go through the program's encoders:
// PNG chunks and the zlib header by hand, JPEG markers and quantisation tables by hand,
// the bitmap file header and rows by hand.
#include <QByteArray>
#include <QImage>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct PngKopf {
    uint32_t breite = 0, hoehe = 0;
    int bittiefe = 0, farbtyp = 0;
    int zlibFlevel = -1; // FLEVEL of the zlib stream in the first IDAT
    bool zlibPruefsummeOk = false;
};
std::optional<PngKopf> PngLesen(const QByteArray& datei);

struct JpegKopf {
    int breite = 0, hoehe = 0, komponenten = 0;
    // Quantisation tables by id, in natural (row by row) order.
    std::vector<std::array<int, 64>> tabellen;
};
std::optional<JpegKopf> JpegLesen(const QByteArray& datei);
// The table libjpeg derives from the standard one at `qualitaet` (baseline, 1..255).
std::array<int, 64> StandardQuantisierung(bool luminanz, int qualitaet);

// A 24-bit bottom-up bitmap with padded rows, as an RGB32 picture; nothing when the file
// is anything else or its padding bytes are not zero.
std::optional<QImage> BmpLesen(const QByteArray& datei);

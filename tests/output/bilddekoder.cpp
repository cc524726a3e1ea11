#include "bilddekoder.h"

#include <algorithm>

namespace {

uint32_t Be32(const QByteArray& d, qsizetype i) {
    return (uint32_t(uint8_t(d[i])) << 24) | (uint32_t(uint8_t(d[i + 1])) << 16) |
           (uint32_t(uint8_t(d[i + 2])) << 8) | uint32_t(uint8_t(d[i + 3]));
}
int Be16(const QByteArray& d, qsizetype i) {
    return (int(uint8_t(d[i])) << 8) | int(uint8_t(d[i + 1]));
}
uint32_t Le32(const QByteArray& d, qsizetype i) {
    return uint32_t(uint8_t(d[i])) | (uint32_t(uint8_t(d[i + 1])) << 8) |
           (uint32_t(uint8_t(d[i + 2])) << 16) | (uint32_t(uint8_t(d[i + 3])) << 24);
}
int Le16(const QByteArray& d, qsizetype i) {
    return int(uint8_t(d[i])) | (int(uint8_t(d[i + 1])) << 8);
}

// Position k of the zigzag sequence in natural order.
constexpr std::array<int, 64> Zickzack{0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                                       12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                                       35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                                       58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// The example tables of the JPEG standard (Annex K), natural order.
constexpr std::array<int, 64> Luminanz{16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
                                       14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
                                       18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
                                       49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr std::array<int, 64> Chrominanz{17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
                                         24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
                                         99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
                                         99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

} // namespace

std::optional<PngKopf> PngLesen(const QByteArray& d) {
    static const QByteArray signatur("\x89PNG\r\n\x1a\n", 8);
    if (!d.startsWith(signatur)) return std::nullopt;
    PngKopf k;
    bool ihdr = false;
    for (qsizetype i = 8; i + 12 <= d.size();) {
        const uint32_t laenge = Be32(d, i);
        const QByteArray typ = d.mid(i + 4, 4);
        if (laenge > uint32_t(d.size() - i - 12)) return std::nullopt;
        const qsizetype daten = i + 8;
        if (typ == "IHDR" && laenge == 13) {
            k.breite = Be32(d, daten);
            k.hoehe = Be32(d, daten + 4);
            k.bittiefe = uint8_t(d[daten + 8]);
            k.farbtyp = uint8_t(d[daten + 9]);
            ihdr = true;
        } else if (typ == "IDAT" && k.zlibFlevel < 0 && laenge >= 2) {
            const int cmf = uint8_t(d[daten]);
            const int flg = uint8_t(d[daten + 1]);
            k.zlibFlevel = flg >> 6;
            k.zlibPruefsummeOk = (cmf & 0x0f) == 8 && (cmf * 256 + flg) % 31 == 0;
        } else if (typ == "IEND") {
            return ihdr ? std::optional<PngKopf>(k) : std::nullopt;
        }
        i = daten + laenge + 4; // data and CRC
    }
    return std::nullopt;
}

std::optional<JpegKopf> JpegLesen(const QByteArray& d) {
    if (d.size() < 4 || uint8_t(d[0]) != 0xFF || uint8_t(d[1]) != 0xD8) return std::nullopt;
    JpegKopf k;
    for (qsizetype i = 2; i + 4 <= d.size();) {
        if (uint8_t(d[i]) != 0xFF) return std::nullopt;
        const int marke = uint8_t(d[i + 1]);
        const int laenge = Be16(d, i + 2);
        if (laenge < 2 || i + 2 + laenge > d.size()) return std::nullopt;
        const qsizetype daten = i + 4;
        if (marke == 0xDB) { // DQT: one or more tables
            for (qsizetype p = daten; p < i + 2 + laenge;) {
                const int kopf = uint8_t(d[p]);
                const int id = kopf & 0x0f;
                const bool sechzehn = (kopf >> 4) != 0;
                if (size_t(id) >= k.tabellen.size()) k.tabellen.resize(size_t(id) + 1);
                for (int z = 0; z < 64; ++z)
                    k.tabellen[size_t(id)][size_t(Zickzack[size_t(z)])] =
                        sechzehn ? Be16(d, p + 1 + 2 * z) : int(uint8_t(d[p + 1 + z]));
                p += 1 + (sechzehn ? 128 : 64);
            }
        } else if (marke == 0xC0 || marke == 0xC1 || marke == 0xC2) {
            k.hoehe = Be16(d, daten + 1);
            k.breite = Be16(d, daten + 3);
            k.komponenten = uint8_t(d[daten + 5]);
        } else if (marke == 0xDA) {
            return k; // entropy-coded data follows
        }
        i += 2 + laenge;
    }
    return std::nullopt;
}

std::array<int, 64> StandardQuantisierung(bool luminanz, int qualitaet) {
    const int skala = qualitaet < 50 ? 5000 / qualitaet : 200 - qualitaet * 2;
    std::array<int, 64> t{};
    for (size_t i = 0; i < 64; ++i) {
        const int basis = luminanz ? Luminanz[i] : Chrominanz[i];
        t[i] = std::clamp((basis * skala + 50) / 100, 1, 255);
    }
    return t;
}

std::optional<QImage> BmpLesen(const QByteArray& d) {
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') return std::nullopt;
    if (Le32(d, 2) != uint32_t(d.size()) || Le32(d, 14) != 40) return std::nullopt;
    const int breite = int(Le32(d, 18));
    const int hoehe = int(Le32(d, 22)); // positive: bottom-up
    if (breite <= 0 || hoehe <= 0 || Le16(d, 26) != 1 || Le16(d, 28) != 24 || Le32(d, 30) != 0)
        return std::nullopt;
    const qsizetype anfang = Le32(d, 10);
    const qsizetype zeile = (qsizetype(breite) * 3 + 3) / 4 * 4;
    if (anfang + zeile * hoehe != d.size()) return std::nullopt;
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y) {
        const qsizetype z = anfang + zeile * (hoehe - 1 - y);
        for (int x = 0; x < breite; ++x) {
            const qsizetype p = z + 3 * x;
            bild.setPixel(x, y, qRgb(uint8_t(d[p + 2]), uint8_t(d[p + 1]), uint8_t(d[p])));
        }
        for (qsizetype p = z + 3 * breite; p < z + zeile; ++p)
            if (d[p] != 0) return std::nullopt;
    }
    return bild;
}
